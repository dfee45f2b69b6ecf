#include "model.h"

#include <algorithm>
#include <set>
#include <utility>

namespace kvemu {

const PhysicalDisk *Model::findDisk(uint64_t id) const
{
    for (const PhysicalDisk &disk : disks)
        if (id != 0 && disk.id == id)
            return &disk;
    return nullptr;
}

const LogicalDevice *Model::findArray(uint64_t id) const
{
    for (const LogicalDevice &array : arrays)
        if (id != 0 && array.id == id)
            return &array;
    return nullptr;
}

PhysicalDisk *Model::findDisk(uint64_t id)
{
    return const_cast<PhysicalDisk *>(std::as_const(*this).findDisk(id));
}

LogicalDevice *Model::findArray(uint64_t id)
{
    return const_cast<LogicalDevice *>(std::as_const(*this).findArray(id));
}

namespace {
// Extents [start, end) that the arrays hold on one disk; an array's old and
// new layout may overlap each other while a transform runs.
std::vector<std::pair<uint64_t, uint64_t>> extentsOn(const Model &m, uint64_t diskId)
{
    std::vector<std::pair<uint64_t, uint64_t>> used;
    for (const LogicalDevice &array : m.arrays) {
        std::vector<std::pair<uint64_t, uint64_t>> own;
        for (const auto *list : {&array.elements, &array.sourceElements})
            for (const Element &element : *list)
                if (element.diskId == diskId && element.size > 0)
                    own.emplace_back(element.start, element.start + element.size);
        std::sort(own.begin(), own.end());
        // Within one array the two layouts share space: merge what overlaps.
        std::vector<std::pair<uint64_t, uint64_t>> merged;
        for (const auto &extent : own) {
            if (!merged.empty() && extent.first < merged.back().second)
                merged.back().second = std::max(merged.back().second, extent.second);
            else
                merged.push_back(extent);
        }
        used.insert(used.end(), merged.begin(), merged.end());
    }
    std::sort(used.begin(), used.end());
    return used;
}
} // namespace

std::vector<std::pair<uint64_t, uint64_t>> Model::freeExtents(const PhysicalDisk &disk) const
{
    std::vector<std::pair<uint64_t, uint64_t>> gaps;
    if (disk.type != rec::DiskTypeDisk || disk.capacity <= MetadataSectors)
        return gaps;
    const uint64_t usable = disk.capacity - MetadataSectors;
    uint64_t cursor = 0;
    auto gap = [&](uint64_t end) {
        if (end > cursor)
            gaps.emplace_back(cursor, end - cursor);
    };
    for (const auto &[start, end] : extentsOn(*this, disk.id)) {
        gap(std::min(start, usable));
        cursor = std::max(cursor, std::min(end, usable));
    }
    gap(usable);
    return gaps;
}

FreeSpace Model::freeSpace(const PhysicalDisk &disk) const
{
    FreeSpace free;
    for (const auto &[start, length] : freeExtents(disk)) {
        free.total += length;
        free.largest = std::max(free.largest, length);
    }
    return free;
}

std::vector<Model::OsDisk> Model::osDisks() const
{
    std::vector<OsDisk> result;
    std::set<uint32_t> taken;
    for (const HostDevice &device : host.devices)
        if (device.kind == HostDevice::Disk) {
            result.push_back({device.driveNumber, nullptr, &device});
            taken.insert(device.driveNumber);
        }
    std::vector<const LogicalDevice *> visible;
    for (const LogicalDevice &array : arrays)
        if ((array.attributes & rec::AttrNoOsDisk) == 0)
            visible.push_back(&array);
    std::sort(visible.begin(), visible.end(), [](const LogicalDevice *a, const LogicalDevice *b) {
        return a->deviceRoute < b->deviceRoute;
    });
    uint32_t next = 0;
    for (const LogicalDevice *array : visible) {
        while (taken.count(next) != 0)
            ++next;
        result.push_back({next, array, nullptr});
        taken.insert(next);
    }
    std::sort(result.begin(), result.end(),
              [](const OsDisk &a, const OsDisk &b) { return a.driveNumber < b.driveNumber; });
    return result;
}

std::optional<Model::OsDisk> Model::osDisk(uint32_t driveNumber) const
{
    for (const OsDisk &disk : osDisks())
        if (disk.driveNumber == driveNumber)
            return disk;
    return std::nullopt;
}

std::string Model::validate() const
{
    std::set<uint64_t> ids;
    auto uniqueId = [&](uint64_t id, const char *what) -> std::string {
        if (id == 0)
            return std::string(what) + " without an identifier";
        if (!ids.insert(id).second)
            return std::string("duplicate identifier in ") + what;
        return {};
    };
    std::set<uint32_t> controllerNumbers;
    for (const Controller &c : controllers) {
        if (auto problem = uniqueId(c.id, "controller"); !problem.empty())
            return problem;
        if (!controllerNumbers.insert(c.number).second)
            return "duplicate controller number " + std::to_string(c.number);
    }
    std::set<uint16_t> diskRoutes;
    for (const PhysicalDisk &d : disks) {
        if (auto problem = uniqueId(d.id, "disk"); !problem.empty())
            return problem;
        if (d.deviceRoute == 0 || d.deviceRoute >= FirstEnclosureRoute ||
            !diskRoutes.insert(d.deviceRoute).second)
            return "disk route " + std::to_string(d.deviceRoute) + " is 0, too large or taken";
        if (controllerNumbers.count(d.controller) == 0 || d.channel > 9)
            return "disk " + d.serial + " sits on no controller port";
    }
    for (const PhysicalDisk &d : pulled)
        if (auto problem = uniqueId(d.id, "pulled disk"); !problem.empty())
            return problem;
    std::set<uint16_t> arrayRoutes;
    for (const LogicalDevice &a : arrays) {
        if (auto problem = uniqueId(a.id, "array"); !problem.empty())
            return problem;
        if (a.deviceRoute == 0 || !arrayRoutes.insert(a.deviceRoute).second)
            return "array number " + std::to_string(a.deviceRoute) + " is 0 or taken";
        if (uint64_t(a.firstCount) * a.secondCount != a.elements.size())
            return "array " + a.name + " has counts that do not match its elements";
        if (a.hasSource() &&
            uint64_t(a.sourceFirstCount) * a.sourceSecondCount != a.sourceElements.size())
            return "array " + a.name + " has an old layout that does not match its counts";
        for (const auto *list : {&a.elements, &a.sourceElements})
            for (const Element &e : *list) {
                if (a.typeCode == rec::TypeRaidTier) {
                    // A tier's members are arrays.
                    if (findArray(e.diskId) == nullptr)
                        return "tier " + a.name + " names an array that is not there";
                    continue;
                }
                const PhysicalDisk *disk = findDisk(e.diskId);
                if (disk == nullptr) {
                    if ((e.errorFlags & rec::ElementFailNotPresent) == 0)
                        return "array " + a.name + " names a disk that is not there";
                    continue;
                }
                const bool usable =
                    disk->type == rec::DiskTypeDisk ||
                    (disk->type == rec::DiskTypeLegacy && a.typeCode == rec::TypeLegacy);
                if (!usable || e.start + e.size > disk->capacity ||
                    e.dataOffset + e.dataSize > e.size)
                    return "array " + a.name + " has an extent outside its disk";
            }
        for (uint64_t spare : a.spares)
            if (findDisk(spare) == nullptr)
                return "array " + a.name + " names a spare that is not there";
        for (uint64_t parent : a.parents)
            if (findArray(parent) == nullptr)
                return "array " + a.name + " names a parent that is not there";
    }
    // Extents on one disk must not overlap.
    for (const PhysicalDisk &d : disks) {
        const std::vector<std::pair<uint64_t, uint64_t>> used = extentsOn(*this, d.id);
        for (size_t i = 1; i < used.size(); ++i)
            if (used[i].first < used[i - 1].second)
                return "overlapping extents on disk " + d.serial;
    }
    std::set<uint16_t> enclosureRoutes;
    for (const Enclosure &e : enclosures) {
        if (auto problem = uniqueId(e.id, "enclosure"); !problem.empty())
            return problem;
        if (e.deviceRoute < FirstEnclosureRoute || !enclosureRoutes.insert(e.deviceRoute).second)
            return "enclosure route " + std::to_string(e.deviceRoute) + " is below " +
                   std::to_string(FirstEnclosureRoute) + " or taken";
    }
    std::set<char> letters;
    for (const Volume &v : host.volumes) {
        if (v.letter < 'A' || v.letter > 'Z' || !letters.insert(v.letter).second)
            return std::string("bad or duplicate drive letter ") + v.letter;
        if (v.kind == Volume::OnArray && findArray(v.arrayId) == nullptr)
            return std::string("volume ") + v.letter + ": lies on no array";
    }
    return {};
}

std::optional<ArrayShape> shapeFor(RaidLevel level, uint32_t members)
{
    switch (level) {
    case RaidLevel::Raid0:
        if (members >= 2)
            return ArrayShape{rec::TypeMirrorStripe, members, 1};
        break;
    case RaidLevel::Raid1:
        if (members == 2)
            return ArrayShape{rec::TypeMirrorStripe, 1, 2};
        break;
    case RaidLevel::Raid5:
        if (members >= 3)
            return ArrayShape{rec::TypeParity, 1, members};
        break;
    case RaidLevel::Raid6:
        if (members >= 4)
            return ArrayShape{rec::TypeRaid6, 1, members};
        break;
    case RaidLevel::Raid10:
        if (members >= 4 && members % 2 == 0)
            return ArrayShape{rec::TypeMirrorStripe, members / 2, 2};
        break;
    case RaidLevel::Volume:
        if (members >= 1)
            return ArrayShape{rec::TypeVolume, members, 1};
        break;
    }
    return std::nullopt;
}

std::string arrayTypeName(uint32_t typeCode, uint32_t f, uint32_t s)
{
    switch (typeCode) {
    case rec::TypeParity:
        if (s > 2)
            return f == 1 ? "RAID5" : f > 1 ? "RAID50" : "UNKNOWN";
        break;
    case rec::TypeMirrorStripe:
        if (f == 1 && s == 2)
            return "RAID1";
        if (f == 1 && s > 2)
            return "RAID1N";
        if (f > 1 && s == 1)
            return "RAID0";
        if (f > 1 && s == 2)
            return "RAID10";
        if (f > 1 && s > 2)
            return "RAID10N";
        break;
    case rec::TypeVolume:
        return "VOLUME";
    case rec::TypeLegacy:
        return "LEGACY";
    case rec::TypeRaid6:
        if (s > 2)
            return f == 1 ? "RAID6" : f > 1 ? "RAID60" : "UNKNOWN";
        break;
    case rec::TypeRaidable:
        return "RAIDABLE";
    case rec::TypeRaidTier:
        return "RAIDTIER";
    default:
        break;
    }
    return "UNKNOWN";
}

} // namespace kvemu
