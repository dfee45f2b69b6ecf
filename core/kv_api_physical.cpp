// The disk operations: initialize, disk sub-operations (with and without
// data read back) and spare assignments. Each follows kv_api_call.h.
#include "kv_api.h"

#include "kv_api_call.h"

#include <algorithm>
#include <vector>

namespace {

constexpr uint32_t InitializeCommand = 4;
constexpr uint32_t ManageDiskCommand = 29;
constexpr uint32_t ManageDiskCommandAlternate = 30;
constexpr uint32_t ReadDiskData = 0x1014;
constexpr uint32_t DiskDataBlock = 1536;

// The sub-operations whose answer is read back.
constexpr uint32_t FirstDataSubOperation = 0x400E;
constexpr uint32_t LastDataSubOperation = 0x4014;

// Spare sub-operations of command 7.
constexpr uint32_t AssignDedicatedSpare = 0x7CA2;
constexpr uint32_t RemoveDedicatedSpare = 0x7CA3;
constexpr uint32_t AssignGlobalSpare = 0x7CA4;
constexpr uint32_t RemoveGlobalSpare = 0x7CA5;

using DiskList = std::vector<const KV_C_PhysicalDevice *>;

DiskList selectableDisks(const KV_Core &handle)
{
    DiskList disks;
    for (uint32_t i = 0; i < handle.physicalCount; ++i)
        if (KV_IsSelectableDisk(*handle.physicalDevices[i]))
            disks.push_back(handle.physicalDevices[i]);
    return disks;
}

// Room for the list of a request on `count` disks, or on every disk.
KV_STS diskListRoom(uint32_t count, bool every, uint32_t *room)
{
    if (!every && count > KV_MaxListEntries)
        return KVTL_STS_INVALID_PARAMETER;
    *room = every ? KV_MaxPhysicalDevices : count;
    return KV_STS_SUCCESS;
}

} // namespace

KV_STS KV_ApiInitializePhysicalDevice(const KV_CoreId *core, uint32_t count,
                                      const KV_DevicePath *paths, int allDisks, uint32_t parameter,
                                      uint32_t mode)
{
    uint32_t room = 0;
    if (const KV_STS sized = diskListRoom(count, allDisks != 0, &room); sized != KV_STS_SUCCESS)
        return sized;
    KV_CoreId target{};
    if (const KV_STS resolved = KV_RequestCore(core, count, paths, allDisks != 0, &target);
        resolved != KV_STS_SUCCESS)
        return resolved;
    return KV_CallWithRetry(
        target, "KV_ApiInitializePhysicalDevice", KV_ListBlockLength(room),
        [&](KV_Core &handle, uint8_t *block) -> KV_STS {
            uint32_t entries = count;
            if (allDisks) {
                const DiskList disks = selectableDisks(handle);
                entries = uint32_t(disks.size());
                for (uint32_t i = 0; i < entries; ++i)
                    KV_PutDeviceEntry(block, 44 + i * KV_DeviceEntrySize, *disks[i]);
            } else if (const KV_STS put =
                           KV_PutListEntries(handle, block, 44, paths, count, KV_EntryKind::Disk);
                       put != KV_STS_SUCCESS) {
                return put;
            }
            KV_PutField<uint32_t>(block, 16, parameter);
            KV_PutField<uint32_t>(block, 32, allDisks ? 1 : 0);
            KV_PutField<uint32_t>(block, 36, entries);
            KV_PutField<uint32_t>(block, 40, mode);
            return handle.KV_ConfigWrite(block, KV_ListBlockLength(entries), InitializeCommand);
        });
}

KV_STS KV_ApiManagePhysicalDevice(const KV_CoreId *core, uint32_t count, const KV_DevicePath *paths,
                                  int allDisks, uint32_t subOperation, uint32_t parameter,
                                  int command30)
{
    uint32_t room = 0;
    if (const KV_STS sized = diskListRoom(count, allDisks != 0, &room); sized != KV_STS_SUCCESS)
        return sized;
    // A list on its own goes to the caller's core; otherwise the core is the
    // one the list names.
    KV_CoreId target{};
    if (count != 0 && !allDisks) {
        if (core == nullptr || paths == nullptr)
            return KVTL_STS_INVALID_PARAMETER;
        target = *core;
    } else if (const KV_STS resolved = KV_RequestCore(core, count, paths, allDisks != 0, &target);
               resolved != KV_STS_SUCCESS) {
        return resolved;
    }

    KV_CoreLock lock;
    // With the flag the disks are chosen once and then found by identifier.
    std::vector<uint64_t> chosen;
    if (allDisks) {
        if (const KV_STS listed = KV_WithFreshHandle(target,
                                                     [&](KV_Core &handle) {
                                                         for (const auto *disk :
                                                              selectableDisks(handle))
                                                             chosen.push_back(disk->id);
                                                         return KV_STS_SUCCESS;
                                                     });
            listed != KV_STS_SUCCESS)
            return listed;
        if (chosen.empty())
            return KV_STS_PHYSICAL_DEVICE_NOT_FOUND;
    }
    const uint32_t disks = allDisks ? uint32_t(chosen.size()) : count;
    const uint32_t length = KV_ListBlockLength(allDisks ? disks : room);
    const uint32_t command = command30 ? ManageDiskCommandAlternate : ManageDiskCommand;

    // One command per disk, each with its own retry, so that a stale
    // generation never sends an earlier disk's command twice.
    KV_STS status = KV_STS_SUCCESS;
    for (uint32_t i = 0; i < disks; ++i) {
        status = KV_CallWithRetry(target, "KV_ApiManagePhysicalDevice", length,
                                  [&](KV_Core &handle, uint8_t *block) -> KV_STS {
                                      const uint32_t index =
                                          allDisks ? handle.KV_FindPhysicalDevice(chosen[i])
                                                   : KV_FindPhysicalEntry(handle, paths[i]);
                                      if (index >= handle.physicalCount)
                                          return KV_STS_PHYSICAL_DEVICE_NOT_FOUND;
                                      KV_PutField<uint32_t>(block, 16, parameter);
                                      KV_PutField<uint32_t>(block, 32, subOperation);
                                      KV_PutField<uint32_t>(block, 36, 1);
                                      KV_PutDeviceEntry(block, 40, *handle.physicalDevices[index]);
                                      return handle.KV_ConfigWrite(block, length, command);
                                  });
    }
    return status;
}

KV_STS KV_ApiManagePhysicalDeviceBuf(const KV_CoreId *core, uint32_t count,
                                     const KV_DevicePath *paths, int allDisks,
                                     uint32_t subOperation, void *buffer, uint32_t length,
                                     uint32_t parameter)
{
    if (core == nullptr || buffer == nullptr || length == 0)
        return KVTL_STS_INVALID_PARAMETER;
    int32_t number = 0;
    if (const KV_STS valid = KV_ValidateCoreDeviceLists(core, count, 0, paths, nullptr, &number);
        valid != KV_STS_SUCCESS)
        return valid;
    if (number != core->coreNumber)
        return KV_STS_INVALID_DEVICE_LIST;
    if (!allDisks && count != 1)
        return KVTL_STS_INVALID_PARAMETER;
    // The answer is read in whole sectors into a block of the library's
    // own and copied out: the caller's buffer is neither tracked nor
    // aligned, and need not be a multiple of 512 long.
    const uint64_t answerLength = (uint64_t(length) + 511) / 512 * 512;
    if (answerLength > UINT32_MAX - 4096)
        return KVTL_STS_INVALID_PARAMETER;

    return KV_CallWithRetry(
        *core, "KV_ApiManagePhysicalDeviceBuf", DiskDataBlock,
        [&](KV_Core &handle, uint8_t *block) -> KV_STS {
            const KV_C_PhysicalDevice *disk = nullptr;
            if (allDisks) {
                const DiskList disks = selectableDisks(handle);
                if (disks.size() != 1)
                    return KVTL_STS_INVALID_PARAMETER;
                disk = disks.front();
            } else {
                const uint32_t index = KV_FindPhysicalEntry(handle, paths[0]);
                if (index >= handle.physicalCount)
                    return KV_STS_PHYSICAL_DEVICE_NOT_FOUND;
                disk = handle.physicalDevices[index];
            }
            KV_PutField<uint32_t>(block, 16, parameter);
            KV_PutField<uint32_t>(block, 32, subOperation);
            KV_PutField<uint32_t>(block, 36, 1);
            KV_PutDeviceEntry(block, 40, *disk);
            const KV_STS sent = handle.KV_ConfigWrite(block, DiskDataBlock, ManageDiskCommand);
            if (sent != KV_STS_SUCCESS)
                return sent;
            if (subOperation < FirstDataSubOperation || subOperation > LastDataSubOperation)
                return KVTL_STS_INVALID_PARAMETER;
            KV_RequestBlock answer(std::max(uint32_t(answerLength), KV_MailboxBlockSize),
                                   "KV_ApiManagePhysicalDeviceBuf");
            if (!answer)
                return KV_STS_NO_MEMORY_AVAILABLE;
            const KV_STS read =
                handle.KV_ConfigRead(answer.data(), uint32_t(answerLength), ReadDiskData, 0);
            if (read == KV_STS_SUCCESS)
                std::memcpy(buffer, answer.data(), length);
            return read;
        });
}

KV_STS KV_ApiManageSpare(const KV_CoreId *core, const char *arrayPath, uint32_t count,
                         const KV_DevicePath *disks, int assign, uint32_t kind, uint32_t parameter)
{
    if (core == nullptr || count == 0 || disks == nullptr || count > KV_MaxListEntries)
        return KVTL_STS_INVALID_PARAMETER;
    const bool dedicated = kind == KV_DedicatedSpare;
    KV_CoreId target = *core;
    if (dedicated) {
        if (arrayPath == nullptr)
            return KVTL_STS_INVALID_PARAMETER;
        const int arrayCore = KV_CoreNumberOf(arrayPath);
        if (arrayCore == 0)
            return KV_STS_INVALID_LOGICAL_DEVICE;
        if (const KV_STS resolved = KV_ResolveListCore(core, count, disks, &target);
            resolved != KV_STS_SUCCESS)
            return resolved;
        if (target.coreNumber != arrayCore)
            return KV_STS_DEVICE_LIST_SPAN_MULTI_CORE;
    } else if (kind == KV_GlobalSpare) {
        if (const KV_STS resolved = KV_ResolveListCore(core, count, disks, &target);
            resolved != KV_STS_SUCCESS)
            return resolved;
    }
    const uint32_t subOperation = dedicated ? (assign ? AssignDedicatedSpare : RemoveDedicatedSpare)
                                            : (assign ? AssignGlobalSpare : RemoveGlobalSpare);
    const uint32_t length = KV_ListBlockLength(count);
    return KV_CallWithRetry(
        target, "KV_ApiManageSpare", length, [&](KV_Core &handle, uint8_t *block) -> KV_STS {
            if (dedicated) {
                const uint32_t index = handle.KV_FindLogicalDevice(arrayPath);
                if (index >= handle.logicalCount)
                    return KV_STS_LOGICAL_DEVICE_NOT_FOUND;
                const KV_C_LogicalDevice &array = *handle.logicalDevices[index];
                KV_PutField<uint64_t>(block, 36, array.id);
                KV_PutField<uint16_t>(block, 44, array.deviceRoute);
                KV_PutField<uint16_t>(block, 46, array.coreRoute);
            }
            if (const KV_STS put =
                    KV_PutListEntries(handle, block, 92, disks, count, KV_EntryKind::Disk);
                put != KV_STS_SUCCESS)
                return put;
            KV_PutField<uint32_t>(block, 16, parameter);
            KV_PutField<uint32_t>(block, 32, subOperation);
            KV_PutField<uint32_t>(block, 52, count);
            return handle.KV_ConfigWrite(block, length, KV_ManageLogicalCommand);
        });
}
