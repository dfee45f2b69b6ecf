#include "privileges.h"

#include "raid_commands.h"

namespace kvemu {

bool isDestructiveCommand(uint32_t command, const uint8_t *block, uint32_t count)
{
    constexpr uint32_t SetAttributes = 0x7CAB, SecureErase = 0x7CAE, PrepareHotRemoval = 0x4021;
    constexpr uint32_t Hidden = 0x200, PreparedForRemoval = 0x1000;
    raid::RequestReader reader(block, count);
    switch (command) {
    case raid::CommandDelete:
    case raid::CommandInitialize: // both modes: metadata written or cleared
    case raid::CommandOffline:
        return true;
    case raid::CommandManageArray: {
        const uint32_t sub = reader.u32(32);
        if (sub == SecureErase)
            return true;
        if (sub != SetAttributes)
            return false;
        // The high half names the bits to change, the low half their values:
        // setting the hidden or the prepared bit withdraws the array.
        const uint32_t parameter = reader.u32(56);
        const uint32_t setting = (parameter >> 16) & parameter & 0xFFFF;
        return (setting & (Hidden | PreparedForRemoval)) != 0 || reader.overrun();
    }
    case raid::CommandManageDisk:
    case raid::CommandManageDiskAlt:
        return reader.u32(32) == PrepareHotRemoval;
    default:
        return false;
    }
}

} // namespace kvemu
