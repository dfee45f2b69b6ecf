// The array operations: create and transform (and the driver's answer how
// large they may be), delete, consistency check, secure erase, task
// control, offline and the array's own data. Each follows kv_api_call.h.
#include "kv_api.h"

#include "kv_api_call.h"
#include "kv_record.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

constexpr uint32_t CreateCommand = 2;
constexpr uint32_t DeleteCommand = 3;
constexpr uint32_t TransformCommand = 8;
constexpr uint32_t OfflineCommand = 17;
constexpr uint32_t TaskControlCommand = 34;
constexpr uint32_t ReadTransformInfo = 0x100C;
constexpr uint32_t ReadCreateInfo = 0x100D;
// Where the information reads carry the type code, in place of the first
// further caller value (the read code is written over offset 32).
constexpr size_t InfoTypeOffset = 80;
constexpr uint32_t ManageBlock = 1024;

constexpr uint32_t LegacyType = 0x1BF9;
constexpr uint32_t TierType = 0x1BFD;
constexpr uint32_t LegacyDiskType = 0x1203;
constexpr uint32_t NvmePortBit = 0x80000000;
// Option flag that marks a create request as a question only.
constexpr uint32_t CreateInfoFlag = 0x2000;
// Mode 1 of a check or secure erase carries this at offset 56.
constexpr uint32_t ModeOneValue = 0x10000000;

constexpr uint32_t TransformTask = 0x5354;
constexpr uint32_t TaskFailed = 0xA1A4;

// How often a generated identifier that is taken already is drawn anew.
constexpr int IdentifierRedraws = 5;

// Create request offsets.
constexpr size_t CreateSpares = 124;
constexpr size_t CreateMembers = 188;
constexpr size_t CreateName = 92;
constexpr uint32_t NameBytes = 32;
// Transform request offsets.
constexpr size_t TransformSpares = 92;
constexpr size_t TransformMembers = 156;

// Blocks that go out as read commands are at least a mailbox block long.
uint32_t readBlockLength(uint32_t length)
{
    return std::max(length, KV_MailboxBlockSize);
}

// The member and spare checks that a create and a transform share.
KV_STS checkLayout(const KV_CoreId &core, uint32_t memberCount, uint32_t firstCount,
                   uint32_t secondCount, uint64_t capacity, const KV_DevicePath *members,
                   uint32_t spareCount, const KV_DevicePath *spares)
{
    if (firstCount == 0 || secondCount == 0 || capacity == 0 || members == nullptr ||
        uint64_t(firstCount) * secondCount != memberCount || memberCount > KV_MaxListEntries)
        return KVTL_STS_INVALID_PARAMETER;
    // More spares would overwrite the first members in the request.
    if (spareCount > KV_MaxRequestSpares)
        return KVTL_STS_INVALID_PARAMETER;
    int32_t number = 0;
    if (const KV_STS valid =
            KV_ValidateCoreDeviceLists(&core, memberCount, spareCount, members, spares, &number);
        valid != KV_STS_SUCCESS)
        return valid;
    if (number != core.coreNumber)
        return KV_STS_INVALID_LOGICAL_DEVICE;
    return KV_STS_SUCCESS;
}

// Waits until the array `id` has no task left: KV_STS_SUCCESS when it is
// gone or idle, KV_STS_TRANSFORM_FAILURE when its transform failed. The lock
// (held once by the caller) is released while it sleeps.
KV_STS waitForArrayTask(const KV_CoreId &core, uint64_t id)
{
    KV_SleepUnlocked(100);
    for (;;) {
        KV_STS outcome = KV_STS_UNKNOWN; // still running
        const KV_STS looked = KV_WithFreshHandle(core, [&](KV_Core &handle) -> KV_STS {
            const uint32_t index = handle.KV_FindLogicalDevice(id);
            if (index >= handle.logicalCount) {
                outcome = KV_STS_SUCCESS;
                return KV_STS_SUCCESS;
            }
            const KV_C_LogicalDevice &array = *handle.logicalDevices[index];
            if (array.transformType == 0 && array.transformProgress == 0)
                outcome = KV_STS_SUCCESS;
            else if (array.transformType == TransformTask && array.transformState == TaskFailed)
                outcome = KV_STS_TRANSFORM_FAILURE;
            return KV_STS_SUCCESS;
        });
        if (looked != KV_STS_SUCCESS)
            return looked;
        if (outcome != KV_STS_UNKNOWN)
            return outcome;
        KV_SleepUnlocked(1000);
    }
}

// 32 bits from two 16-bit draws of the standard generator.
uint32_t drawHalf()
{
    const uint32_t high = uint32_t(std::rand()) & 0xFFFF;
    const uint32_t low = uint32_t(std::rand()) & 0xFFFF;
    return high << 16 | low;
}

// A new array identifier: the upper half seeded with the time, the lower
// half with the time plus the upper half's low 16 bits.
uint64_t drawIdentifier()
{
    const auto now = unsigned(std::time(nullptr));
    std::srand(now);
    const uint32_t upper = drawHalf();
    std::srand(now + (upper & 0xFFFF));
    const uint32_t lower = drawHalf();
    return uint64_t(upper) << 32 | lower;
}

// Draws an identifier no array of `handle` has. While the draw is taken
// (or 0, which names no device), the lock is released for a second and the
// identifier drawn anew, at most IdentifierRedraws times;
// KV_STS_DUPLICATE_DEVICES when every draw was taken.
KV_STS drawUnusedIdentifier(const KV_Core &handle, uint64_t *identifier)
{
    for (int redraws = 0;; ++redraws) {
        *identifier = drawIdentifier();
        if (*identifier != 0 && handle.KV_FindLogicalDevice(*identifier) >= handle.logicalCount)
            return KV_STS_SUCCESS;
        if (redraws == IdentifierRedraws)
            return KV_STS_DUPLICATE_DEVICES;
        KV_SleepUnlocked(1000);
    }
}

bool anyNvmeMember(const KV_Core &handle, const KV_CreateParameters &p)
{
    for (uint32_t i = 0; i < p.memberCount; ++i) {
        const uint32_t index = KV_FindPhysicalEntry(handle, p.members[i]);
        if (index < handle.physicalCount &&
            (handle.physicalDevices[index]->portType & NvmePortBit) != 0)
            return true;
    }
    return false;
}

// Fills a create request (all but the identifier at 64) with `optionFlags`.
KV_STS fillCreate(const KV_Core &handle, uint8_t *block, const KV_CreateParameters &p,
                  uint32_t optionFlags)
{
    KV_PutField<uint32_t>(block, 16, 0);
    KV_PutField<uint32_t>(block, 32, p.typeCode);
    KV_PutField<uint32_t>(block, 36, p.memberCount);
    KV_PutField<uint32_t>(block, 72, p.firstCount);
    KV_PutField<uint32_t>(block, 76, p.secondCount);
    if (p.name != nullptr)
        std::memcpy(block + CreateName, p.name, std::min(p.nameLength, NameBytes));

    uint32_t cacheTagCode = 0;
    switch (p.cacheTagSize) {
    case 64:
        cacheTagCode = 1;
        break;
    case 128:
        cacheTagCode = 2;
        break;
    case 256:
        cacheTagCode = 3;
        break;
    case 0:
        cacheTagCode = anyNvmeMember(handle, p) ? 3 : 1;
        break;
    default:
        std::printf("invalid cachetag size=%d\n", int(p.cacheTagSize));
        return KVTL_STS_INVALID_PARAMETER;
    }

    const KV_EntryKind memberKind =
        p.typeCode == TierType ? KV_EntryKind::Array : KV_EntryKind::Disk;
    if (const KV_STS put =
            KV_PutListEntries(handle, block, CreateMembers, p.members, p.memberCount, memberKind);
        put != KV_STS_SUCCESS)
        return put;
    if (const KV_STS put = KV_PutListEntries(handle, block, CreateSpares, p.spares, p.spareCount,
                                             KV_EntryKind::Disk);
        put != KV_STS_SUCCESS)
        return put;
    KV_PutField<uint32_t>(block, 40, p.spareCount);

    KV_PutField<uint32_t>(block, 44, cacheTagCode);
    KV_PutField<uint32_t>(block, 48, p.cacheFlags);
    KV_PutField<uint32_t>(block, 52, optionFlags);
    KV_PutField<uint64_t>(block, 56, p.capacity);
    KV_PutField<uint32_t>(block, 80, p.furtherValues[0]);
    KV_PutField<uint32_t>(block, 84, p.furtherValues[1]);
    KV_PutField<uint32_t>(block, 88, p.furtherValues[2]);
    return KV_STS_SUCCESS;
}

KV_STS checkCreate(const KV_CoreId *core, const KV_CreateParameters *p)
{
    if (core == nullptr || p == nullptr || !KV_IsCreatableType(p->typeCode))
        return KVTL_STS_INVALID_PARAMETER;
    return checkLayout(*core, p->memberCount, p->firstCount, p->secondCount, p->capacity,
                       p->members, p->spareCount, p->spares);
}

// Fills a transform request; the array is found by its path.
KV_STS fillTransform(const KV_Core &handle, uint8_t *block, const KV_TransformParameters &p)
{
    const uint32_t index = handle.KV_FindLogicalDevice(p.arrayPath);
    if (index >= handle.logicalCount)
        return KV_STS_LOGICAL_DEVICE_NOT_FOUND;
    const KV_C_LogicalDevice &array = *handle.logicalDevices[index];
    KV_PutField<uint32_t>(block, 16, 0);
    KV_PutField<uint32_t>(block, 32, p.typeCode);
    KV_PutField<uint64_t>(block, 36, array.id);
    KV_PutField<uint16_t>(block, 44, array.deviceRoute);
    KV_PutField<uint16_t>(block, 46, array.coreRoute);
    KV_PutField<uint32_t>(block, 52, p.memberCount);
    KV_PutField<uint32_t>(block, 72, p.firstCount);
    KV_PutField<uint32_t>(block, 76, p.secondCount);
    if (const KV_STS put = KV_PutListEntries(handle, block, TransformMembers, p.members,
                                             p.memberCount, KV_EntryKind::Disk);
        put != KV_STS_SUCCESS)
        return put;
    if (const KV_STS put = KV_PutListEntries(handle, block, TransformSpares, p.spares, p.spareCount,
                                             KV_EntryKind::Disk);
        put != KV_STS_SUCCESS)
        return put;
    KV_PutField<uint32_t>(block, 56, p.spareCount);
    KV_PutField<uint32_t>(block, 60, p.callerValue);
    KV_PutField<uint64_t>(block, 64, p.capacity);
    KV_PutField<uint32_t>(block, 80, p.furtherValues[0]);
    KV_PutField<uint32_t>(block, 84, p.furtherValues[1]);
    KV_PutField<uint32_t>(block, 88, p.furtherValues[2]);
    return KV_STS_SUCCESS;
}

KV_STS checkTransform(const KV_CoreId *core, const KV_TransformParameters *p)
{
    if (core == nullptr || p == nullptr || !KV_IsTransformTarget(p->typeCode))
        return KVTL_STS_INVALID_PARAMETER;
    if (const KV_STS path = KV_CheckDevicePath(core, p->arrayPath); path != KV_STS_SUCCESS)
        return path;
    return checkLayout(*core, p->memberCount, p->firstCount, p->secondCount, p->capacity,
                       p->members, p->spareCount, p->spares);
}

using ArrayList = std::vector<const KV_C_LogicalDevice *>;

// The arrays a request names: every array of the core with `every`, else
// those of the list (KV_STS_LOGICAL_DEVICE_NOT_FOUND for a missing one).
KV_STS collectArrays(const KV_Core &handle, uint32_t count, const KV_DevicePath *paths, bool every,
                     ArrayList &arrays)
{
    arrays.clear();
    if (every) {
        arrays.assign(handle.logicalDevices, handle.logicalDevices + handle.logicalCount);
        return KV_STS_SUCCESS;
    }
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t index = KV_FindLogicalEntry(handle, paths[i]);
        if (index >= handle.logicalCount)
            return KV_STS_LOGICAL_DEVICE_NOT_FOUND;
        arrays.push_back(handle.logicalDevices[index]);
    }
    return KV_STS_SUCCESS;
}

void putArrayEntries(uint8_t *block, size_t offset, const ArrayList &arrays)
{
    for (const KV_C_LogicalDevice *array : arrays) {
        KV_PutDeviceEntry(block, offset, *array);
        offset += KV_DeviceEntrySize;
    }
}

// Room for the list of a request on `count` arrays, or on every array.
KV_STS arrayListRoom(uint32_t count, const KV_DevicePath *paths, bool every, uint32_t *room)
{
    if (!every && (count == 0 || paths == nullptr))
        return KVTL_STS_INVALID_PARAMETER;
    if (!every && count > KV_MaxListEntries)
        return KVTL_STS_INVALID_PARAMETER;
    *room = every ? KV_MaxLogicalDevices : count;
    return KV_STS_SUCCESS;
}

// A check or secure erase of the array at `path`: mode 1 carries
// ModeOneValue at 56 and `parameter` at 16. With `waitAfter`, a non-zero
// parameter in another mode waits for the array's task once it was sent.
KV_STS sendArrayTask(const char *tag, const char *path, uint32_t subOperation, uint32_t mode,
                     uint32_t parameter, bool waitAfter)
{
    if (const KV_STS checked = KV_CheckDevicePath(nullptr, path); checked != KV_STS_SUCCESS)
        return checked;
    const KV_CoreId core = KV_CoreOfPath(path);
    return KV_CallWithRetry(core, tag, ManageBlock, [&](KV_Core &handle, uint8_t *block) -> KV_STS {
        const uint32_t index = handle.KV_FindLogicalDevice(path);
        if (index >= handle.logicalCount)
            return KV_STS_LOGICAL_DEVICE_NOT_FOUND;
        const uint64_t id = handle.logicalDevices[index]->id;
        KV_FillManageLogicalRequest(block, *handle.logicalDevices[index], subOperation,
                                    mode == 1 ? ModeOneValue : 0, mode == 1 ? parameter : 0);
        const KV_STS sent = handle.KV_ConfigWrite(block, ManageBlock, KV_ManageLogicalCommand);
        if (sent != KV_STS_SUCCESS || !waitAfter || parameter == 0 || mode == 1)
            return sent;
        return waitForArrayTask(core, id);
    });
}

// A device path entry that can be handed on as a one-entry list.
struct PathEntry {
    KV_DevicePath path;
};

} // namespace

bool KV_IsCreatableType(uint32_t typeCode)
{
    return KV_IsTransformTarget(typeCode) || typeCode == TierType;
}

bool KV_IsTransformTarget(uint32_t typeCode)
{
    switch (typeCode) {
    case 0x1BF5:
    case 0x1BF6:
    case 0x1BF7:
    case 0x1BFA:
    case 0x1BFB:
        return true;
    default:
        return false;
    }
}

KV_STS KV_ApiCreateLogicalDevice(const KV_CoreId *core, const KV_CreateParameters *parameters,
                                 int wait, char *outputPath)
{
    if (const KV_STS checked = checkCreate(core, parameters); checked != KV_STS_SUCCESS)
        return checked;
    const KV_CreateParameters &p = *parameters;
    const uint32_t length = KV_ListBlockLength(p.memberCount);
    // The new array in the configuration as it is now (the handle that sent
    // the request predates it), with its path in `outputPath`.
    const auto findCreated = [&](uint64_t identifier) {
        return KV_WithFreshHandle(*core, [&](KV_Core &now) -> KV_STS {
            const uint32_t index = now.KV_FindLogicalDevice(identifier);
            if (index >= now.logicalCount)
                return KV_STS_LOGICAL_DEVICE_NOT_FOUND;
            const KV_C_LogicalDevice &array = *now.logicalDevices[index];
            // A route prefix is at most 36 bytes: the path always fits.
            if (outputPath != nullptr &&
                std::snprintf(outputPath, KV_DevicePathLength, "%s%d%s%s%d", now.routePrefix,
                              int(array.coreRoute), "/", "Device",
                              int(array.deviceRoute)) >= KV_DevicePathLength)
                return KV_STS_BUFFER_TOO_SMALL;
            return KV_STS_SUCCESS;
        });
    };
    return KV_CallWithRetry(
        *core, "KV_ApiCreateLogicalDevice", length, [&](KV_Core &handle, uint8_t *block) -> KV_STS {
            if (const KV_STS filled = fillCreate(handle, block, p, p.optionFlags);
                filled != KV_STS_SUCCESS)
                return filled;
            uint64_t identifier = p.identifier;
            if (identifier == 0)
                if (const KV_STS drawn = drawUnusedIdentifier(handle, &identifier);
                    drawn != KV_STS_SUCCESS)
                    return drawn;
            KV_PutField<uint64_t>(block, 64, identifier);
            const KV_STS sent = handle.KV_ConfigWrite(block, length, CreateCommand);
            if (sent != KV_STS_SUCCESS) {
                // A lost answer is no refusal: an identifier drawn here that
                // the configuration now holds is the array this request made.
                // (A caller's own identifier may name an older array.)
                if (p.identifier == 0 && sent != KV_STS_INVALID_GENERATION_NUMBER &&
                    findCreated(identifier) == KV_STS_SUCCESS)
                    return KV_STS_SUCCESS;
                return sent;
            }
            // The task's own failure is the answer; a wait that could not
            // read the configuration is not.
            if (wait && waitForArrayTask(*core, identifier) == KV_STS_TRANSFORM_FAILURE)
                return KV_STS_TRANSFORM_FAILURE;
            // The request was accepted: a failed lookup is made once more
            // with a fresh handle before failure is answered, so that an
            // array that exists is never reported as not created.
            const KV_STS found = findCreated(identifier);
            if (found == KV_STS_SUCCESS || found == KV_STS_BUFFER_TOO_SMALL)
                return found;
            return findCreated(identifier);
        });
}

KV_STS KV_ApiGetCreateInfo(const KV_CoreId *core, KV_CreateParameters *parameters)
{
    if (const KV_STS checked = checkCreate(core, parameters); checked != KV_STS_SUCCESS)
        return checked;
    KV_CreateParameters &p = *parameters;
    const uint32_t length = readBlockLength(KV_ListBlockLength(p.memberCount));
    return KV_CallWithRetry(
        *core, "KV_ApiGetCreateInfo", length, [&](KV_Core &handle, uint8_t *block) -> KV_STS {
            if (const KV_STS filled = fillCreate(handle, block, p, p.optionFlags | CreateInfoFlag);
                filled != KV_STS_SUCCESS)
                return filled;
            KV_PutField<uint64_t>(block, 64, p.identifier);
            // The read code takes the type code's place at 32; the
            // information read carries it at 80 instead.
            KV_PutField<uint32_t>(block, InfoTypeOffset, p.typeCode);
            const KV_STS answered =
                handle.KV_ConfigRead(block, KV_MailboxBlockSize, ReadCreateInfo, 0);
            if (answered == KV_STS_SUCCESS)
                p.capacity = kv::record::u64(block, 0);
            return answered;
        });
}

KV_STS KV_ApiTransformLogicalDevice(const KV_CoreId *core, const KV_TransformParameters *parameters)
{
    if (const KV_STS checked = checkTransform(core, parameters); checked != KV_STS_SUCCESS)
        return checked;
    const uint32_t length = KV_ListBlockLength(parameters->memberCount);
    return KV_CallWithRetry(*core, "KV_ApiTransformLogicalDevice", length,
                            [&](KV_Core &handle, uint8_t *block) -> KV_STS {
                                if (const KV_STS filled = fillTransform(handle, block, *parameters);
                                    filled != KV_STS_SUCCESS)
                                    return filled;
                                return handle.KV_ConfigWrite(block, length, TransformCommand);
                            });
}

KV_STS KV_ApiGetTransformInfo(const KV_CoreId *core, const KV_TransformParameters *parameters,
                              KV_TransformInfo *info)
{
    if (info == nullptr)
        return KVTL_STS_INVALID_PARAMETER;
    if (const KV_STS checked = checkTransform(core, parameters); checked != KV_STS_SUCCESS)
        return checked;
    const uint32_t length = readBlockLength(KV_ListBlockLength(parameters->memberCount));
    return KV_CallWithRetry(
        *core, "KV_ApiGetTransformInfo", length, [&](KV_Core &handle, uint8_t *block) -> KV_STS {
            if (const KV_STS filled = fillTransform(handle, block, *parameters);
                filled != KV_STS_SUCCESS)
                return filled;
            KV_PutField<uint32_t>(block, InfoTypeOffset, parameters->typeCode);
            const KV_STS answered =
                handle.KV_ConfigRead(block, KV_MailboxBlockSize, ReadTransformInfo, 0);
            if (answered == KV_STS_SUCCESS) {
                info->largestCapacity = kv::record::u64(block, 0);
                info->presentCapacity = kv::record::u64(block, 8);
            }
            return answered;
        });
}

KV_STS KV_ApiDeleteLogicalDevice(const KV_CoreId *core, uint32_t count, const KV_DevicePath *paths,
                                 int allArrays, int force, uint32_t parameter)
{
    uint32_t room = 0;
    if (const KV_STS sized = arrayListRoom(count, paths, allArrays != 0, &room);
        sized != KV_STS_SUCCESS)
        return sized;
    KV_CoreId target{};
    if (const KV_STS resolved = KV_RequestCore(core, count, paths, allArrays != 0, &target);
        resolved != KV_STS_SUCCESS)
        return resolved;

    // The disks to initialize afterwards belong to the same locked call.
    KV_CoreLock lock;
    std::vector<PathEntry> legacyDisks;
    const KV_STS deleted = KV_CallWithRetry(
        target, "KV_ApiDeleteLogicalDevice", KV_ListBlockLength(room),
        [&](KV_Core &handle, uint8_t *block) -> KV_STS {
            ArrayList arrays;
            if (const KV_STS found = collectArrays(handle, count, paths, allArrays != 0, arrays);
                found != KV_STS_SUCCESS)
                return found;
            legacyDisks.clear();
            for (const KV_C_LogicalDevice *array : arrays) {
                if (array->referenceCount != 0 && !force)
                    return KV_STS_LOGICAL_DEVICE_IN_USE;
                if (array->typeCode != LegacyType || array->elementCount == 0)
                    continue;
                const uint32_t disk = handle.KV_FindPhysicalDevice(array->elements[0].id);
                if (disk < handle.physicalCount &&
                    handle.physicalDevices[disk]->type == LegacyDiskType) {
                    PathEntry entry{};
                    std::snprintf(entry.path, sizeof entry.path, "%s",
                                  handle.physicalDevices[disk]->path);
                    legacyDisks.push_back(entry);
                }
            }
            KV_PutField<uint32_t>(block, 16, parameter);
            KV_PutField<uint32_t>(block, 32, allArrays ? 1 : 0);
            KV_PutField<uint32_t>(block, 36, uint32_t(arrays.size()));
            putArrayEntries(block, 40, arrays);
            return handle.KV_ConfigWrite(block, KV_ListBlockLength(arrays.size()), DeleteCommand);
        });
    if (deleted != KV_STS_SUCCESS)
        return deleted;
    // A Legacy disk is returned to plain use. The arrays are gone whatever
    // this answers, so the delete's own status is what the caller gets.
    for (const PathEntry &disk : legacyDisks)
        KV_ApiInitializePhysicalDevice(&target, 1, &disk.path, 0, 0, 0);
    return deleted;
}

KV_STS KV_ApiCheckLogicalDevice(const char *path, int start, uint32_t mode, uint32_t parameter)
{
    return sendArrayTask("KV_ApiCheckLogicalDevice", path, start ? KV_SubCheckBitmap : KV_SubCheck,
                         mode, parameter, true);
}

KV_STS KV_ApiSecureEraseLogicalDevice(const char *path, uint32_t mode, uint32_t parameter)
{
    return sendArrayTask("KV_ApiSecureEraseLogicalDevice", path, KV_SubSecureErase, mode, parameter,
                         false);
}

KV_STS KV_ApiTaskControlLogicalDevice(const KV_CoreId *core, uint32_t action, uint32_t count,
                                      const KV_DevicePath *paths, int allArrays, uint32_t parameter)
{
    uint32_t room = 0;
    if (const KV_STS sized = arrayListRoom(count, paths, allArrays != 0, &room);
        sized != KV_STS_SUCCESS)
        return sized;
    auto control = [&](const KV_CoreId &id) {
        return KV_CallWithRetry(id, "KV_ApiTaskControlLogicalDevice", KV_ListBlockLength(room),
                                [&](KV_Core &handle, uint8_t *block) -> KV_STS {
                                    ArrayList arrays;
                                    if (const KV_STS found = collectArrays(handle, count, paths,
                                                                           allArrays != 0, arrays);
                                        found != KV_STS_SUCCESS)
                                        return found;
                                    KV_PutField<uint32_t>(block, 16, parameter);
                                    KV_PutField<uint32_t>(block, 32, action);
                                    KV_PutField<uint32_t>(block, 36, allArrays ? 1 : 0);
                                    KV_PutField<uint32_t>(block, 40, uint32_t(arrays.size()));
                                    putArrayEntries(block, 44, arrays);
                                    return handle.KV_ConfigWrite(block,
                                                                 KV_ListBlockLength(arrays.size()),
                                                                 TaskControlCommand);
                                });
    };
    // One request per core: every core with the flag, else the list's.
    if (allArrays)
        return KV_ForEachEnumeratedCore(control);
    KV_CoreId target{};
    if (const KV_STS resolved = KV_ResolveListCore(core, count, paths, &target);
        resolved != KV_STS_SUCCESS)
        return resolved;
    return control(target);
}

KV_STS KV_ApiOfflineLogicalDevice(const KV_CoreId *core, uint32_t count, const KV_DevicePath *paths,
                                  int allArrays)
{
    uint32_t room = 0;
    if (const KV_STS sized = arrayListRoom(count, paths, allArrays != 0, &room);
        sized != KV_STS_SUCCESS)
        return sized;
    KV_CoreId target{};
    if (const KV_STS resolved = KV_RequestCore(core, count, paths, allArrays != 0, &target);
        resolved != KV_STS_SUCCESS)
        return resolved;
    return KV_CallWithRetry(
        target, "KV_ApiOfflineLogicalDevice", KV_ListBlockLength(room),
        [&](KV_Core &handle, uint8_t *block) -> KV_STS {
            ArrayList arrays;
            if (const KV_STS found = collectArrays(handle, count, paths, allArrays != 0, arrays);
                found != KV_STS_SUCCESS)
                return found;
            KV_PutField<uint32_t>(block, 32, uint32_t(arrays.size()));
            putArrayEntries(block, 36, arrays);
            return handle.KV_ConfigWrite(block, KV_ListBlockLength(arrays.size()), OfflineCommand);
        });
}

KV_STS KV_ApiManageDevicePrivateLogicalDevice(const char *path, const char *name,
                                              uint32_t nameLength, uint32_t parameter,
                                              uint32_t secondParameter)
{
    if (name == nullptr && nameLength != 0)
        return KVTL_STS_INVALID_PARAMETER;
    if (const KV_STS checked = KV_CheckDevicePath(nullptr, path); checked != KV_STS_SUCCESS)
        return checked;
    // The driver reads at most 32 name bytes; the length says how many.
    const uint32_t sent = std::min(nameLength, NameBytes);
    return KV_CallWithRetry(
        KV_CoreOfPath(path), "KV_ApiManageDevicePrivateLogicalDevice", ManageBlock,
        [&](KV_Core &handle, uint8_t *block) -> KV_STS {
            const uint32_t index = handle.KV_FindLogicalDevice(path);
            if (index >= handle.logicalCount)
                return KV_STS_LOGICAL_DEVICE_NOT_FOUND;
            KV_FillManageLogicalRequest(block, *handle.logicalDevices[index], KV_SubPrivate,
                                        parameter, secondParameter);
            KV_PutField<uint32_t>(block, 60, sent);
            if (sent != 0)
                std::memcpy(block + 64, name, sent);
            return handle.KV_ConfigWrite(block, ManageBlock, KV_ManageLogicalCommand);
        });
}
