#include "config_image.h"

#include "byte_order.h"

#include <cstring>

namespace kvemu::image {

using bytes::put;
using bytes::putText;

namespace {

void putCommon(uint8_t *r, uint32_t tag, uint64_t id, uint16_t deviceRoute, uint16_t coreRoute,
               uint32_t kept)
{
    put<uint32_t>(r, 0, tag);
    put<uint64_t>(r, 4, id);
    put<uint16_t>(r, 12, deviceRoute);
    put<uint16_t>(r, 14, coreRoute);
    put<uint32_t>(r, 16, kept);
}

struct PhysicalFields {
    uint64_t id;
    uint16_t deviceRoute, coreRoute;
    uint32_t kept, kept24;
    uint64_t capacity;
    uint32_t type, state;
    bool globalSpare;
    uint32_t features, portType;
    const std::string *firmware, *model, *serial, *vendor;
    uint32_t controller, channel;
    FreeSpace free;
};

void writePhysical(uint8_t *r, const PhysicalFields &f, bool previous)
{
    putCommon(r, rec::PhysicalTag, f.id, f.deviceRoute, f.coreRoute, f.kept);
    put<uint32_t>(r, 24, f.kept24);
    put<uint64_t>(r, 28, f.capacity);
    put<uint32_t>(r, 36, f.type);
    put<uint32_t>(r, 44, f.state);
    put<uint32_t>(r, 48, f.globalSpare ? rec::GlobalSpareYes : 0);
    put<uint32_t>(r, 84, f.features);
    put<uint32_t>(r, 88, f.portType);
    if (previous)
        return; // text and free-space fields do not exist in the short record
    putText(r, 128, 8, *f.firmware);
    putText(r, 136, 40, *f.model);
    putText(r, 176, 20, *f.serial);
    r[196] = uint8_t('0' + f.controller % 10);
    r[197] = uint8_t('0' + f.channel % 10);
    put<uint64_t>(r, 200, f.free.largest);
    put<uint64_t>(r, 208, f.free.total);
    putText(r, 216, 8, *f.vendor);
}

void writeController(uint8_t *r, const Controller &c)
{
    putCommon(r, rec::ControllerTag, c.id, uint16_t(c.number), 0, c.kept);
    putText(r, 20, 16, c.name);
    putText(r, 36, 16, c.biosBuild);
    put<uint64_t>(r, 88, c.maxArraySize);
    put<uint64_t>(r, 96, c.serial);
    put<uint32_t>(r, 104, c.ports);
    put<uint16_t>(r, 108, c.pciVendor);
    put<uint16_t>(r, 110, c.pciDevice);
    put<uint32_t>(r, 112, c.number);
    put<uint16_t>(r, 116, c.pciSubVendor);
    put<uint16_t>(r, 118, c.pciSubDevice);
    put<uint64_t>(r, 120, c.secondId);
    put<uint16_t>(r, 128, c.origPciVendor);
    put<uint16_t>(r, 130, c.origPciDevice);
    put<uint32_t>(r, 132, c.pciLocation);
}

void writeEnclosure(uint8_t *r, const Enclosure &e)
{
    putCommon(r, rec::EnclosureTag, e.id, e.deviceRoute, e.coreRoute(), e.kept);
    putText(r, 20, 8, e.vendor);
    putText(r, 28, 16, e.product);
    putText(r, 44, 4, e.revision);
    putText(r, 48, 8, e.serial);
}

void writeReference(uint8_t *entry, uint64_t id, uint16_t deviceRoute, uint16_t coreRoute)
{
    put<uint64_t>(entry, 0, id);
    put<uint16_t>(entry, 8, deviceRoute);
    put<uint16_t>(entry, 10, coreRoute);
}

void writeLogical(uint8_t *r, const Model &model, const LogicalDevice &a)
{
    putCommon(r, rec::LogicalTag, a.id, a.deviceRoute, LogicalDevice::coreRoute(), a.kept);
    put<uint32_t>(r, 20, a.state);
    put<uint32_t>(r, 24, a.typeCode);
    put<uint32_t>(r, 28, a.transformType);
    put<uint32_t>(r, 32, a.transformState);
    put<uint64_t>(r, 36, a.capacity);
    put<uint64_t>(r, 44, a.transformProtectStart);
    put<uint32_t>(r, 52, a.generation);
    put<uint64_t>(r, 56, a.copyFrom);
    put<uint64_t>(r, 64, a.copyTo);
    put<uint32_t>(r, 72, a.firstCount);
    put<uint32_t>(r, 76, a.secondCount);
    put<uint32_t>(r, 80, uint32_t(a.parents.size()));
    put<uint32_t>(r, 84, uint32_t(a.spares.size()));
    put<uint32_t>(r, 88, a.transformProtectSize);
    put<uint32_t>(r, 92, rec::cacheTagCode(a.cacheTagSize));
    put<uint32_t>(r, 96, a.cacheAttribute);
    put<uint32_t>(r, 100, a.transformProgress);
    put<uint16_t>(r, 104, a.attributes);
    put<uint32_t>(r, 108, a.distributedSpares);
    put<uint32_t>(r, 112, a.preferredElement);
    put<uint32_t>(r, 116, a.taskPriority);
    put<uint32_t>(r, 120, a.referenceCount);
    put<uint32_t>(r, 144, uint32_t(logicalRecordSize(a)));
    putText(r, 160, 32, a.name);
    // 252 and 260 stay equal (zero): no element identifier overrides.

    uint8_t *entry = r + LogicalHeaderSize;
    for (const Element &e : a.elements) {
        // A tier's members are arrays; everyone else's are disks.
        uint16_t deviceRoute = 0, coreRoute = 0;
        if (a.typeCode == rec::TypeRaidTier) {
            if (const LogicalDevice *member = model.findArray(e.diskId))
                deviceRoute = member->deviceRoute;
        } else if (const PhysicalDisk *disk = model.findDisk(e.diskId)) {
            deviceRoute = disk->deviceRoute;
            coreRoute = disk->coreRoute();
        }
        put<uint64_t>(entry, 0, e.diskId);
        put<uint16_t>(entry, 8, deviceRoute);
        put<uint16_t>(entry, 10, coreRoute);
        put<uint32_t>(entry, 12, e.kept);
        put<uint64_t>(entry, 16, e.start);
        put<uint64_t>(entry, 24, e.size);
        put<uint64_t>(entry, 32, e.dataOffset);
        put<uint64_t>(entry, 40, e.dataSize);
        put<uint32_t>(entry, 48, e.errorFlags);
        entry += ElementEntrySize;
    }
    for (uint64_t parentId : a.parents) {
        const LogicalDevice *parent = model.findArray(parentId);
        writeReference(entry, parentId, parent != nullptr ? parent->deviceRoute : 0,
                       LogicalDevice::coreRoute());
        entry += ReferenceEntrySize;
    }
    for (uint64_t spareId : a.spares) {
        const PhysicalDisk *spare = model.findDisk(spareId);
        writeReference(entry, spareId, spare != nullptr ? spare->deviceRoute : 0,
                       spare != nullptr ? spare->coreRoute() : 0);
        entry += ReferenceEntrySize;
    }
}

// Hands out record space in the stream, keeping room for the zero tag.
class StreamCursor {
public:
    explicit StreamCursor(uint8_t *image) : image_(image) {}
    uint8_t *take(size_t size)
    {
        if (offset_ + size + sizeof(uint32_t) > ImageSize) {
            complete_ = false;
            return nullptr;
        }
        uint8_t *record = image_ + offset_;
        offset_ += size;
        return record;
    }
    bool complete() const { return complete_; }

private:
    uint8_t *image_;
    size_t offset_ = StreamOffset;
    bool complete_ = true;
};

} // namespace

LogicalDevice sourceLayout(const LogicalDevice &a)
{
    LogicalDevice source = a;
    source.typeCode = a.sourceTypeCode;
    source.firstCount = a.sourceFirstCount;
    source.secondCount = a.sourceSecondCount;
    source.capacity = a.sourceCapacity;
    source.elements = a.sourceElements;
    source.sourceTypeCode = 0;
    source.sourceElements.clear();
    return source;
}

size_t logicalRecordSize(const LogicalDevice &a)
{
    const size_t raw = LogicalHeaderSize + ElementEntrySize * a.elements.size() +
                       ReferenceEntrySize * (a.parents.size() + a.spares.size());
    return (raw + 7) & ~size_t(7);
}

bool build(const Model &model, bool previous, uint8_t *image)
{
    std::memset(image, 0, ImageSize);
    put<uint32_t>(image, 0, 1); // status: success
    put<uint64_t>(image, GenerationOffset, model.generation);

    StreamCursor cursor(image);
    const size_t physicalSize = previous ? PreviousPhysicalRecordSize : PhysicalRecordSize;
    static const std::string coreVendor = "OXV";
    static const std::string noText;

    // The core's own pseudo-device comes first.
    if (uint8_t *r = cursor.take(physicalSize)) {
        const PhysicalFields core{model.core.id,
                                  0,
                                  0,
                                  0,
                                  0,
                                  0,
                                  rec::DiskTypeCore,
                                  rec::DiskOnline,
                                  false,
                                  0,
                                  0,
                                  &noText,
                                  &model.core.buildText,
                                  &noText,
                                  &coreVendor,
                                  0,
                                  0,
                                  {}};
        writePhysical(r, core, previous);
    }
    for (const PhysicalDisk &d : model.disks) {
        uint8_t *r = cursor.take(physicalSize);
        if (r == nullptr)
            break;
        const PhysicalFields fields{
            d.id,     d.deviceRoute, d.coreRoute(), d.kept,       d.kept24,   d.capacity,
            d.type,   d.state,       d.globalSpare, d.features,   d.portType, &d.firmware,
            &d.model, &d.serial,     &d.vendor,     d.controller, d.channel,  model.freeSpace(d)};
        writePhysical(r, fields, previous);
    }
    for (const LogicalDevice &a : model.arrays) {
        uint8_t *r = cursor.take(logicalRecordSize(a));
        if (r == nullptr)
            break;
        writeLogical(r, model, a);
        if (!a.hasSource())
            continue;
        // While a transform or a rebuild runs the array is two records with
        // the same route: first the new layout, then the old one.
        const LogicalDevice source = sourceLayout(a);
        r = cursor.take(logicalRecordSize(source));
        if (r == nullptr)
            break;
        writeLogical(r, model, source);
    }
    for (const Controller &c : model.controllers) {
        uint8_t *r = cursor.take(ControllerRecordSize);
        if (r == nullptr)
            break;
        writeController(r, c);
    }
    for (const Enclosure &e : model.enclosures) {
        uint8_t *r = cursor.take(EnclosureRecordSize);
        if (r == nullptr)
            break;
        writeEnclosure(r, e);
    }
    return cursor.complete();
}

} // namespace kvemu::image
