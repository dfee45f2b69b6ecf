#include "raid_commands.h"

#include "byte_order.h"
#include "kv_status.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <set>

namespace kvemu::raid {

using bytes::put;

uint64_t RequestReader::read(size_t offset, size_t width)
{
    if (offset > length_ || width > length_ - offset) {
        overrun_ = true;
        return 0;
    }
    uint64_t value = 0;
    for (size_t i = 0; i < width; ++i)
        value |= uint64_t(block_[offset + i]) << (8 * i);
    return value;
}

std::vector<RequestReader::Entry> RequestReader::entries(size_t offset, uint32_t count)
{
    std::vector<Entry> list;
    for (uint32_t i = 0; i < count && !overrun_; ++i)
        list.push_back(entry(offset + 16 * size_t(i)));
    return list;
}

std::string RequestReader::text(size_t offset, size_t width)
{
    if (offset > length_ || width > length_ - offset) {
        overrun_ = true;
        return {};
    }
    const char *begin = reinterpret_cast<const char *>(block_ + offset);
    return std::string(begin, strnlen(begin, width));
}

namespace {

constexpr uint64_t SectorsPerMiB = 2048;
constexpr uint32_t MaxMembers = 64;
constexpr uint32_t ElementFailed =
    rec::ElementFail | rec::ElementOffline | rec::ElementFailNotPresent;

// The RAID level a type word and its counts describe.
enum class Level { Volume, Raidable, Raid0, Raid1, Raid1N, Raid10, Raid5, Raid6, Tier, Other };

Level levelOf(uint32_t typeCode, uint32_t f, uint32_t s)
{
    switch (typeCode) {
    case rec::TypeVolume:
        return s == 1 && f >= 1 ? Level::Volume : Level::Other;
    case rec::TypeRaidable:
        return f == 1 && s == 1 ? Level::Raidable : Level::Other;
    case rec::TypeMirrorStripe:
        if (f == 1 && s == 2)
            return Level::Raid1;
        if (f == 1 && s > 2)
            return Level::Raid1N;
        if (f > 1 && s == 1)
            return Level::Raid0;
        if (f > 1 && s == 2)
            return Level::Raid10;
        return Level::Other;
    case rec::TypeParity:
        return f == 1 && s >= 3 ? Level::Raid5 : Level::Other;
    case rec::TypeRaid6:
        return f == 1 && s >= 4 ? Level::Raid6 : Level::Other;
    case rec::TypeRaidTier:
        return f * s == 2 ? Level::Tier : Level::Other;
    default:
        return Level::Other;
    }
}

bool redundant(Level level)
{
    return level == Level::Raid1 || level == Level::Raid1N || level == Level::Raid10 ||
           level == Level::Raid5 || level == Level::Raid6;
}

// The most members a level takes.
uint32_t memberLimit(Level level)
{
    switch (level) {
    case Level::Raidable:
        return 1;
    case Level::Raid6:
        return 16;
    case Level::Tier:
        return 2;
    default:
        return 8;
    }
}

// Member extents that carry data (the rest hold copies or parity).
uint64_t dataMembers(Level level, uint32_t f, uint32_t s)
{
    switch (level) {
    case Level::Raid0:
    case Level::Raid10:
        return f;
    case Level::Raid5:
        return s - 1;
    case Level::Raid6:
        return s - 2;
    default:
        return 1;
    }
}

LogicalDevice *arrayByEntry(Model &m, const RequestReader::Entry &e)
{
    LogicalDevice *a = m.findArray(e.id);
    return a != nullptr && a->deviceRoute == e.deviceRoute ? a : nullptr;
}

PhysicalDisk *diskByEntry(Model &m, const RequestReader::Entry &e)
{
    PhysicalDisk *d = m.findDisk(e.id);
    return d != nullptr && d->deviceRoute == e.deviceRoute && d->coreRoute() == e.coreRoute
               ? d
               : nullptr;
}

bool diskInArray(const LogicalDevice &a, uint64_t diskId)
{
    for (const auto *list : {&a.elements, &a.sourceElements})
        for (const Element &e : *list)
            if (e.diskId == diskId)
                return true;
    return false;
}

bool diskInAnyArray(const Model &m, uint64_t diskId)
{
    for (const LogicalDevice &a : m.arrays)
        if (a.typeCode != rec::TypeRaidTier && diskInArray(a, diskId))
            return true;
    return false;
}

bool isDedicatedSpare(const Model &m, uint64_t diskId)
{
    for (const LogicalDevice &a : m.arrays)
        if (std::find(a.spares.begin(), a.spares.end(), diskId) != a.spares.end())
            return true;
    return false;
}

// Why a disk cannot take a new role (member or spare); 1 when it can. A
// disk may hold extents of several arrays, as long as it has the space.
uint32_t diskUsable(const Model &m, const PhysicalDisk &d)
{
    if (d.type == rec::DiskTypeUnknown)
        return KV_STS_DEVICE_NOT_INITIALIZE;
    if (d.type != rec::DiskTypeDisk)
        return KV_STS_DEVICE_RESERVED;
    if (d.state == rec::DiskSmartError)
        return KV_STS_DEVICE_SMART_ERROR;
    if (d.state == rec::DiskLocked)
        return KV_STS_DEVICE_IS_BUSY;
    if (d.state != rec::DiskOnline || d.preparedForRemoval)
        return KV_STS_DEVICE_OFFLINE;
    if (d.globalSpare || isDedicatedSpare(m, d.id))
        return KV_STS_DEVICE_RESERVED;
    return KV_STS_SUCCESS;
}

uint64_t largestGap(const Model &m, const PhysicalDisk &d, uint64_t *start = nullptr)
{
    uint64_t best = 0;
    for (const auto &[gapStart, length] : m.freeExtents(d))
        if (length > best) {
            best = length;
            if (start != nullptr)
                *start = gapStart;
        }
    return best;
}

// Free sectors directly after an extent [start, start + size) on a disk.
uint64_t gapAfter(const Model &m, const PhysicalDisk &d, uint64_t end)
{
    for (const auto &[gapStart, length] : m.freeExtents(d))
        if (gapStart == end)
            return length;
    return 0;
}

// The members of a create or transform, checked.
struct Members {
    std::vector<PhysicalDisk *> disks;
    std::vector<LogicalDevice *> arrays; // a tier's members
};

uint32_t resolveMembers(Model &m, const std::vector<RequestReader::Entry> &entries, bool tier,
                        Members &out)
{
    std::set<uint64_t> seen;
    for (const RequestReader::Entry &e : entries) {
        if (!seen.insert(e.id).second)
            return KV_STS_DUPLICATE_DEVICES;
        if (tier) {
            LogicalDevice *a = arrayByEntry(m, e);
            if (a == nullptr)
                return KV_STS_LOGICAL_DEVICE_NOT_FOUND;
            if (a->typeCode == rec::TypeRaidTier || a->typeCode == rec::TypeLegacy)
                return KVTL_STS_INVALID_PARAMETER;
            if (!a->parents.empty())
                return KV_STS_DEVICE_RESERVED;
            if (a->state != rec::ArrayNormal && a->state != rec::ArrayCritical)
                return KV_STS_DEVICE_OFFLINE;
            out.arrays.push_back(a);
            continue;
        }
        PhysicalDisk *d = diskByEntry(m, e);
        if (d == nullptr)
            return KV_STS_PHYSICAL_DEVICE_NOT_FOUND;
        if (const uint32_t status = diskUsable(m, *d); status != KV_STS_SUCCESS)
            return status;
        out.disks.push_back(d);
    }
    return KV_STS_SUCCESS;
}

// Sectors each member can give: its largest free extent, or for a member
// of `current` its extent and the free space right after it.
uint64_t available(const Model &m, const PhysicalDisk &d, const LogicalDevice *current)
{
    if (current != nullptr)
        for (const Element &e : current->elements)
            if (e.diskId == d.id)
                return e.size + gapAfter(m, d, e.start + e.size);
    return largestGap(m, d);
}

// The largest capacity in MiB of `level` over the members.
uint64_t maxCapacityMiB(const Model &m, Level level, uint32_t f, uint32_t s, const Members &members,
                        const LogicalDevice *current)
{
    if (level == Level::Tier) {
        uint64_t sum = 0;
        for (const LogicalDevice *a : members.arrays)
            sum += a->capacity / SectorsPerMiB;
        return sum;
    }
    if (members.disks.empty())
        return 0;
    uint64_t smallest = UINT64_MAX, sum = 0;
    for (const PhysicalDisk *d : members.disks) {
        const uint64_t mib = available(m, *d, current) / SectorsPerMiB;
        smallest = std::min(smallest, mib);
        sum += mib;
    }
    if (level == Level::Volume)
        return sum;
    return smallest * dataMembers(level, f, s);
}

// The create and transform information reads carry their type code at 80
// (the read code takes its usual place at 32). Without one there are only
// the counts, and the answer is the largest size that every level with
// these counts reaches, so a create of that size always succeeds.
constexpr size_t InfoTypeOffset = 80;

uint64_t maxForCounts(const Model &m, uint32_t f, uint32_t s, const Members &members,
                      const LogicalDevice *current)
{
    if (f == 1 && s == 1)
        return maxCapacityMiB(m, Level::Raidable, f, s, members, current);
    if (s == 1)
        return std::min(maxCapacityMiB(m, Level::Raid0, f, s, members, current),
                        maxCapacityMiB(m, Level::Volume, f, s, members, current));
    if (f == 1)
        return maxCapacityMiB(m, Level::Raid1N, f, s, members, current);
    return maxCapacityMiB(m, Level::Raid10, f, s, members, current);
}

uint32_t cacheTagSize(uint32_t code)
{
    switch (code) {
    case 1:
        return 64;
    case 2:
        return 128;
    case 3:
        return 256;
    default:
        return 0;
    }
}

uint16_t freeArrayRoute(const Model &m)
{
    for (uint16_t route = 1;; ++route) {
        bool taken = false;
        for (const LogicalDevice &a : m.arrays)
            taken |= a.deviceRoute == route;
        if (!taken)
            return route;
    }
}

bool idTaken(const Model &m, uint64_t id)
{
    if (id == m.core.id || m.findArray(id) != nullptr || m.findDisk(id) != nullptr)
        return true;
    for (const Controller &c : m.controllers)
        if (c.id == id)
            return true;
    for (const Enclosure &e : m.enclosures)
        if (e.id == id)
            return true;
    for (const PhysicalDisk &d : m.pulled)
        if (d.id == id)
            return true;
    return false;
}

// Lays out `sectorsPerMember` on each member disk. Members of `current`
// keep their start and grow into the space after their extent.
std::vector<Element> allocate(const Model &m, const Members &members, uint64_t sectorsPerMember,
                              const LogicalDevice *current)
{
    std::vector<Element> elements;
    for (const PhysicalDisk *d : members.disks) {
        Element e;
        e.diskId = d->id;
        bool placed = false;
        if (current != nullptr)
            for (const Element &old : current->elements)
                if (old.diskId == d->id) {
                    e.start = old.start;
                    placed = true;
                }
        if (!placed)
            largestGap(m, *d, &e.start);
        e.size = e.dataSize = sectorsPerMember;
        elements.push_back(e);
    }
    return elements;
}

// A concatenation takes what it needs from each member in turn; every
// member gives at least 1 MiB.
std::optional<std::vector<Element>> allocateVolume(const Model &m, const Members &members,
                                                   uint64_t sectors, const LogicalDevice *current)
{
    const uint64_t count = members.disks.size();
    if (sectors < count * SectorsPerMiB)
        return std::nullopt;
    std::vector<Element> elements = allocate(m, members, 0, current);
    uint64_t remaining = sectors;
    for (size_t i = 0; i < elements.size(); ++i) {
        const uint64_t reserve = (count - i - 1) * SectorsPerMiB;
        const uint64_t own =
            available(m, *members.disks[i], current) / SectorsPerMiB * SectorsPerMiB;
        const uint64_t take = std::min(own, remaining - reserve);
        if (take < SectorsPerMiB)
            return std::nullopt;
        elements[i].size = elements[i].dataSize = take;
        remaining -= take;
    }
    if (remaining != 0)
        return std::nullopt;
    return elements;
}

// Checks the cache, option and spare fields shared by create and its
// information read. Spare entries start at 124 and the members at 188, so
// no more than four spares fit before the member list.
uint32_t checkCreateFields(Level level, uint32_t spareCount, uint32_t tagCode, uint32_t cache,
                           uint32_t options)
{
    constexpr uint32_t knownOptions =
        OptionBackgroundScan | OptionSkipInitialize | OptionInfoOnly | OptionLeaveData | OptionZero;
    if (cacheTagSize(tagCode) == 0 || (cache & ~(rec::CacheRead | rec::CacheWrite)) != 0 ||
        (options & ~knownOptions) != 0)
        return KVTL_STS_INVALID_PARAMETER;
    if ((options & OptionZero) && (options & (OptionSkipInitialize | OptionLeaveData)))
        return KVTL_STS_INVALID_PARAMETER;
    if ((options & OptionSkipInitialize) && !redundant(level))
        return KVTL_STS_INVALID_PARAMETER;
    if (spareCount > MaxDedicatedSpares || (spareCount > 0 && !redundant(level)))
        return KVTL_STS_INVALID_PARAMETER;
    return KV_STS_SUCCESS;
}

struct CreateRequest {
    Level level = Level::Other;
    uint32_t typeCode = 0, count = 0, f = 0, s = 0;
    Members members;
    std::vector<PhysicalDisk *> spares;
};

// Decodes and checks the members of a create block (shared with the
// information read, which has lost the type code).
uint32_t decodeCreate(Model &m, RequestReader &r, bool infoOnly, CreateRequest &c)
{
    c.typeCode = r.u32(32);
    c.count = r.u32(36);
    const uint32_t spareCount = r.u32(40);
    c.f = r.u32(72);
    c.s = r.u32(76);
    if (c.f == 0 || c.s == 0 || uint64_t(c.f) * c.s != c.count || c.count > MaxMembers)
        return KVTL_STS_INVALID_PARAMETER;
    if (infoOnly) {
        // Any level these counts allow; the largest member limit applies.
        c.level = c.f == 1 && c.s == 1 ? Level::Raidable : c.s == 1 ? Level::Raid0 : Level::Raid1N;
        c.typeCode = 0;
    } else {
        c.level = levelOf(c.typeCode, c.f, c.s);
        if (c.level == Level::Other) {
            const bool known = c.typeCode == rec::TypeParity || c.typeCode == rec::TypeRaid6 ||
                               c.typeCode == rec::TypeMirrorStripe;
            return known && c.count >= 4 ? KV_STS_UNSUPPORT_FEATURE_SET
                                         : KVTL_STS_INVALID_PARAMETER;
        }
        if (c.count > memberLimit(c.level) || (c.level == Level::Raid1N && c.count < 3) ||
            (c.level == Level::Raid10 && c.count < 4))
            return KVTL_STS_INVALID_PARAMETER;
    }
    if (const uint32_t status =
            checkCreateFields(infoOnly ? Level::Raid1 : c.level, spareCount, r.u32(44), r.u32(48),
                              r.u32(52) & ~(infoOnly ? OptionSkipInitialize : 0u));
        status != KV_STS_SUCCESS)
        return status;
    const auto memberEntries = r.entries(188, c.count);
    const auto spareEntries = r.entries(124, spareCount);
    if (r.overrun())
        return KV_STS_INVALID_BUFFER;
    if (const uint32_t status = resolveMembers(m, memberEntries, c.level == Level::Tier, c.members);
        status != KV_STS_SUCCESS)
        return status;
    for (const RequestReader::Entry &e : spareEntries) {
        PhysicalDisk *d = diskByEntry(m, e);
        if (d == nullptr)
            return KV_STS_PHYSICAL_DEVICE_NOT_FOUND;
        if (const uint32_t status = diskUsable(m, *d); status != KV_STS_SUCCESS)
            return status;
        if (std::find(c.members.disks.begin(), c.members.disks.end(), d) != c.members.disks.end() ||
            std::find(c.spares.begin(), c.spares.end(), d) != c.spares.end())
            return KV_STS_DUPLICATE_DEVICES;
        c.spares.push_back(d);
    }
    return KV_STS_SUCCESS;
}

void clearTask(LogicalDevice &a)
{
    a.transformType = rec::TaskNone;
    a.transformState = 0;
    a.transformProgress = 0;
}

void startTask(LogicalDevice &a, uint32_t task)
{
    a.transformType = task;
    a.transformState = rec::TaskStarted;
    a.transformProgress = 0;
}

// Drops the old layout of a transform or rebuild that cannot go on.
void abandonToSource(LogicalDevice &a)
{
    if (a.hasSource()) {
        a.typeCode = a.sourceTypeCode;
        a.firstCount = a.sourceFirstCount;
        a.secondCount = a.sourceSecondCount;
        a.capacity = a.sourceCapacity;
        a.elements = a.sourceElements;
    }
    a.sourceTypeCode = a.sourceFirstCount = a.sourceSecondCount = 0;
    a.sourceCapacity = 0;
    a.sourceElements.clear();
    clearTask(a);
}

void dropSource(LogicalDevice &a)
{
    a.sourceTypeCode = a.sourceFirstCount = a.sourceSecondCount = 0;
    a.sourceCapacity = 0;
    a.sourceElements.clear();
}

// Removes an array, its volumes, and the tier links that name it.
void removeArray(Model &m, uint64_t id)
{
    const LogicalDevice *gone = m.findArray(id);
    if (gone != nullptr && gone->typeCode == rec::TypeRaidTier)
        for (const Element &e : gone->elements)
            if (LogicalDevice *member = m.findArray(e.diskId)) {
                std::erase(member->parents, id);
                member->attributes &= uint16_t(~rec::AttrNoOsDisk);
            }
    std::erase_if(m.arrays, [id](const LogicalDevice &a) { return a.id == id; });
    std::erase_if(m.host.volumes,
                  [id](const Volume &v) { return v.kind == Volume::OnArray && v.arrayId == id; });
}

void setState(const Model &m, LogicalDevice &a)
{
    if (a.state != rec::ArrayLocked)
        a.state = healthOf(m, a);
}

} // namespace

uint32_t healthOf(const Model &m, const LogicalDevice &a)
{
    if (a.typeCode == rec::TypeRaidTier) {
        uint32_t worst = rec::ArrayNormal;
        for (const Element &e : a.elements)
            if (const LogicalDevice *member = m.findArray(e.diskId))
                worst = std::max(worst, member->state == rec::ArrayOffline    ? rec::ArrayOffline
                                        : member->state == rec::ArrayCritical ? rec::ArrayCritical
                                                                              : rec::ArrayNormal);
        return worst;
    }
    // A rebuild's new member holds no data yet: the old layout tells.
    const bool rebuilding = a.transformType == rec::TaskRestore && a.hasSource();
    const std::vector<Element> &elements = rebuilding ? a.sourceElements : a.elements;
    const uint32_t f = rebuilding ? a.sourceFirstCount : a.firstCount;
    const uint32_t s = rebuilding ? a.sourceSecondCount : a.secondCount;
    const Level level = levelOf(rebuilding ? a.sourceTypeCode : a.typeCode, f, s);
    uint32_t failed = 0;
    bool setLost = false;
    for (uint32_t row = 0; row < f; ++row) {
        uint32_t failedInRow = 0;
        for (uint32_t col = 0; col < s; ++col) {
            const size_t i = size_t(row) * s + col;
            if (i < elements.size() && (elements[i].errorFlags & ElementFailed) != 0)
                ++failedInRow;
        }
        failed += failedInRow;
        setLost |= failedInRow == s;
    }
    if (failed == 0)
        return rec::ArrayNormal;
    switch (level) {
    case Level::Raid1:
    case Level::Raid1N:
    case Level::Raid10:
        return setLost ? rec::ArrayOffline : rec::ArrayCritical;
    case Level::Raid5:
        return failed >= 2 ? rec::ArrayOffline : rec::ArrayCritical;
    case Level::Raid6:
        return failed >= 3 ? rec::ArrayOffline : rec::ArrayCritical;
    default:
        return rec::ArrayOffline;
    }
}

uint32_t create(Model &m, RequestReader &r)
{
    CreateRequest c;
    if (const uint32_t status = decodeCreate(m, r, false, c); status != KV_STS_SUCCESS)
        return status;
    const uint32_t options = r.u32(52);
    const uint64_t capacityMiB = r.u64(56);
    uint64_t id = r.u64(64);
    const std::string name = r.text(92, 32);
    if (capacityMiB == 0)
        return KVTL_STS_INVALID_PARAMETER;
    if (m.arrays.size() >= MaxArrays)
        return KV_STS_NO_RESOURCE_AVAILABLE;
    if (id == 0) {
        id = 0x4B56A00000000001;
        while (idTaken(m, id))
            ++id;
    } else if (idTaken(m, id)) {
        return KV_STS_DUPLICATE_DEVICES;
    }
    if (capacityMiB > maxCapacityMiB(m, c.level, c.f, c.s, c.members, nullptr))
        return KV_STS_NO_SPACE_AVAILABLE;

    LogicalDevice a;
    a.id = id;
    a.deviceRoute = freeArrayRoute(m);
    a.typeCode = c.typeCode;
    a.firstCount = c.f;
    a.secondCount = c.s;
    a.capacity = capacityMiB * SectorsPerMiB;
    a.generation = uint32_t(m.generation + 1);
    a.cacheTagSize = cacheTagSize(r.u32(44));
    a.cacheAttribute = r.u32(48);
    a.attributes = (options & OptionBackgroundScan) ? rec::AttrBackgroundScan : 0;
    a.taskPriority = 50;
    a.name = name;
    if (c.level == Level::Tier) {
        for (LogicalDevice *member : c.members.arrays) {
            a.elements.push_back({member->id, 0, 0, member->capacity, 0, member->capacity, 0});
            member->parents.push_back(id);
            member->attributes |= rec::AttrNoOsDisk; // the tier is the operating system's disk
        }
    } else if (c.level == Level::Volume) {
        auto elements = allocateVolume(m, c.members, a.capacity, nullptr);
        if (!elements)
            return KV_STS_ARRAY_TOO_SMALL;
        a.elements = std::move(*elements);
    } else {
        const uint64_t data = dataMembers(c.level, c.f, c.s);
        const uint64_t perMember = (a.capacity + data - 1) / data;
        a.elements = allocate(m, c.members, perMember, nullptr);
    }
    for (const PhysicalDisk *spare : c.spares)
        a.spares.push_back(spare->id);
    if (options & OptionZero)
        startTask(a, rec::TaskZero);
    else if (redundant(c.level) && !(options & (OptionSkipInitialize | OptionLeaveData)))
        startTask(a, rec::TaskCreate);
    m.arrays.push_back(std::move(a));
    return KV_STS_SUCCESS;
}

uint32_t createInfo(const Model &model, RequestReader &r, std::vector<uint8_t> &answer)
{
    Model m = model; // members are looked up mutably; nothing is kept
    CreateRequest c;
    if (const uint32_t status = decodeCreate(m, r, true, c); status != KV_STS_SUCCESS)
        return status;
    const Level named = levelOf(r.u32(InfoTypeOffset), c.f, c.s);
    answer.assign(8192, 0);
    put<uint64_t>(answer.data(), 0,
                  named != Level::Other ? maxCapacityMiB(m, named, c.f, c.s, c.members, nullptr)
                                        : maxForCounts(m, c.f, c.s, c.members, nullptr));
    put<uint64_t>(answer.data(), 8, 0);
    return KV_STS_SUCCESS;
}

uint32_t deleteArrays(Model &m, RequestReader &r)
{
    const bool all = r.u32(32) != 0;
    const uint32_t count = r.u32(36);
    std::vector<uint64_t> ids;
    if (all) {
        for (const LogicalDevice &a : m.arrays)
            ids.push_back(a.id);
    } else {
        const auto entries = r.entries(40, count);
        if (r.overrun())
            return KV_STS_INVALID_BUFFER;
        for (const RequestReader::Entry &e : entries) {
            const LogicalDevice *a = arrayByEntry(m, e);
            if (a == nullptr)
                return KV_STS_LOGICAL_DEVICE_NOT_FOUND;
            ids.push_back(a->id);
        }
    }
    if (ids.empty())
        return KVTL_STS_INVALID_PARAMETER;
    std::set<uint64_t> going(ids.begin(), ids.end());
    for (uint64_t id : ids) {
        const LogicalDevice &a = *m.findArray(id);
        if (a.referenceCount != 0)
            return KV_STS_LOGICAL_DEVICE_IN_USE;
        for (uint64_t parent : a.parents)
            if (going.count(parent) == 0)
                return KV_STS_LOGICAL_DEVICE_IN_USE; // a tier is built on it
        if (a.state == rec::ArrayLocked)
            return KV_STS_DEVICE_IS_BUSY;
        if (a.transformType == rec::TaskTransform || a.transformType == rec::TaskRestore)
            return KV_STS_DEVICE_IS_BUSY;
    }
    // Tiers first, so their members are free when their turn comes.
    for (uint64_t id : ids)
        if (m.findArray(id)->typeCode == rec::TypeRaidTier)
            removeArray(m, id);
    for (uint64_t id : ids)
        if (m.findArray(id) != nullptr)
            removeArray(m, id);
    return KV_STS_SUCCESS;
}

uint32_t initializeDisks(Model &m, RequestReader &r)
{
    // Mode 0 writes the driver's metadata; mode 1 clears it.
    const bool all = r.u32(32) != 0;
    const uint32_t count = r.u32(36);
    const uint32_t mode = r.u32(40);
    if (mode > 1)
        return KVTL_STS_INVALID_PARAMETER;
    std::vector<PhysicalDisk *> disks;
    if (all) {
        for (PhysicalDisk &d : m.disks)
            disks.push_back(&d);
    } else {
        const auto entries = r.entries(44, count);
        if (r.overrun())
            return KV_STS_INVALID_BUFFER;
        for (const RequestReader::Entry &e : entries) {
            PhysicalDisk *d = diskByEntry(m, e);
            if (d == nullptr)
                return KV_STS_PHYSICAL_DEVICE_NOT_FOUND;
            disks.push_back(d);
        }
    }
    if (disks.empty())
        return KVTL_STS_INVALID_PARAMETER;
    std::vector<uint64_t> dissolve; // pass-through arrays that give their disk back
    for (const PhysicalDisk *d : disks) {
        if (d->state == rec::DiskLocked)
            return KV_STS_DEVICE_IS_BUSY;
        for (const LogicalDevice &a : m.arrays) {
            if (a.typeCode == rec::TypeRaidTier || !diskInArray(a, d->id))
                continue;
            const bool passThrough =
                (a.typeCode == rec::TypeLegacy || a.typeCode == rec::TypeRaidable) &&
                a.elements.size() == 1;
            // Writing fresh metadata over a pass-through disk ends the array.
            if (mode != 0 || !passThrough || a.referenceCount != 0 || !a.parents.empty() ||
                a.taskActive())
                return KV_STS_LOGICAL_DEVICE_IN_USE;
            dissolve.push_back(a.id);
        }
    }
    for (uint64_t id : dissolve)
        removeArray(m, id);
    for (PhysicalDisk *d : disks) {
        d->type = mode == 0 ? rec::DiskTypeDisk : rec::DiskTypeUnknown;
        d->globalSpare = false;
        for (LogicalDevice &a : m.arrays)
            std::erase(a.spares, d->id);
    }
    return KV_STS_SUCCESS;
}

uint32_t offline(Model &m, RequestReader &r)
{
    const uint32_t count = r.u32(32);
    const auto entries = r.entries(36, count);
    if (r.overrun())
        return KV_STS_INVALID_BUFFER;
    if (entries.empty())
        return KVTL_STS_INVALID_PARAMETER;
    std::vector<LogicalDevice *> arrays;
    for (const RequestReader::Entry &e : entries) {
        LogicalDevice *a = arrayByEntry(m, e);
        if (a == nullptr)
            return KV_STS_LOGICAL_DEVICE_NOT_FOUND;
        if (a->referenceCount != 0 || !a->parents.empty())
            return KV_STS_LOGICAL_DEVICE_IN_USE;
        if (a->taskActive() || a->state == rec::ArrayLocked)
            return KV_STS_DEVICE_IS_BUSY;
        arrays.push_back(a);
    }
    for (LogicalDevice *a : arrays)
        a->state = rec::ArrayOffline;
    return KV_STS_SUCCESS;
}

uint32_t manageArray(Model &m, RequestReader &r)
{
    constexpr uint32_t CheckOther = 0x7CA0, AssignDedicated = 0x7CA2, RemoveDedicated = 0x7CA3,
                       AssignGlobal = 0x7CA4, RemoveGlobal = 0x7CA5, CheckStart = 0x7CA7,
                       SetCache = 0x7CA8, SetPriority = 0x7CAA, SetAttributes = 0x7CAB,
                       Rename = 0x7CAC, RemoveAllSpares = 0x7CAD, SecureErase = 0x7CAE;
    const uint32_t sub = r.u32(32);
    const uint32_t parameter = r.u32(56);
    if (r.overrun())
        return KV_STS_INVALID_BUFFER;

    if (sub == AssignGlobal || sub == RemoveGlobal) {
        const auto entries = r.entries(92, r.u32(52));
        if (r.overrun())
            return KV_STS_INVALID_BUFFER;
        if (entries.empty())
            return KVTL_STS_INVALID_PARAMETER;
        std::vector<PhysicalDisk *> disks;
        for (const RequestReader::Entry &e : entries) {
            PhysicalDisk *d = diskByEntry(m, e);
            if (d == nullptr)
                return KV_STS_PHYSICAL_DEVICE_NOT_FOUND;
            if (sub == RemoveGlobal && !d->globalSpare)
                return KV_STS_NO_SPARE_AVAILABLE;
            if (sub == AssignGlobal) {
                if (const uint32_t status = diskUsable(m, *d); status != KV_STS_SUCCESS)
                    return status;
                if (diskInAnyArray(m, d->id))
                    return KV_STS_DEVICE_RESERVED;
            }
            disks.push_back(d);
        }
        for (PhysicalDisk *d : disks)
            d->globalSpare = sub == AssignGlobal;
        if (sub == AssignGlobal)
            startRebuilds(m);
        return KV_STS_SUCCESS;
    }

    LogicalDevice *a = arrayByEntry(m, {r.u64(36), r.u16(44), r.u16(46)});
    if (a == nullptr)
        return KV_STS_LOGICAL_DEVICE_NOT_FOUND;
    if (a->state == rec::ArrayLocked)
        return KV_STS_DEVICE_IS_BUSY;
    const Level level = levelOf(a->typeCode, a->firstCount, a->secondCount);

    switch (sub) {
    case AssignDedicated:
    case RemoveDedicated: {
        const auto entries = r.entries(92, r.u32(52));
        if (r.overrun())
            return KV_STS_INVALID_BUFFER;
        if (entries.empty())
            return KVTL_STS_INVALID_PARAMETER;
        if (sub == AssignDedicated && !redundant(level))
            return KV_STS_NOT_SUPPORT;
        uint64_t largestMember = 0;
        for (const Element &e : a->elements)
            largestMember = std::max(largestMember, e.size);
        std::vector<uint64_t> spares = a->spares;
        for (const RequestReader::Entry &e : entries) {
            PhysicalDisk *d = diskByEntry(m, e);
            if (d == nullptr)
                return KV_STS_PHYSICAL_DEVICE_NOT_FOUND;
            if (sub == RemoveDedicated) {
                if (std::erase(spares, d->id) == 0)
                    return KV_STS_NO_SPARE_AVAILABLE;
                continue;
            }
            if (const uint32_t status = diskUsable(m, *d); status != KV_STS_SUCCESS)
                return status;
            if (diskInAnyArray(m, d->id) ||
                std::find(spares.begin(), spares.end(), d->id) != spares.end())
                return KV_STS_DEVICE_RESERVED;
            if (largestGap(m, *d) < largestMember)
                return KV_STS_ARRAY_TOO_SMALL;
            spares.push_back(d->id);
        }
        if (spares.size() > MaxDedicatedSpares)
            return KV_STS_NO_RESOURCE_AVAILABLE;
        a->spares = std::move(spares);
        if (sub == AssignDedicated)
            startRebuilds(m);
        return KV_STS_SUCCESS;
    }
    case CheckStart:
    case SecureErase:
        if (a->taskActive())
            return KV_STS_DEVICE_IS_BUSY;
        if (a->state == rec::ArrayOffline)
            return KV_STS_DEVICE_OFFLINE;
        if (sub == CheckStart) {
            if (!redundant(level))
                return KV_STS_NOT_SUPPORT;
            if (a->state != rec::ArrayNormal)
                return KV_STS_DEVICE_OFFLINE;
            startTask(*a, rec::TaskCheck);
        } else {
            if (a->referenceCount != 0 || !a->parents.empty())
                return KV_STS_LOGICAL_DEVICE_IN_USE;
            startTask(*a, rec::TaskSecureErase);
        }
        return KV_STS_SUCCESS;
    case CheckOther:
        // Stops a running check.
        if (a->transformType != rec::TaskCheck)
            return KVTL_STS_INVALID_PARAMETER;
        clearTask(*a);
        return KV_STS_SUCCESS;
    case SetCache:
        if ((parameter & ~(rec::CacheRead | rec::CacheWrite)) != 0)
            return KVTL_STS_INVALID_PARAMETER;
        if (a->state == rec::ArrayOffline)
            return KV_STS_DEVICE_OFFLINE;
        a->cacheAttribute = parameter;
        return KV_STS_SUCCESS;
    case SetPriority:
        if (parameter < 1 || parameter > 99)
            return KVTL_STS_INVALID_PARAMETER;
        a->taskPriority = parameter;
        return KV_STS_SUCCESS;
    case SetAttributes: {
        // The high half names the attribute bits to change, the low half
        // their new values: 0x2000200 hides, 0x2000000 shows, 0x4000400
        // switches the background scan on.
        const uint32_t mask = parameter >> 16, value = parameter & 0xFFFF;
        constexpr uint32_t changeable =
            rec::AttrNoOsDisk | rec::AttrBackgroundScan | rec::AttrPreparedForRemoval;
        if (mask == 0 || (mask & ~changeable) != 0 || (value & ~mask) != 0)
            return KVTL_STS_INVALID_PARAMETER;
        if ((mask & rec::AttrNoOsDisk) && (a->referenceCount != 0 || !a->parents.empty()))
            return KV_STS_LOGICAL_DEVICE_IN_USE;
        a->attributes = uint16_t((a->attributes & ~mask) | value);
        return KV_STS_SUCCESS;
    }
    case Rename: {
        const uint32_t length = r.u32(60);
        if (length == 0 || length > 32)
            return KVTL_STS_INVALID_PARAMETER;
        const std::string name = r.text(64, length);
        if (r.overrun())
            return KV_STS_INVALID_BUFFER;
        if (name.empty())
            return KVTL_STS_INVALID_PARAMETER;
        a->name = name;
        return KV_STS_SUCCESS;
    }
    case RemoveAllSpares:
        if (a->spares.empty())
            return KV_STS_NO_SPARE_AVAILABLE;
        a->spares.clear();
        return KV_STS_SUCCESS;
    case 0x7CA6:
    case 0x7CA9:
        return KV_STS_NOT_IMPLEMENTED;
    default:
        return KVTL_STS_INVALID_PARAMETER;
    }
}

namespace {

struct TransformRequest {
    LogicalDevice *array = nullptr;
    Level level = Level::Other;
    uint32_t typeCode = 0, f = 0, s = 0;
    Members members;
    std::vector<PhysicalDisk *> spares;
};

uint32_t decodeTransform(Model &m, RequestReader &r, bool infoOnly, TransformRequest &t)
{
    t.typeCode = r.u32(32);
    t.array = arrayByEntry(m, {r.u64(36), r.u16(44), r.u16(46)});
    const uint32_t count = r.u32(52);
    const uint32_t spareCount = r.u32(56);
    t.f = r.u32(72);
    t.s = r.u32(76);
    if (r.overrun())
        return KV_STS_INVALID_BUFFER;
    if (t.array == nullptr)
        return KV_STS_LOGICAL_DEVICE_NOT_FOUND;
    if (t.f == 0 || t.s == 0 || uint64_t(t.f) * t.s != count || count > MaxMembers ||
        spareCount > MaxDedicatedSpares)
        return KVTL_STS_INVALID_PARAMETER;
    const LogicalDevice &a = *t.array;
    if (a.typeCode == rec::TypeLegacy || a.typeCode == rec::TypeRaidTier)
        return KV_STS_NOT_SUPPORT;
    if (a.taskActive() || a.state == rec::ArrayLocked)
        return KV_STS_DEVICE_IS_BUSY;
    if (a.state != rec::ArrayNormal)
        return KV_STS_DEVICE_OFFLINE;
    if (!a.parents.empty())
        return KV_STS_LOGICAL_DEVICE_IN_USE;
    if (infoOnly) {
        t.level = Level::Other;
    } else {
        t.level = levelOf(t.typeCode, t.f, t.s);
        if (t.level == Level::Other || t.level == Level::Tier || count > memberLimit(t.level))
            return KVTL_STS_INVALID_PARAMETER;
        if (spareCount > 0 && !redundant(t.level))
            return KVTL_STS_INVALID_PARAMETER;
    }
    const auto memberEntries = r.entries(156, count);
    const auto spareEntries = r.entries(92, spareCount);
    if (r.overrun())
        return KV_STS_INVALID_BUFFER;
    if (const uint32_t status = resolveMembers(m, memberEntries, false, t.members);
        status != KV_STS_SUCCESS)
        return status;
    for (const RequestReader::Entry &e : spareEntries) {
        PhysicalDisk *d = diskByEntry(m, e);
        if (d == nullptr)
            return KV_STS_PHYSICAL_DEVICE_NOT_FOUND;
        if (const uint32_t status = diskUsable(m, *d); status != KV_STS_SUCCESS)
            return status;
        if (diskInAnyArray(m, d->id))
            return KV_STS_DEVICE_RESERVED;
        t.spares.push_back(d);
    }
    return KV_STS_SUCCESS;
}

} // namespace

uint32_t transform(Model &m, RequestReader &r)
{
    TransformRequest t;
    if (const uint32_t status = decodeTransform(m, r, false, t); status != KV_STS_SUCCESS)
        return status;
    LogicalDevice &a = *t.array;
    const uint64_t capacity = r.u64(64) * SectorsPerMiB;
    bool sameMembers = t.members.disks.size() == a.elements.size();
    for (size_t i = 0; sameMembers && i < a.elements.size(); ++i)
        sameMembers = t.members.disks[i]->id == a.elements[i].diskId;
    if (sameMembers && t.typeCode == a.typeCode && t.f == a.firstCount && t.s == a.secondCount &&
        capacity == a.capacity)
        return KV_STS_ARRAY_IDENTICAL;
    if (capacity < a.capacity)
        return KV_STS_ARRAY_TOO_SMALL; // arrays grow, they never shrink
    if (r.u64(64) > maxCapacityMiB(m, t.level, t.f, t.s, t.members, &a))
        return KV_STS_NO_SPACE_AVAILABLE;

    std::vector<Element> elements;
    if (t.level == Level::Volume) {
        auto volume = allocateVolume(m, t.members, capacity, &a);
        if (!volume)
            return KV_STS_ARRAY_TOO_SMALL;
        elements = std::move(*volume);
    } else {
        const uint64_t data = dataMembers(t.level, t.f, t.s);
        elements = allocate(m, t.members, (capacity + data - 1) / data, &a);
    }
    a.sourceTypeCode = a.typeCode;
    a.sourceFirstCount = a.firstCount;
    a.sourceSecondCount = a.secondCount;
    a.sourceCapacity = a.capacity;
    a.sourceElements = a.elements;
    a.typeCode = t.typeCode;
    a.firstCount = t.f;
    a.secondCount = t.s;
    a.capacity = capacity;
    a.elements = std::move(elements);
    if (!redundant(t.level))
        a.spares.clear();
    for (const PhysicalDisk *spare : t.spares)
        if (std::find(a.spares.begin(), a.spares.end(), spare->id) == a.spares.end())
            a.spares.push_back(spare->id);
    if (a.spares.size() > MaxDedicatedSpares)
        return KV_STS_NO_RESOURCE_AVAILABLE;
    startTask(a, rec::TaskTransform);
    return KV_STS_SUCCESS;
}

uint32_t transformInfo(const Model &model, RequestReader &r, std::vector<uint8_t> &answer)
{
    Model m = model;
    TransformRequest t;
    if (const uint32_t status = decodeTransform(m, r, true, t); status != KV_STS_SUCCESS)
        return status;
    const uint64_t present = t.array->capacity / SectorsPerMiB;
    const Level named = levelOf(r.u32(InfoTypeOffset), t.f, t.s);
    answer.assign(8192, 0);
    put<uint64_t>(answer.data(), 0,
                  named != Level::Other && named != Level::Tier
                      ? maxCapacityMiB(m, named, t.f, t.s, t.members, t.array)
                      : maxForCounts(m, t.f, t.s, t.members, t.array));
    put<uint64_t>(answer.data(), 8, present);
    return KV_STS_SUCCESS;
}

uint32_t taskControl(Model &m, RequestReader &r)
{
    constexpr uint32_t Pause = 0x6000, Resume = 0x6001, Remove = 0x6002;
    const uint32_t action = r.u32(32);
    const bool all = r.u32(36) != 0;
    const uint32_t count = r.u32(40);
    if (action != Pause && action != Resume && action != Remove)
        return KVTL_STS_INVALID_PARAMETER;
    auto eligible = [action](const LogicalDevice &a) -> uint32_t {
        if (!a.taskActive())
            return KVTL_STS_INVALID_PARAMETER;
        if (action == Pause && a.transformState == rec::TaskPaused)
            return KVTL_STS_INVALID_PARAMETER;
        if (action == Resume && a.transformState != rec::TaskPaused)
            return KVTL_STS_INVALID_PARAMETER;
        // A transform or a rebuild stopped halfway would leave the array
        // between two layouts.
        if (action == Remove &&
            (a.transformType == rec::TaskTransform || a.transformType == rec::TaskRestore))
            return KV_STS_DEVICE_IS_BUSY;
        return KV_STS_SUCCESS;
    };
    std::vector<LogicalDevice *> arrays;
    if (all) {
        for (LogicalDevice &a : m.arrays)
            if (eligible(a) == KV_STS_SUCCESS)
                arrays.push_back(&a);
        if (arrays.empty())
            return KVTL_STS_INVALID_PARAMETER;
    } else {
        const auto entries = r.entries(44, count);
        if (r.overrun())
            return KV_STS_INVALID_BUFFER;
        if (entries.empty())
            return KVTL_STS_INVALID_PARAMETER;
        for (const RequestReader::Entry &e : entries) {
            LogicalDevice *a = arrayByEntry(m, e);
            if (a == nullptr)
                return KV_STS_LOGICAL_DEVICE_NOT_FOUND;
            if (const uint32_t status = eligible(*a); status != KV_STS_SUCCESS)
                return status;
            arrays.push_back(a);
        }
    }
    for (LogicalDevice *a : arrays) {
        if (action == Pause)
            a->transformState = rec::TaskPaused;
        else if (action == Resume)
            a->transformState = rec::TaskStarted;
        else
            clearTask(*a);
    }
    return KV_STS_SUCCESS;
}

uint32_t manageDisk(Model &m, RequestReader &r, std::chrono::milliseconds now,
                    std::vector<uint8_t> &data)
{
    const uint32_t sub = r.u32(32);
    PhysicalDisk *d = diskByEntry(m, r.entry(40));
    if (r.overrun())
        return KV_STS_INVALID_BUFFER;
    if (d == nullptr)
        return KV_STS_PHYSICAL_DEVICE_NOT_FOUND;
    const bool nvme = (d->portType & rec::PortNvme) != 0;
    const bool identify = sub == 0x4005 || sub == 0x402C || (sub > 0x4022 && sub < 0x402C);
    if (d->state == rec::DiskLocked && !identify)
        return KV_STS_DEVICE_IS_BUSY;
    auto setFeature = [d](uint32_t bit, bool on) {
        d->features = on ? d->features | bit : d->features & ~bit;
    };
    switch (sub) {
    case 0x4000:
    case 0x4001:
    case 0x4002:
    case 0x4003:
        if (nvme)
            return KV_STS_NOT_SUPPORT; // NVMe devices keep their own cache settings
        setFeature(sub <= 0x4001 ? rec::FeatureWriteCache : rec::FeatureReadAhead,
                   sub == 0x4000 || sub == 0x4002);
        return KV_STS_SUCCESS;
    case 0x401B:
    case 0x401C:
        setFeature(rec::FeatureSmartPolling, sub == 0x401B);
        return KV_STS_SUCCESS;
    case 0x4005:
        d->identify = 1;
        return KV_STS_SUCCESS;
    case 0x402C:
        d->identify = 0;
        return KV_STS_SUCCESS;
    case 0x4021:
        if ((d->portType & rec::PortInformedHotSwap) == 0)
            return KV_STS_NOT_SUPPORT;
        d->preparedForRemoval = true;
        return KV_STS_SUCCESS;
    case 0x4014:
        if (nvme)
            return KV_STS_NOT_SUPPORT;
        data = ataSmartTable(*d, now);
        return KV_STS_SUCCESS;
    case 0x4010:
        if (!nvme)
            return KV_STS_NOT_SUPPORT;
        data = nvmeHealthPage(*d, now);
        return KV_STS_SUCCESS;
    default:
        if (sub > 0x4022 && sub < 0x402C) {
            d->identify = 1 + (sub - 0x4022); // blinking in pattern sub - 0x4022
            return KV_STS_SUCCESS;
        }
        if (sub >= 0x400E && sub <= 0x4013)
            return KV_STS_NOT_IMPLEMENTED; // other data pages are not modelled
        return KVTL_STS_INVALID_PARAMETER;
    }
}

// --- Tasks and failures ----------------------------------------------------

bool advanceTasks(Model &m, uint32_t units)
{
    bool finished = false;
    for (LogicalDevice &a : m.arrays) {
        if (!a.taskActive() || a.transformState != rec::TaskStarted)
            continue;
        a.transformProgress =
            std::min<uint64_t>(rec::ProgressComplete, uint64_t(a.transformProgress) + units);
        if (a.transformProgress < rec::ProgressComplete)
            continue;
        finished = true;
        if (a.transformType == rec::TaskRestore)
            for (Element &e : a.elements)
                e.errorFlags = 0; // the new member now holds its data
        dropSource(a);
        clearTask(a);
        setState(m, a);
    }
    if (finished)
        startRebuilds(m); // a second failed member may wait for its turn
    return finished;
}

void startRebuilds(Model &m)
{
    for (LogicalDevice &a : m.arrays) {
        const Level level = levelOf(a.typeCode, a.firstCount, a.secondCount);
        if (!redundant(level) || a.taskActive() || a.state != rec::ArrayCritical)
            continue;
        std::vector<Element> target = a.elements;
        bool replaced = false;
        for (Element &e : target) {
            if ((e.errorFlags & ElementFailed) == 0)
                continue;
            // A dedicated spare first, then a global one, large enough.
            PhysicalDisk *spare = nullptr;
            for (uint64_t id : a.spares)
                if (PhysicalDisk *d = m.findDisk(id);
                    !spare && d && d->state == rec::DiskOnline && largestGap(m, *d) >= e.size)
                    spare = d;
            for (PhysicalDisk &d : m.disks)
                if (!spare && d.globalSpare && d.state == rec::DiskOnline &&
                    largestGap(m, d) >= e.size)
                    spare = &d;
            if (spare == nullptr)
                continue;
            uint64_t start = 0;
            largestGap(m, *spare, &start);
            e.diskId = spare->id;
            e.start = start;
            e.errorFlags = 0;
            spare->globalSpare = false;
            std::erase(a.spares, spare->id);
            replaced = true;
            break; // one member at a time, so each spare sees the space left
        }
        if (!replaced)
            continue;
        a.sourceTypeCode = a.typeCode;
        a.sourceFirstCount = a.firstCount;
        a.sourceSecondCount = a.secondCount;
        a.sourceCapacity = a.capacity;
        a.sourceElements = a.elements;
        a.elements = std::move(target);
        startTask(a, rec::TaskRestore);
    }
}

void failDisk(Model &m, uint64_t diskId, bool pulled)
{
    const uint32_t flag = pulled ? rec::ElementFailNotPresent : rec::ElementFail;
    for (LogicalDevice &a : m.arrays) {
        if (a.typeCode == rec::TypeRaidTier || !diskInArray(a, diskId))
            continue;
        // A rebuild onto the failing disk is abandoned.
        bool target = false;
        for (const Element &e : a.elements)
            target |= e.diskId == diskId;
        bool source = false;
        for (const Element &e : a.sourceElements)
            source |= e.diskId == diskId;
        if (a.transformType == rec::TaskRestore && target && !source)
            abandonToSource(a);
        for (auto *list : {&a.elements, &a.sourceElements})
            for (Element &e : *list)
                if (e.diskId == diskId)
                    e.errorFlags |= flag;
        setState(m, a);
        if (a.state == rec::ArrayOffline && a.taskActive())
            abandonToSource(a);
    }
    for (LogicalDevice &a : m.arrays)
        std::erase(a.spares, diskId);
    if (PhysicalDisk *d = m.findDisk(diskId)) {
        d->globalSpare = false;
        if (pulled) {
            PhysicalDisk gone = *d;
            gone.identify = 0;
            std::erase_if(m.disks, [diskId](const PhysicalDisk &x) { return x.id == diskId; });
            m.pulled.push_back(std::move(gone));
        } else {
            d->state = rec::DiskOffline;
        }
    }
    for (LogicalDevice &a : m.arrays)
        if (a.typeCode == rec::TypeRaidTier)
            setState(m, a);
    startRebuilds(m);
}

namespace {

uint16_t freeDiskRoute(const Model &m, uint16_t wanted)
{
    auto taken = [&m](uint16_t route) {
        for (const PhysicalDisk &d : m.disks)
            if (d.deviceRoute == route)
                return true;
        return false;
    };
    if (wanted != 0 && wanted < FirstEnclosureRoute && !taken(wanted))
        return wanted;
    for (uint16_t route = 1; route < FirstEnclosureRoute; ++route)
        if (!taken(route))
            return route;
    return 0;
}

bool portTaken(const Model &m, uint32_t controller, uint32_t channel)
{
    for (const PhysicalDisk &d : m.disks)
        if (d.controller == controller && d.channel == channel)
            return true;
    return false;
}

} // namespace

bool insertPulled(Model &m, const std::string &serial)
{
    auto it = std::find_if(m.pulled.begin(), m.pulled.end(),
                           [&serial](const PhysicalDisk &d) { return d.serial == serial; });
    if (it == m.pulled.end() || portTaken(m, it->controller, it->channel))
        return false;
    PhysicalDisk d = *it;
    d.deviceRoute = freeDiskRoute(m, d.deviceRoute);
    if (d.deviceRoute == 0)
        return false;
    d.preparedForRemoval = false;
    if (d.state == rec::DiskOffline)
        d.state = rec::DiskOnline;
    m.pulled.erase(it);
    m.disks.push_back(d);
    // Arrays that still name the disk take it back: an array that lost only
    // this disk is whole again; a critical one resynchronises it.
    for (LogicalDevice &a : m.arrays) {
        bool named = false;
        for (const Element &e : a.elements)
            named |= e.diskId == d.id && (e.errorFlags & rec::ElementFailNotPresent);
        if (!named)
            continue;
        const Level level = levelOf(a.typeCode, a.firstCount, a.secondCount);
        if (a.state == rec::ArrayOffline || !redundant(level) || a.taskActive()) {
            for (auto *list : {&a.elements, &a.sourceElements})
                for (Element &e : *list)
                    if (e.diskId == d.id)
                        e.errorFlags = 0;
            setState(m, a);
            continue;
        }
        a.sourceTypeCode = a.typeCode;
        a.sourceFirstCount = a.firstCount;
        a.sourceSecondCount = a.secondCount;
        a.sourceCapacity = a.capacity;
        a.sourceElements = a.elements;
        for (Element &e : a.elements)
            if (e.diskId == d.id)
                e.errorFlags = 0;
        startTask(a, rec::TaskRestore);
    }
    for (LogicalDevice &a : m.arrays)
        if (a.typeCode == rec::TypeRaidTier)
            setState(m, a);
    return true;
}

uint16_t insertNew(Model &m, uint32_t controller, uint32_t channel, uint64_t sectors, bool nvme)
{
    bool controllerKnown = false;
    for (const Controller &c : m.controllers)
        controllerKnown |= c.number == controller && channel < c.ports;
    if (!controllerKnown || channel > 9 || portTaken(m, controller, channel))
        return 0;
    PhysicalDisk d;
    d.deviceRoute = freeDiskRoute(m, 0);
    if (d.deviceRoute == 0)
        return 0;
    d.id = 0x5000C50000000001ull + (uint64_t(controller) << 16) + (uint64_t(channel) << 8);
    while (idTaken(m, d.id))
        d.id += 0x1000000;
    d.controller = controller;
    d.channel = channel;
    d.capacity = sectors;
    d.type = rec::DiskTypeUnknown;
    d.portType = rec::PortBehindRaidController |
                 (nvme ? rec::PortNvme | rec::PortPcie | rec::PortSolidState : rec::PortSata);
    d.features = rec::FeatureSmartPolling;
    d.vendor = "OXV";
    d.model = nvme ? "OXV NVMe Test Disk" : "OXV SATA Test Disk";
    d.serial = "OXV" + std::to_string(controller) + std::to_string(channel) +
               std::to_string(d.deviceRoute);
    d.firmware = "1.0";
    m.disks.push_back(d);
    return d.deviceRoute;
}

// --- S.M.A.R.T. ---------------------------------------------------------------

uint32_t temperatureCelsius(const PhysicalDisk &d, std::chrono::milliseconds now)
{
    // A slow triangle between 32 and 42 degrees, ten minutes a period.
    const uint64_t second = uint64_t(now.count() / 1000 + d.deviceRoute * 37) % 600;
    const uint32_t base = 32 + uint32_t(second < 300 ? second : 600 - second) / 30;
    return d.smartFailing ? base + 30 : base;
}

uint64_t powerOnHours(const PhysicalDisk &d, std::chrono::milliseconds now)
{
    // One hour a minute of the clock, so a watcher sees the count move.
    return d.powerOnHours + uint64_t(now.count()) / 60000;
}

std::vector<uint8_t> ataSmartTable(const PhysicalDisk &d, std::chrono::milliseconds now)
{
    std::vector<uint8_t> page(512, 0);
    put<uint16_t>(page.data(), 0, 0x0010); // attribute table version
    struct Attribute {
        uint8_t id;
        uint16_t flags;
        uint8_t current, worst;
        uint64_t raw;
        uint8_t threshold;
    };
    const uint32_t celsius = temperatureCelsius(d, now);
    const uint64_t hours = powerOnHours(d, now);
    const uint64_t cycles = 20 + d.powerOnHours / 97;
    // Raw temperature: current, lifetime minimum and maximum (bytes 0, 2, 3).
    const uint64_t temperatureRaw =
        uint64_t(celsius) | (uint64_t(20) << 16) | (uint64_t(std::max(celsius, 45u)) << 24);
    // Spin-up time in milliseconds, with its average in raw bytes 2 and 3;
    // a solid-state disk does not spin.
    const bool spins = (d.portType & rec::PortSolidState) == 0;
    const uint64_t spinUp = spins ? 6125 | uint64_t(6088) << 16 : 0;
    // Airflow temperature counts down from 100 and fails below 45.
    const uint8_t airflow = uint8_t(100 - std::min(celsius, 100u));
    const Attribute attributes[] = {
        {1, 0x000F, 100, 100, 0, 6},
        {3, 0x0003, uint8_t(spins ? 92 : 100), uint8_t(spins ? 91 : 100), spinUp, 0},
        {5, 0x0033, uint8_t(d.smartFailing ? 5 : 100), uint8_t(d.smartFailing ? 5 : 100),
         d.smartFailing ? 1880u : 0u, 10},
        {9, 0x0032, 96, 96, hours, 0},
        {12, 0x0032, 100, 100, cycles, 20},
        {190, 0x0022, airflow, uint8_t(100 - std::min(std::max(celsius, 45u), 100u)),
         temperatureRaw, 45},
        {194, 0x0022, uint8_t(celsius), uint8_t(std::max(celsius, 45u)), temperatureRaw, 60},
        {197, 0x0012, 100, 100, d.smartFailing ? 96u : 0u, 0},
        {199, 0x003E, 200, 200, 0, 0},
    };
    size_t at = 2;
    for (const Attribute &a : attributes) {
        page[at] = a.id;
        put<uint16_t>(page.data(), at + 1, a.flags);
        page[at + 3] = a.current;
        page[at + 4] = a.worst;
        for (size_t i = 0; i < 6; ++i)
            page[at + 5 + i] = uint8_t(a.raw >> (8 * i));
        page[at + 11] = a.threshold;
        at += 12;
    }
    return page;
}

std::vector<uint8_t> nvmeHealthPage(const PhysicalDisk &d, std::chrono::milliseconds now)
{
    std::vector<uint8_t> page(512, 0);
    const uint64_t seconds = uint64_t(now.count()) / 1000;
    page[0] = d.smartFailing ? 0x01 : 0x00; // available spare below its threshold
    put<uint16_t>(page.data(), 1, uint16_t(temperatureCelsius(d, now) + 273));
    page[3] = d.smartFailing ? 5 : 100; // available spare, percent
    page[4] = 10;                       // its threshold
    page[5] = uint8_t(d.smartFailing ? 97 : 3);
    put<uint64_t>(page.data(), 32, 41234567 + seconds * 40); // data units read
    put<uint64_t>(page.data(), 48, 30123456 + seconds * 20); // data units written
    put<uint64_t>(page.data(), 64, 912345678 + seconds * 600);
    put<uint64_t>(page.data(), 80, 612345678 + seconds * 300);
    put<uint64_t>(page.data(), 96, 1520 + seconds / 60);       // controller busy minutes
    put<uint64_t>(page.data(), 112, 20 + d.powerOnHours / 97); // power cycles
    put<uint64_t>(page.data(), 128, powerOnHours(d, now));
    put<uint64_t>(page.data(), 144, 7);
    put<uint64_t>(page.data(), 160, d.smartFailing ? 12 : 0); // media errors
    put<uint64_t>(page.data(), 176, d.smartFailing ? 31 : 2);
    return page;
}

} // namespace kvemu::raid
