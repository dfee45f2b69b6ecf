#include "kv_devices.h"

#include "kv_channel.h"
#include "kv_record.h"

#include <algorithm>
#include <new>

using namespace kv::record;

void KV_FormatDevicePath(char (&path)[80], const char *routePrefix, unsigned coreRoute,
                         unsigned deviceRoute)
{
    // Every device of every handle is named this way, so the text is put
    // together by hand rather than through a format string; it is cut to the
    // 79 characters the field holds, as a formatted write would cut it.
    size_t length = 0;
    auto append = [&](const char *text) {
        while (*text != '\0' && length + 1 < sizeof path)
            path[length++] = *text++;
    };
    auto appendNumber = [&](unsigned value) {
        char digits[12];
        int count = 0;
        do {
            digits[count++] = char('0' + value % 10);
            value /= 10;
        } while (value != 0);
        while (count > 0 && length + 1 < sizeof path)
            path[length++] = digits[--count];
    };
    append(routePrefix);
    appendNumber(coreRoute);
    append("/Device");
    appendNumber(deviceRoute);
    if (deviceRoute < 10)
        append(" ");
    path[length] = '\0';
}

namespace {

// A digit character of the record as its number; anything else is 0.
int digitValue(uint8_t c)
{
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

// Copies `count` entries into a tracked array; null for none or when memory
// is exhausted (the count is then reset so nothing reads the missing table).
template <typename T, typename Make> T *trackedTable(uint32_t &count, const char *tag, Make make)
{
    if (count == 0)
        return nullptr;
    void *memory = KVTL_Alloc(uint64_t(count) * sizeof(T), tag);
    if (memory == nullptr) {
        count = 0;
        return nullptr;
    }
    T *table = static_cast<T *>(memory);
    for (uint32_t i = 0; i < count; ++i)
        new (table + i) T(make(i));
    return table;
}

template <typename T> void freeTable(T *table, uint32_t count)
{
    if (table == nullptr)
        return;
    for (uint32_t i = 0; i < count; ++i)
        table[i].~T();
    KVTL_Free(table);
}

KV_LogicalReference referenceAt(const uint8_t *entry)
{
    return {u64(entry, 0), u16(entry, 8), u16(entry, 10), u32(entry, 12)};
}

} // namespace

KV_C_PhysicalDevice::KV_C_PhysicalDevice(const uint8_t *record, const char *routePrefix,
                                         bool previous)
    : tag(u32(record, 0)), id(u64(record, 4)), deviceRoute(u16(record, 12)),
      coreRoute(u16(record, 14)), kept16(u32(record, 16)), kept24(u32(record, 24)),
      capacity(u64(record, 28)), type(u32(record, 36)), state(u32(record, 44)),
      globalSpare(u32(record, 48)), features(u32(record, 84)), portType(u32(record, 88))
{
    if (!previous) {
        text(record, 128, firmware);
        text(record, 136, model);
        text(record, 176, serial);
        // The core's own pseudo-device has neither controller nor channel.
        if (type != 0x1201) {
            controller = digitValue(record[196]);
            channel = digitValue(record[197]);
        }
        largestFree = u64(record, 200);
        totalFree = u64(record, 208);
        text(record, 216, vendor);
    }
    KV_FormatDevicePath(path, routePrefix, coreRoute, deviceRoute);
}

KV_C_PhysicalDevice::~KV_C_PhysicalDevice() = default;

KV_C_LogicalElement::KV_C_LogicalElement(const uint8_t *entry)
    : id(u64(entry, 0)), deviceRoute(u16(entry, 8)), coreRoute(u16(entry, 10)),
      kept(u32(entry, 12)), offset(u64(entry, 16)), size(u64(entry, 24)),
      dataOffset(u64(entry, 32)), dataSize(u64(entry, 40)), error(u32(entry, 48))
{
}

KV_C_LogicalDevice::KV_C_LogicalDevice(const uint8_t *record, uint32_t size,
                                       const char *routePrefix, int coreNumber)
    : tag(u32(record, 0)), id(u64(record, 4)), deviceRoute(u16(record, 12)),
      coreRoute(u16(record, 14)), kept16(u32(record, 16)), state(u32(record, 20)),
      typeCode(u32(record, 24)), transformType(u32(record, 28)), transformState(u32(record, 32)),
      capacity(u64(record, 36)), transformProtectStart(u64(record, 44)),
      generation(u32(record, 52)), copyFromId(u64(record, 56)), copyToId(u64(record, 64)),
      firstCount(u32(record, 72)), secondCount(u32(record, 76)), parentCount(u32(record, 80)),
      spareCount(u32(record, 84)), transformProtectSize(u32(record, 88)),
      cacheTagSize(u32(record, 92)), cacheAttribute(u32(record, 96)),
      transformProgress(u32(record, 100)), attributes(u16(record, 104)),
      distributedSpareCount(u32(record, 108)), preferredElement(u32(record, 112)),
      taskPriority(u32(record, 116)), referenceCount(u32(record, 120)), recordSize(size),
      coreNumber(coreNumber)
{
    text(record, 160, deviceName);
    KV_FormatDevicePath(path, routePrefix, coreRoute, deviceRoute);

    // The entry tables must lie inside the record: counts that claim more
    // entries than the record holds are cut to what it holds.
    const uint64_t room = size > KV_LogicalFixedSize ? size - KV_LogicalFixedSize : 0;
    elementCount = uint32_t(
        std::min<uint64_t>(uint64_t(firstCount) * secondCount, room / KV_ElementEntrySize));
    uint64_t left = room - uint64_t(elementCount) * KV_ElementEntrySize;
    parentCount = uint32_t(std::min<uint64_t>(parentCount, left / KV_ReferenceEntrySize));
    left -= uint64_t(parentCount) * KV_ReferenceEntrySize;
    spareCount = uint32_t(std::min<uint64_t>(spareCount, left / KV_ReferenceEntrySize));

    const uint8_t *entries = record + KV_LogicalFixedSize;
    elements = trackedTable<KV_C_LogicalElement>(
        elementCount, "KV_C_LogicalDevice::KV_C_LogicalDevice", [&](uint32_t i) {
            return KV_C_LogicalElement(entries + uint64_t(i) * KV_ElementEntrySize);
        });
    const uint8_t *references = entries + uint64_t(elementCount) * KV_ElementEntrySize;
    parents = trackedTable<KV_LogicalReference>(
        parentCount, "KV_C_LogicalDevice::KV_C_LogicalDevice",
        [&](uint32_t i) { return referenceAt(references + i * KV_ReferenceEntrySize); });
    references += uint64_t(parentCount) * KV_ReferenceEntrySize;
    spares = trackedTable<KV_LogicalReference>(
        spareCount, "KV_C_LogicalDevice::KV_C_LogicalDevice",
        [&](uint32_t i) { return referenceAt(references + i * KV_ReferenceEntrySize); });

    // Two differing identifiers at 252 and 260 stand for the first two
    // members' identifiers.
    const uint64_t first = u64(record, 252), second = u64(record, 260);
    if (first != second) {
        if (elementCount > 0)
            elements[0].id = first;
        if (elementCount > 1)
            elements[1].id = second;
    }
}

KV_C_LogicalDevice::~KV_C_LogicalDevice()
{
    freeTable(elements, elementCount);
    freeTable(parents, parentCount);
    freeTable(spares, spareCount);
}

KV_C_ControllerDevice::KV_C_ControllerDevice(const uint8_t *record)
    : tag(u32(record, 0)), id(u64(record, 4)), deviceRoute(u16(record, 12)),
      coreRoute(u16(record, 14)), kept16(u32(record, 16)), maxArraySize(u64(record, 88)),
      serialNumber(u64(record, 96)), numberOfPorts(u32(record, 104)), pciVendorId(u16(record, 108)),
      pciDeviceId(u16(record, 110)), number(u32(record, 112)), pciSubVendorId(u16(record, 116)),
      pciSubDeviceId(u16(record, 118)), secondId(u64(record, 120)),
      origPciVendorId(u16(record, 128)), origPciDeviceId(u16(record, 130)),
      pciLocation(u32(record, 132))
{
    text(record, 20, name);
    text(record, 36, biosBuild);
}

KV_C_SEPDevice::KV_C_SEPDevice(const uint8_t *record, const char *routePrefix)
    : tag(u32(record, 0)), id(u64(record, 4)), deviceRoute(u16(record, 12)),
      coreRoute(u16(record, 14)), kept16(u32(record, 16))
{
    text(record, 20, vendor);
    text(record, 28, product);
    text(record, 44, revision);
    text(record, 48, serial);
    KV_FormatDevicePath(path, routePrefix, coreRoute, deviceRoute);
}
