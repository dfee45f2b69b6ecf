// The array and disk commands of KV_RaidApi and the queries the dialogs and
// menus ask before they offer them.
#include "kv_raid_api.h"

#include "kv_api.h"
#include "kv_platform.h"

#include <cstring>

namespace {

// Request codes of the service's commands.
constexpr uint32_t DiskWriteCacheOn = 0x4000, DiskWriteCacheOff = 0x4001;
constexpr uint32_t DiskReadAheadOn = 0x4002, DiskReadAheadOff = 0x4003;
constexpr uint32_t DiskIdentifyOn = 0x4005, DiskIdentifyOff = 0x402C, DiskIdentifyPattern = 0x4022;
constexpr uint32_t DiskSmartPollingOn = 0x401B, DiskSmartPollingOff = 0x401C;
constexpr uint32_t DiskPrepareRemoval = 0x4021;
constexpr uint32_t TaskPause = 0x6000, TaskResume = 0x6001, TaskRemove = 0x6002;
constexpr uint32_t HideFlags = 0x2000200, HideExtendedFlags = 0x12001200, ShowFlags = 0x2000000;
using KV_RecordBits::AttributeHidden;
constexpr int MaxDedicatedSpares = 4;

// One entry of a path list.
struct PathEntry {
    KV_DevicePath text{};
    explicit PathEntry(const char *path) { std::snprintf(text, sizeof text, "%s", path); }
};

} // namespace

const KV_CoreId *KV_RaidApi::core()
{
    const KV_Snapshot &s = snapshot();
    return s.coreCount > 0 ? &view_->cores[0] : nullptr;
}

bool KV_RaidApi::diskRequest(const char *route, uint32_t subOperation)
{
    const KV_CoreId *target = core();
    if (!target || !route)
        return false;
    const PathEntry entry(route);
    return KV_ApiManagePhysicalDevice(target, 1, &entry.text, 0, subOperation, 0) == KV_STS_SUCCESS;
}

// --- Queries -------------------------------------------------------------

bool KV_RaidApi::ArrayTaskActive(int arrayId)
{
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    return config && !KV_FieldIs(config->transformType, "NOT_ACTIVE");
}

bool KV_RaidApi::ArrayIsInTierPair(int arrayId)
{
    const Pin pin(*this);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    if (!config)
        return false;
    const KV_SnapshotTables &t = view_->tables;
    for (int i = 0; i < t.arrayCount; ++i) {
        const KV_ArrayConfig &tier = t.arrays[i].config[0];
        if (!KV_FieldIs(tier.type, "RAIDTIER") && !KV_FieldIs(tier.type, "RAIDCACHE"))
            continue;
        for (int m = 0; m < KV_MemberCount(tier); ++m)
            if (tier.members[m].id == config->id)
                return true;
    }
    return false;
}

bool KV_RaidApi::DiskIsGlobalSpare(int diskId)
{
    const KV_DiskRec *disk = findDisk(diskId);
    return disk && disk->globalSpare != 0;
}

bool KV_RaidApi::DiskIsDedicatedSpareOf(int arrayId, int diskId)
{
    const Pin pin(*this);
    const KV_ArrayRec *array = findArray(arrayId);
    const KV_DiskRec *disk = findDisk(diskId);
    if (!array || !disk)
        return false;
    for (int h = 0; h < (array->halves == 2 ? 2 : 1); ++h) {
        const KV_ArrayConfig &config = array->config[h];
        for (int l = 0; l < std::clamp(config.linkCount, 0, KV_SnapshotMaxReferences); ++l) {
            const KV_ReferenceRec &link = config.links[l];
            if (link.kind == KV_ReferenceSpare && link.deviceRoute == diskId && link.id == disk->id)
                return true;
        }
    }
    return false;
}

bool KV_RaidApi::DiskIsDedicatedSpare(int diskId)
{
    const Pin pin(*this);
    for (int i = 0; i < view_->tables.arrayCount; ++i)
        if (DiskIsDedicatedSpareOf(view_->tables.arrays[i].config[0].deviceRoute, diskId))
            return true;
    return false;
}

bool KV_RaidApi::DiskInRestoringArray(int diskId)
{
    const Pin pin(*this);
    for (int i = 0; i < view_->tables.arrayCount; ++i) {
        const KV_ArrayConfig &config = view_->tables.arrays[i].config[0];
        if (KV_FieldIs(config.transformType, "RESTORE") &&
            ArrayUsesDisk(config.deviceRoute, diskId))
            return true;
    }
    return false;
}

bool KV_RaidApi::DiskInSystemArray(int diskId)
{
    const Pin pin(*this);
    const HostView host = hostView();
    for (int i = 0; i < view_->tables.arrayCount; ++i) {
        const int arrayId = view_->tables.arrays[i].config[0].deviceRoute;
        if (ArrayUsesDisk(arrayId, diskId) && carriesSystem(arrayId, host))
            return true;
    }
    return false;
}

KV_RaidApi::DriveKind KV_RaidApi::driveKind(const KV_DiskRec &disk) const
{
    if (disk.portType & 0x80000000u)
        return DriveKind::Nvme;
    return (disk.portType & 0x800) ? DriveKind::SataSolidState : DriveKind::HardDisk;
}

bool KV_RaidApi::MixesDriveKinds(int arrayId, int diskId)
{
    const Pin pin(*this);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    const KV_DiskRec *disk = findDisk(diskId);
    if (!config || !disk)
        return false;
    for (int m = 0; m < KV_MemberCount(*config); ++m) {
        const KV_DiskRec *member = findDisk(config->members[m].deviceRoute);
        if (member && driveKind(*member) != driveKind(*disk))
            return true;
    }
    return false;
}

bool KV_RaidApi::ProcessIsElevated()
{
    return kv::platform()->processIsElevated();
}

bool KV_RaidApi::DiskFeature4(int diskId)
{
    const KV_DiskRec *disk = findDisk(diskId);
    return disk && (disk->features & 0x4);
}

bool KV_RaidApi::StateIsSmartError(const char *state)
{
    return state && (KV_FieldIs(state, "SMART_Error") || KV_FieldIs(state, "SMART_error"));
}

bool KV_RaidApi::ArrayHasSharedDisks(int arrayId)
{
    const Pin pin(*this);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    if (!config)
        return false;
    for (int m = 0; m < KV_MemberCount(*config); ++m)
        if (CountArraysOfDisk(config->members[m].deviceRoute) > 1)
            return true;
    return false;
}

bool KV_RaidApi::CanBeDedicatedSpare(int arrayId, int diskId)
{
    const Pin pin(*this);
    const int index = FindArrayIndex(arrayId);
    const KV_DiskRec *disk = findDisk(diskId);
    if (index < 0 || !disk || disk->globalSpare)
        return false;
    const KV_ArrayConfig &config = view_->tables.arrays[index].config[0];
    int spares = 0;
    for (int l = 0; l < std::clamp(config.linkCount, 0, KV_SnapshotMaxReferences); ++l)
        spares += config.links[l].kind == KV_ReferenceSpare ? 1 : 0;
    const quint64 capacityMB = disk->capacity * 512 / 1000000;
    return spares < MaxDedicatedSpares && config.secondCount >= 2 &&
           capacityMB >= SmallestMemberSizeMB(index);
}

// --- Array commands ------------------------------------------------------

bool KV_RaidApi::DeleteArray(int arrayId)
{
    lastCoreStatus_ = KV_STS_UNKNOWN;
    if (!ProcessIsElevated() || Refresh() != 1)
        return false;
    const Pin pin(*this);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    const KV_CoreId *target = core();
    if (!config || !target || ArrayCarriesSystem(arrayId) || config->referenceCount != 0)
        return false;
    bool initialized = false;
    if ((KV_FieldIs(config->type, "LEGACY") || KV_FieldIs(config->type, "RAIDABLE")) &&
        KV_MemberCount(*config) > 0) {
        // The disk goes back to plain use first; the delete that follows
        // may then find the array already gone.
        if (const char *route = FindDiskRouteByUid(config->members[0].id)) {
            const PathEntry disk(route);
            initialized =
                KV_ApiInitializePhysicalDevice(target, 1, &disk.text, 0, 0, 0) == KV_STS_SUCCESS;
        }
    }
    const PathEntry array(config->path);
    lastCoreStatus_ = KV_ApiDeleteLogicalDevice(target, 1, &array.text, 0, 0, 0);
    return lastCoreStatus_ == KV_STS_SUCCESS || initialized;
}

int KV_RaidApi::SecureEraseArray(int arrayId)
{
    if (!ProcessIsElevated() || Refresh() != 1)
        return -1;
    std::string path;
    {
        const Pin pin(*this);
        const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
        if (!config || ArrayCarriesSystem(arrayId) || config->referenceCount != 0)
            return -1;
        path = config->path;
    }
    // The array is hidden from the operating system while it is erased. An
    // erase the driver did not take must leave the array as it was found, so
    // the hide made here is undone unless the erase runs after all (its
    // answer may have been lost on the way back).
    const bool hiddenHere = HideArray(arrayId, false) == 1;
    if (KV_ApiSecureEraseLogicalDevice(path.c_str(), 0, 0) == KV_STS_SUCCESS)
        return 1;
    if (Refresh() != 1)
        return -1; // what the driver holds is unknown: leave the array hidden
    {
        const Pin pin(*this);
        if (ArrayTaskIs(arrayId, "SECURE_ERASE"))
            return 1;
    }
    if (hiddenHere)
        KV_ApiSetLogicalDeviceFlags(path.c_str(), ShowFlags, 0);
    return -1;
}

int KV_RaidApi::HideArray(int arrayId, bool extended)
{
    if (!ProcessIsElevated() || Refresh() != 1)
        return -1;
    const Pin pin(*this);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    if (!config || ArrayCarriesSystem(arrayId) || config->referenceCount != 0 ||
        (config->attributes & AttributeHidden) || ArrayTaskActive(arrayId))
        return -1;
    return KV_ApiSetLogicalDeviceFlags(config->path, extended ? HideExtendedFlags : HideFlags, 0) ==
                   KV_STS_SUCCESS
               ? 1
               : -1;
}

int KV_RaidApi::UnhideArray(int arrayId)
{
    if (Refresh() != 1)
        return -1;
    const Pin pin(*this);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    if (!config || config->referenceCount != 0 || !(config->attributes & AttributeHidden) ||
        ArrayTaskActive(arrayId))
        return -1;
    if (KV_ApiSetLogicalDeviceFlags(config->path, ShowFlags, 0) != KV_STS_SUCCESS)
        return -1;
    Rescan();
    return 1;
}

bool KV_RaidApi::RenameArray(int arrayId, const QString &name)
{
    const Pin pin(*this);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    if (!config || ArrayTaskActive(arrayId) || KV_NameHasControlCharacters(name))
        return false;
    const QByteArray text = name.toLocal8Bit();
    return KV_ApiManageDevicePrivateLogicalDevice(config->path, text.constData(),
                                                  uint32_t(text.size())) == KV_STS_SUCCESS;
}

bool KV_RaidApi::SetArrayCache(int arrayId, const QString &mode)
{
    const Pin pin(*this);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    if (!config || ArrayTaskActive(arrayId))
        return false;
    return KV_ApiSetLogicalDeviceCache(config->path, CacheModeFromText(mode), 0) == KV_STS_SUCCESS;
}

bool KV_RaidApi::SetBackgroundScan(int arrayId, bool on)
{
    const Pin pin(*this);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    if (!config)
        return false;
    const uint32_t flags = (uint32_t(on) + 0x10000) * 1024; // 0x4000400 on, 0x4000000 off
    return KV_ApiSetLogicalDeviceFlags(config->path, flags, 0) == KV_STS_SUCCESS;
}

bool KV_RaidApi::SetConsistencyCheck(int arrayId, bool start)
{
    const Pin pin(*this);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    // The core's flag asks for a start; stopping sends the other sub-operation.
    return config && KV_ApiCheckLogicalDevice(config->path, start ? 1 : 0, 0, 0) == KV_STS_SUCCESS;
}

bool KV_RaidApi::ControlTask(int arrayId, const QString &action)
{
    const Pin pin(*this);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    const KV_CoreId *target = core();
    if (!config || !target || !ArrayTaskActive(arrayId))
        return false;
    const bool paused = KV_FieldIs(config->transformState, "PAUSED");
    uint32_t code = 0;
    if (action == QLatin1String("pause") && !paused)
        code = TaskPause;
    else if (action == QLatin1String("resume") && paused)
        code = TaskResume;
    else if (action == QLatin1String("remove") && !KV_FieldIs(config->transformType, "TRANSFORM"))
        code = TaskRemove;
    else
        return false;
    const PathEntry array(config->path);
    return KV_ApiTaskControlLogicalDevice(target, code, 1, &array.text, 0, 0) == KV_STS_SUCCESS;
}

bool KV_RaidApi::SetTaskPriority(int arrayId, int level)
{
    const Pin pin(*this);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    if (!config || !ArrayTaskActive(arrayId))
        return false;
    int value = 110 - 10 * level;
    if (value < 9 || value == 10)
        value = 1;
    else if (value == 100)
        value = 99;
    return KV_ApiSetLogicalDeviceTaskPriority(config->path, uint32_t(value), 0) == KV_STS_SUCCESS;
}

int KV_RaidApi::TaskPriorityLevel(int arrayId)
{
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    return config ? TaskPriorityLevelOf(config->taskPriority) : 0;
}

int KV_RaidApi::TaskPriorityLevelOf(int rawPriority)
{
    if (rawPriority <= 9)
        return 10;
    const int counted = rawPriority > 90 ? 100 : rawPriority;
    return 11 - counted / 10;
}

bool KV_RaidApi::IdentifyArray(int arrayId, bool on, int pattern)
{
    const Pin pin(*this);
    // While an array has two configurations, the first is the one it is
    // becoming: its disks are the ones to light.
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    const KV_CoreId *target = core();
    if (!config || !target)
        return false;
    std::vector<PathEntry> disks;
    for (int m = 0; m < KV_MemberCount(*config); ++m)
        if (const char *route = FindDiskRouteByUid(config->members[m].id))
            disks.emplace_back(route);
    if (disks.empty())
        return false;
    const uint32_t code = !on           ? DiskIdentifyOff
                          : pattern > 0 ? DiskIdentifyPattern + uint32_t(pattern)
                                        : DiskIdentifyOn;
    return KV_ApiManagePhysicalDevice(target, uint32_t(disks.size()), &disks.front().text, 0, code,
                                      0) == KV_STS_SUCCESS;
}

bool KV_RaidApi::RemoveAllSpares(int arrayId)
{
    const Pin pin(*this);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    if (!config)
        return false;
    const bool taskActive = ArrayTaskActive(arrayId);
    const bool removed = KV_ApiRemoveLogicalDeviceSpares(config->path, 0, 0) == KV_STS_SUCCESS;
    return removed && !taskActive;
}

// --- Disk commands -------------------------------------------------------

bool KV_RaidApi::AssignGlobalSpare(int diskId)
{
    const Pin pin(*this);
    const int index = FindUsableDiskIndex(diskId);
    const KV_CoreId *target = core();
    if (index < 0 || !target || DiskIsGlobalSpare(diskId) || CountArraysOfDisk(diskId) > 0 ||
        DiskIsDedicatedSpare(diskId))
        return false;
    const PathEntry disk(view_->tables.disks[index].path);
    return KV_ApiManageSpare(target, nullptr, 1, &disk.text, 1, KV_GlobalSpare, 0) ==
           KV_STS_SUCCESS;
}

bool KV_RaidApi::RemoveGlobalSpare(int diskId)
{
    const Pin pin(*this);
    const int index = FindUsableDiskIndex(diskId);
    const KV_CoreId *target = core();
    if (index < 0 || !target || !DiskIsGlobalSpare(diskId))
        return false;
    const PathEntry disk(view_->tables.disks[index].path);
    return KV_ApiManageSpare(target, nullptr, 1, &disk.text, 0, KV_GlobalSpare, 0) ==
           KV_STS_SUCCESS;
}

bool KV_RaidApi::AssignDedicatedSpare(int arrayId, int diskId)
{
    const Pin pin(*this);
    const int index = FindUsableDiskIndex(diskId);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    const KV_CoreId *target = core();
    if (index < 0 || !config || !target || !CanBeDedicatedSpare(arrayId, diskId) ||
        CountArraysOfDisk(diskId) > 0 || DiskIsDedicatedSpare(diskId))
        return false;
    static const char *const redundant[] = {"RAID1", "RAID1N", "RAID10", "RAID10N",
                                            "RAID5", "RAID50", "RAID6",  "RAID60"};
    if (std::none_of(std::begin(redundant), std::end(redundant),
                     [&](const char *type) { return KV_FieldIs(config->type, type); }))
        return false;
    const PathEntry disk(view_->tables.disks[index].path);
    return KV_ApiManageSpare(target, config->path, 1, &disk.text, 1, KV_DedicatedSpare, 0) ==
           KV_STS_SUCCESS;
}

bool KV_RaidApi::RemoveDedicatedSpare(int arrayId, int diskId)
{
    const Pin pin(*this);
    const int index = FindUsableDiskIndex(diskId);
    const KV_ArrayConfig *config = FindArrayConfig(arrayId, true);
    const KV_CoreId *target = core();
    if (index < 0 || !config || !target || ArrayTaskActive(arrayId) ||
        !DiskIsDedicatedSpareOf(arrayId, diskId))
        return false;
    const PathEntry disk(view_->tables.disks[index].path);
    return KV_ApiManageSpare(target, config->path, 1, &disk.text, 0, KV_DedicatedSpare, 0) ==
           KV_STS_SUCCESS;
}

bool KV_RaidApi::IdentifyDisk(int diskId, bool on)
{
    const Pin pin(*this);
    const KV_DiskRec *disk = findDisk(diskId); // never a "Core" record
    return disk && diskRequest(disk->path, on ? DiskIdentifyOn : DiskIdentifyOff);
}

bool KV_RaidApi::PrepareDiskRemoval(int diskId)
{
    const Pin pin(*this);
    const KV_DiskRec *disk = findDisk(diskId);
    return disk && DiskHasInformedHotSwap(diskId) && diskRequest(disk->path, DiskPrepareRemoval);
}

int KV_RaidApi::InitializeDisks(const KV_InitDisks &disks)
{
    lastCoreStatus_ = KV_STS_UNKNOWN;
    if (!ProcessIsElevated())
        return 0;
    const Pin pin(*this);
    const KV_CoreId *target = core();
    if (!target)
        return 0;
    // Initializing (mode 0) takes any eligible disk, a new "Unknown" one
    // included; clearing metadata only disks of kind "Disk".
    const bool disksOnly = disks.mode != 0;
    bool any = false;
    for (int i = 0; i < std::clamp(disks.count, 0, KV_MaxCommandDisks); ++i) {
        const int index = FindDiskIndex(disks.diskIds[i]);
        if (index < 0 || !DiskEligibleForInit(index, disksOnly))
            continue;
        const PathEntry disk(view_->tables.disks[index].path);
        lastCoreStatus_ = KV_ApiInitializePhysicalDevice(target, 1, &disk.text, 0, 0, disks.mode);
        any = lastCoreStatus_ == KV_STS_SUCCESS || any;
    }
    if (any && disks.mode != 0)
        Rescan();
    return any ? 1 : 0;
}

bool KV_RaidApi::SetDiskCacheOptions(const KV_DiskOptions &options)
{
    const Pin pin(*this);
    bool last = false;
    for (int i = 0; i < std::clamp(options.count, 0, KV_MaxCommandDisks); ++i) {
        const KV_DiskRec *disk = findDisk(options.diskIds[i]);
        if (!disk || driveKind(*disk) == DriveKind::Nvme)
            continue;
        if (options.readAheadOn)
            last = diskRequest(disk->path, DiskReadAheadOn);
        else if (options.readAheadOff)
            last = diskRequest(disk->path, DiskReadAheadOff);
        if (options.writeCacheOn)
            last = diskRequest(disk->path, DiskWriteCacheOn);
        else if (options.writeCacheOff)
            last = diskRequest(disk->path, DiskWriteCacheOff);
    }
    return last;
}

bool KV_RaidApi::SetDiskSmartPolling(const KV_DiskOptions &options)
{
    const Pin pin(*this);
    const int count = std::clamp(options.count, 0, KV_MaxCommandDisks);
    for (int i = 0; i < count; ++i)
        if (!findDisk(options.diskIds[i]))
            return false;
    // The rescan runs whatever the disks answered; a disk the driver no
    // longer knows (pulled since the snapshot) makes the command fail.
    bool allSwitched = true;
    for (int i = 0; i < count; ++i)
        allSwitched &=
            diskRequest(findDisk(options.diskIds[i])->path,
                        options.smartPollingOn ? DiskSmartPollingOn : DiskSmartPollingOff);
    return Rescan() && allSwitched;
}

bool KV_RaidApi::Rescan()
{
    return KV_ApiRescan(nullptr, 1, 0) == KV_STS_SUCCESS;
}
