#include "kv_api.h"

#include "kv_api_call.h"

#include <cstdio>
#include <cstring>

namespace {

struct StatusName {
    KV_STS value;
    const char *name;
};

constexpr StatusName statusNames[] = {
    {0, "KV_STS_UNKNOWN"},
    {1, "KV_STS_SUCCESS"},
    {2, "KV_STS_EOF"},
    {3, "KV_STS_FAILURE"},
    {4, "KV_STS_ARRAY_TOO_SMALL"},
    {5, "KV_STS_SPACE_NOT_ALLOCATED"},
    {6, "KVTL_STS_INVALID_BUFFER"},
    {7, "KVTL_STS_INVALID_PARAMETER"},
    {8, "KV_STS_INVALID_CORE_HANDLE"},
    {9, "KV_STS_TRANSFORM_FAILURE"},
    {10, "KV_STS_LOGICAL_DEVICE_NOT_FOUND"},
    {11, "KV_STS_PHYSICAL_DEVICE_NOT_FOUND"},
    {20, "KV_STS_BAD_FUNCTION"},
    {21, "KV_STS_INVALID_BUFFER"},
    {22, "KV_STS_BAD_CONFIG_FUNCTION"},
    {23, "KV_STS_READ_COMMAND_PENDING"},
    {24, "KV_STS_NO_CFG_READ_CMD_FOUND"},
    {25, "KV_STS_IO_ERROR"},
    {26, "KV_STS_BUFFER_TOO_SMALL"},
    {27, "KV_STS_OUT_OF_BOUNDS"},
    {28, "KV_STS_DRIVER_SPECIFIC"},
    {29, "KV_STS_DEVICE_NOT_FOUND"},
    {30, "KV_STS_NOT_IMPLEMENTED"},
    {32, "KV_STS_XOR_RESULT_NOT_ZERO"},
    {33, "KV_STS_COMPARE_NO_MATCH"},
    {34, "KV_STS_INJECTED_ERROR"},
    {35, "KV_STS_TIMER_FAILED"},
    {38, "KV_STS_INVALID_GENERATION_NUMBER"},
    {40, "KV_STS_DEVICE_IS_BUSY"},
    {42, "KV_STS_DEVICE_OFFLINE"},
    {43, "KV_STS_NOT_SUPPORT"},
    {44, "KV_STS_DUPLICATE_DEVICES"},
    {45, "KV_STS_NO_SPACE_AVAILABLE"},
    {46, "KV_STS_NO_RESOURCE_AVAILABLE"},
    {47, "KV_STS_NO_SPARE_AVAILABLE"},
    {48, "KV_STS_NO_MEMORY_AVAILABLE"},
    {49, "KV_STS_ARRAY_IDENTICAL"},
    {50, "KV_STS_DEVICE_RESERVED"},
    {51, "KV_STS_CHECK_DEVICE_DATA"},
    {53, "KV_STS_VALID_USER_MESSAGE"},
    {54, "KV_STS_NO_USER_MESSAGE"},
    {55, "KV_STS_DEVICE_NOT_INITIALIZE"},
    {56, "KV_STS_UNSUPPORT_FEATURE_SET"},
    {57, "KV_STS_MEMORY_ERROR"},
    {58, "KV_STS_MEMORY_ERROR_DELAYED"},
    {59, "KV_STS_CORE_STOPPED"},
    {60, "KV_STS_UNSUPPORTED_API_VERSION"},
    {61, "KV_STS_DEVICE_LIST_SPAN_MULTI_CORE"},
    {62, "KV_STS_INVALID_LOGICAL_DEVICE"},
    {63, "KV_STS_INVALID_DEVICE_LIST"},
    {64, "KV_STS_CONTROLLER_DEVICE_NOT_FOUND"},
    {65, "KV_STS_CRC_ERROR"},
    {67, "KV_STS_UNALIGN_OFFSET"},
    {68, "KV_STS_INVALID_SECTOR_SIZE"},
    {69, "KV_STS_READ_SECTOR_ERROR"},
    {70, "KV_STS_WRITE_SECTOR_ERROR"},
    {73, "KV_STS_INVALID_PCI_ID"},
    {75, "KV_STS_DEVICE_SMART_ERROR"},
    {77, "KV_STS_LOGICAL_DEVICE_IN_USE"},
    {78, "KV_STS_UNUSED"},
    {79, "KV_STS_DOUBLE_MEDIA_ERROR"},
    {80, "KV_STS_RETRY_MEDIA_ERROR"},
    {81, "KV_STS_RESERVED"},
    {82, "KV_STS_LAST_ERROR"},
};

constexpr uint32_t SimpleManageBlock = 1024;

} // namespace

const char *KV_StatusName(KV_STS status)
{
    for (const StatusName &entry : statusNames)
        if (entry.value == status)
            return entry.name;
    return "";
}

KV_CoreId KV_CoreOfPath(const char *path)
{
    KV_CoreId id{};
    id.coreNumber = KV_CoreNumberOf(path);
    std::snprintf(id.host, sizeof id.host, ".");
    std::snprintf(id.coreName, sizeof id.coreName, "Core%d", id.coreNumber);
    return id;
}

KV_STS KV_ResolveListCore(const KV_CoreId *core, uint32_t count, const KV_DevicePath *list,
                          KV_CoreId *resolved)
{
    int32_t number = 0;
    if (const KV_STS valid = KV_ValidateCoreDeviceLists(core, count, 0, list, nullptr, &number);
        valid != KV_STS_SUCCESS)
        return valid;
    *resolved = KV_CoreId{};
    resolved->coreNumber = number;
    std::snprintf(resolved->host, sizeof resolved->host, "%s",
                  core != nullptr && core->host[0] != '\0' ? core->host : ".");
    std::snprintf(resolved->coreName, sizeof resolved->coreName, "Core%d", number);
    return KV_STS_SUCCESS;
}

void KV_SleepUnlocked(uint32_t milliseconds)
{
    KV_UnlockCore();
    kv::platform()->sleep(milliseconds);
    KV_LockCore();
}

bool KV_IsSelectableDisk(const KV_C_PhysicalDevice &device)
{
    return device.type == 0x1200 || device.type == 0x1202 || device.type == 0x1203;
}

namespace {

// A list entry as a terminated text.
struct EntryText {
    char text[KV_DevicePathLength + 1];
    explicit EntryText(const KV_DevicePath &entry)
    {
        std::memcpy(text, entry, KV_DevicePathLength);
        text[KV_DevicePathLength] = '\0';
    }
};

} // namespace

uint32_t KV_FindPhysicalEntry(const KV_Core &core, const KV_DevicePath &entry)
{
    return core.KV_FindPhysicalDevice(EntryText(entry).text);
}

uint32_t KV_FindLogicalEntry(const KV_Core &core, const KV_DevicePath &entry)
{
    return core.KV_FindLogicalDevice(EntryText(entry).text);
}

KV_STS KV_PutListEntries(const KV_Core &core, uint8_t *block, size_t offset,
                         const KV_DevicePath *list, uint32_t count, KV_EntryKind kind)
{
    for (uint32_t i = 0; i < count; ++i, offset += KV_DeviceEntrySize) {
        if (kind == KV_EntryKind::Disk) {
            const uint32_t index = KV_FindPhysicalEntry(core, list[i]);
            if (index >= core.physicalCount)
                return KV_STS_PHYSICAL_DEVICE_NOT_FOUND;
            KV_PutDeviceEntry(block, offset, *core.physicalDevices[index]);
        } else {
            const uint32_t index = KV_FindLogicalEntry(core, list[i]);
            if (index >= core.logicalCount)
                return KV_STS_LOGICAL_DEVICE_NOT_FOUND;
            KV_PutDeviceEntry(block, offset, *core.logicalDevices[index]);
        }
    }
    return KV_STS_SUCCESS;
}

KV_STS KV_RequestCore(const KV_CoreId *core, uint32_t count, const KV_DevicePath *list,
                      bool everyDevice, KV_CoreId *target)
{
    if (everyDevice && (count == 0 || list == nullptr)) {
        if (core == nullptr)
            return KVTL_STS_INVALID_PARAMETER;
        *target = *core;
        return KV_STS_SUCCESS;
    }
    return KV_ResolveListCore(core, count, list, target);
}

KV_STS KV_CheckDevicePath(const KV_CoreId *core, const char *path)
{
    if (path == nullptr)
        return KVTL_STS_INVALID_PARAMETER;
    const int number = KV_CoreNumberOf(path);
    if (number == 0 || (core != nullptr && number != core->coreNumber))
        return KV_STS_INVALID_LOGICAL_DEVICE;
    return KV_STS_SUCCESS;
}

void KV_FillManageLogicalRequest(uint8_t *block, const KV_C_LogicalDevice &array,
                                 uint32_t subOperation, uint32_t parameter,
                                 uint32_t secondParameter)
{
    KV_PutField<uint32_t>(block, 16, secondParameter);
    KV_PutField<uint32_t>(block, 32, subOperation);
    KV_PutField<uint64_t>(block, 36, array.id);
    KV_PutField<uint16_t>(block, 44, array.deviceRoute);
    KV_PutField<uint16_t>(block, 46, array.coreRoute);
    KV_PutField<uint32_t>(block, 52, 0);
    KV_PutField<uint32_t>(block, 56, parameter);
}

KV_STS KV_SimpleManageLogicalDevice(const char *path, uint32_t subOperation, uint32_t parameter,
                                    uint32_t secondParameter)
{
    if (const KV_STS checked = KV_CheckDevicePath(nullptr, path); checked != KV_STS_SUCCESS)
        return checked;
    const KV_CoreId core = KV_CoreOfPath(path);
    return KV_CallWithRetry(
        core, "KV_SimpleManageLogicalDevice", SimpleManageBlock,
        [&](KV_Core &handle, uint8_t *block) -> KV_STS {
            const uint32_t index = handle.KV_FindLogicalDevice(path);
            if (index >= handle.logicalCount)
                return KV_STS_LOGICAL_DEVICE_NOT_FOUND;
            KV_FillManageLogicalRequest(block, *handle.logicalDevices[index], subOperation,
                                        parameter, secondParameter);
            return handle.KV_ConfigWrite(block, SimpleManageBlock, KV_ManageLogicalCommand);
        });
}

KV_STS KV_ApiManageLogicalDevice7CA6(const char *path, uint32_t parameter, uint32_t secondParameter)
{
    return KV_SimpleManageLogicalDevice(path, KV_SubSimple7CA6, parameter, secondParameter);
}

KV_STS KV_ApiSetLogicalDeviceCache(const char *path, uint32_t flags, uint32_t secondParameter)
{
    return KV_SimpleManageLogicalDevice(path, KV_SubSetCache, flags, secondParameter);
}

KV_STS KV_ApiManageLogicalDevice7CA9(const char *path, uint32_t parameter, uint32_t secondParameter)
{
    return KV_SimpleManageLogicalDevice(path, KV_SubSimple7CA9, parameter, secondParameter);
}

KV_STS KV_ApiSetLogicalDeviceTaskPriority(const char *path, uint32_t priority,
                                          uint32_t secondParameter)
{
    return KV_SimpleManageLogicalDevice(path, KV_SubSetTaskPriority, priority, secondParameter);
}

KV_STS KV_ApiSetLogicalDeviceFlags(const char *path, uint32_t flags, uint32_t secondParameter)
{
    return KV_SimpleManageLogicalDevice(path, KV_SubSetFlags, flags, secondParameter);
}

KV_STS KV_ApiRemoveLogicalDeviceSpares(const char *path, uint32_t parameter,
                                       uint32_t secondParameter)
{
    return KV_SimpleManageLogicalDevice(path, KV_SubRemoveSpares, parameter, secondParameter);
}

KV_STS KV_ApiRescan(const KV_CoreId *core, int allCores, uint32_t parameter)
{
    constexpr uint32_t RescanCommand = 16, RescanBlock = 1024;
    auto rescan = [&](const KV_CoreId &id) {
        return KV_CallWithRetry(id, "KV_ApiRescan", RescanBlock,
                                [&](KV_Core &handle, uint8_t *block) {
                                    KV_PutField<uint32_t>(block, 16, parameter);
                                    return handle.KV_ConfigWrite(block, RescanBlock, RescanCommand);
                                });
    };
    if (!allCores) {
        if (core == nullptr)
            return KVTL_STS_INVALID_PARAMETER;
        return rescan(*core);
    }
    return KV_ForEachEnumeratedCore(rescan);
}
