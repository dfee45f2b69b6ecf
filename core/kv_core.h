// KV_Core: the handle on one core of the RAID stack for one operation.
//
// Building it opens the core's configuration endpoint, obtains this
// opener's mailbox (the channel identifier), reads the 64 KiB configuration
// image and turns it into four lists of device objects. Every operation
// builds a fresh handle under the process-wide lock and destroys it before
// it returns; nothing above the core keeps one.
#pragma once

#include "kv_channel.h"
#include "kv_coreid.h"
#include "kv_devices.h"

#include <cstdint>
#include <cstring>
#include <memory>

inline constexpr uint32_t KV_ConfigImageSize = 65536;
inline constexpr uint32_t KV_ImageGenerationOffset = 52;
inline constexpr uint32_t KV_ImageRecordsOffset = 512;

// Read command codes.
inline constexpr uint32_t KV_ReadConfiguration = 0x1000;
inline constexpr uint32_t KV_ReadUserMessage = 0x1002;
inline constexpr uint32_t KV_ReadLastStatus = 0x1016;

// Every request block that goes to the mailbox is at least this long: read
// commands always write 8192 bytes.
inline constexpr uint32_t KV_MailboxBlockSize = 8192;

// The walk of an image's record stream. Calls `visit(tag, record, size)`
// for each record and returns the number visited. The walk ends at a tag of
// 0 or an unknown tag, at the end of the image, and at a record that would
// not fit in it; a logical record whose size is smaller than its fixed part
// ends it too, so no stream can make the walk read past the image or loop.
template <typename Visit>
uint32_t KV_WalkRecords(const uint8_t *image, uint32_t length, bool previous, Visit visit);

class KV_Core {
public:
    // `host` and `coreName` as a KV_CoreId holds them; `previous` reads the
    // previous configuration instead of the current one.
    KV_Core(const char *host, const char *coreName, int previous = 0);
    virtual ~KV_Core();
    KV_Core(const KV_Core &) = delete;
    KV_Core &operator=(const KV_Core &) = delete;

    // --- Channel ---------------------------------------------------------
    // Sends read command `readCode` from `block` (a tracked, page-aligned
    // block of at least 8192 bytes and `responseLength` bytes) and reads the
    // response back into it. The argument is written as 32 bits for 0x1000
    // and 0x1002 and as 64 bits for 0x1016.
    KV_STS KV_ConfigRead(void *block, uint32_t responseLength, uint32_t readCode,
                         uint64_t argument);
    // Sends write command `commandCode`; a refusal comes back as the status
    // word of the driver's answer to read 0x1016.
    KV_STS KV_ConfigWrite(void *block, uint32_t length, uint32_t commandCode);
    void KV_GetChannelID();

    // --- Configuration ---------------------------------------------------
    void KV_BuildConfig(const uint8_t *image, uint32_t length, int previous);
    void KV_CountRecords(const uint8_t *image, uint32_t length, int previous);
    void KV_GetConfig();
    void KV_GetPrevConfig(uint32_t argument);

    // --- Lookups: an index, or the list's count when nothing matches ----
    uint32_t KV_FindPhysicalDevice(const char *path) const;
    uint32_t KV_FindPhysicalDevice(uint64_t id) const;
    uint32_t KV_FindLogicalDevice(const char *path) const;
    uint32_t KV_FindLogicalDevice(uint64_t id) const;
    uint32_t KV_FindController(uint64_t id) const;

    // Fields, in declaration order.
    std::unique_ptr<KV_Endpoint> endpoint; // null when the open failed
    uint32_t channelId = 0;                // mailbox sector; 0 when unknown
    int32_t coreNumber = 0;
    char hostPart[16] = {};
    char corePart[16] = {};
    char configPath[80] = {};
    char routePrefix[80] = {};
    uint32_t physicalCount = 0;
    uint32_t logicalCount = 0;
    uint32_t controllerCount = 0;
    uint32_t enclosureCount = 0;
    uint32_t dumpLength = 0;
    uint64_t generation = 0;
    // How the last configuration read went: KV_STS_SUCCESS when the driver
    // answered it; otherwise its status (KV_STS_FAILURE without a mailbox),
    // and the lists are empty as a zeroed image leaves them.
    KV_STS imageStatus = KV_STS_FAILURE;
    struct DumpState {
        bool active = false;
        char *output = nullptr;
        uint32_t capacity = 0;
        uint32_t length = 0;
    } dumpState;
    KV_C_PhysicalDevice **physicalDevices = nullptr;
    KV_C_LogicalDevice **logicalDevices = nullptr;
    KV_C_ControllerDevice **controllers = nullptr;
    KV_C_SEPDevice **enclosures = nullptr;

private:
    void readImage(int previous, uint32_t argument);
    void destroyDevices();
    void fillReadHeader(uint8_t *block, uint32_t readCode, uint64_t argument) const;
};

// True when stored device name `stored` names `path`: one trailing space on
// either side is ignored, the rest must be equal, and an empty name never
// matches.
bool KV_DevicePathMatches(const char *stored, const char *path);

// Lists the cores of the local machine into `buffer` (`bufferBytes` bytes of
// KV_CoreId records). KV_STS_BUFFER_TOO_SMALL when a found core does not fit.
KV_STS KV_ApiEnumerateCores(KV_CoreId *buffer, uint32_t bufferBytes, uint32_t *count);

// Checks that one or two device lists name devices of one core and stores
// that core's number.
KV_STS KV_ValidateCoreDeviceLists(const KV_CoreId *core, uint32_t countA, uint32_t countB,
                                  const KV_DevicePath *listA, const KV_DevicePath *listB,
                                  int32_t *coreNumber);

// ---------------------------------------------------------------------------

template <typename Visit>
uint32_t KV_WalkRecords(const uint8_t *image, uint32_t length, bool previous, Visit visit)
{
    uint32_t visited = 0;
    uint64_t position = KV_ImageRecordsOffset;
    while (position + 4 <= length) {
        const uint8_t *record = image + position;
        uint32_t tag;
        std::memcpy(&tag, record, sizeof tag);
        uint64_t size = 0;
        switch (tag) {
        case KV_TagPhysicalDevice:
            size = previous ? KV_PreviousPhysicalRecordSize : KV_PhysicalRecordSize;
            break;
        case KV_TagController:
            size = KV_ControllerRecordSize;
            break;
        case KV_TagEnclosure:
            size = KV_EnclosureRecordSize;
            break;
        case KV_TagLogicalDevice:
            if (position + KV_LogicalSizeOffset + 4 > length)
                return visited;
            {
                uint32_t recordSize;
                std::memcpy(&recordSize, record + KV_LogicalSizeOffset, sizeof recordSize);
                if (recordSize < KV_LogicalFixedSize)
                    return visited;
                size = recordSize;
            }
            break;
        default:
            return visited; // 0 ends the stream, and so does anything unknown
        }
        if (position + size > length)
            return visited;
        visit(tag, record, uint32_t(size));
        ++visited;
        position += size;
    }
    return visited;
}
