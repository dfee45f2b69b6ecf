#include "kv_dump.h"

#include "kv_core.h"
#include "kv_words.h"

#include <algorithm>
#include <cinttypes>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

// Appends formatted text to the caller's buffer. Nothing is ever written at
// or past the capacity: the text stays terminated, and what does not fit is
// cut.
class TextSink {
public:
    TextSink(char *output, uint32_t capacity, uint32_t length)
        : output_(output), capacity_(capacity), length_(length)
    {
    }

    [[gnu::format(printf, 2, 3)]] void print(const char *format, ...)
    {
        if (uint64_t(length_) + 1 >= capacity_)
            return;
        const size_t room = capacity_ - length_;
        va_list arguments;
        va_start(arguments, format);
        const int written = std::vsnprintf(output_ + length_, room, format, arguments);
        va_end(arguments);
        if (written < 0) {
            output_[length_] = '\0';
            return;
        }
        length_ += uint32_t(std::min<size_t>(size_t(written), room - 1));
    }

    // The same for plain bytes, without a format: what the field writers
    // use, since a dump is tens of thousands of short pieces.
    void append(const char *data, size_t size)
    {
        if (uint64_t(length_) + 1 >= capacity_)
            return;
        const size_t kept = std::min<size_t>(size, capacity_ - length_ - 1);
        std::memcpy(output_ + length_, data, kept);
        length_ += uint32_t(kept);
        output_[length_] = '\0';
    }
    void append(const char *text) { append(text, std::strlen(text)); }
    void spaces(int count)
    {
        static constexpr char Blanks[] = "                ";
        for (; count > 0; count -= int(sizeof Blanks - 1))
            append(Blanks, std::min<size_t>(size_t(count), sizeof Blanks - 1));
    }

    uint32_t length() const { return length_; }
    void moveTo(uint32_t length) { length_ = length; }

private:
    char *output_;
    uint32_t capacity_;
    uint32_t length_;
};

// True when at least `room` bytes remain below the capacity.
bool fits(uint32_t length, uint32_t capacity, uint32_t room)
{
    return capacity >= length && capacity - length >= room;
}

// One device's fields in either form. Compact text: "KEY: value " pairs on
// one line. Tagged: one "<Name>value</Name>" child per field, indented by
// `fieldIndent` and one per line unless `compact` is set.
class FieldWriter {
public:
    FieldWriter(char *output, uint32_t capacity, uint32_t length, bool compact, bool tagged,
                int fieldIndent)
        : sink_(output, capacity, length), tagged_(tagged), compact_(compact),
          fieldIndent_(fieldIndent)
    {
    }

    uint32_t length() const { return sink_.length(); }
    void moveTo(uint32_t length) { sink_.moveTo(length); }

    void raw(const char *text) { sink_.print("%s", text); }

    // Tagged form only: the element's opening and closing tags, two columns
    // left of its fields.
    void open(const char *element)
    {
        if (tagged_)
            sink_.print("%*s<%s>%s", elementIndent(), "", element, newline());
    }
    void close(const char *element)
    {
        if (tagged_)
            sink_.print("%*s</%s>%s", elementIndent(), "", element, newline());
    }
    // Compact text form only: the end of the device's line.
    void endLine()
    {
        if (!tagged_)
            sink_.print("\n");
    }

    void number(const char *key, const char *name, int value)
    {
        char text[16];
        field(key, name, text, decimal(text, value, 1));
    }
    // Two digits in the compact text form ("%0*d" with width 2), plain in
    // the tagged one.
    void twoDigits(const char *key, const char *name, int value)
    {
        char text[16];
        field(key, name, text, decimal(text, value, tagged_ ? 1 : 2));
    }
    // "0x" and at least `digits` lower-case hexadecimal digits.
    void hex(const char *key, const char *name, uint64_t value, int digits)
    {
        char reversed[16];
        int count = 0;
        do {
            reversed[count++] = "0123456789abcdef"[value & 0xF];
            value >>= 4;
        } while (value != 0);
        while (count < digits && count < int(sizeof reversed))
            reversed[count++] = '0';
        char text[20] = {'0', 'x'};
        for (int i = 0; i < count; ++i)
            text[2 + i] = reversed[count - 1 - i];
        field(key, name, text, size_t(2 + count));
    }
    void percent(const char *key, const char *name, double value)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%3.4f", value);
        field(key, name, text);
    }
    // A text without framing; "NONE" for an empty one in the compact text
    // form, which `width` pads on the right.
    void word(const char *key, const char *name, const char *value, int width = 0)
    {
        if (tagged_) {
            field(key, name, value);
            return;
        }
        const char *shown = value[0] != '\0' ? value : "NONE";
        const size_t length = std::strlen(shown);
        sink_.append(key);
        sink_.append(": ", 2);
        char text[128];
        for (size_t done = 0; done < length;) {
            const size_t piece = std::min(length - done, sizeof text);
            for (size_t i = 0; i < piece; ++i)
                text[i] = lineSafe(shown[done + i]);
            sink_.append(text, piece);
            done += piece;
        }
        sink_.spaces(std::max(width - int(length), 0) + 1);
    }
    // A text that may hold spaces: framed by carets in the compact text
    // form, with any caret or control character inside replaced by an
    // underscore, so that whatever the driver holds neither ends the frame
    // nor the line; "NONE" when empty.
    void framed(const char *key, const char *name, const char *value)
    {
        if (tagged_ || value[0] == '\0') {
            word(key, name, value);
            return;
        }
        char text[128] = {'^'};
        size_t used = 1;
        for (const char *c = value; *c != '\0' && used + 2 < sizeof text; ++c)
            text[used++] = *c == '^' ? '_' : lineSafe(*c);
        text[used++] = '^';
        field(key, name, text, used);
    }
    // The array's name: framed and followed by one more space in the
    // compact text form, with "&" written as its character entity in the
    // tagged form.
    void deviceName(const char *value)
    {
        if (!tagged_) {
            framed("DP", "DeviceName", value);
            sink_.print(" ");
            return;
        }
        char text[192];
        size_t used = 0;
        for (const char *c = value; *c != '\0' && used + 6 < sizeof text; ++c) {
            if (*c == '&') {
                std::memcpy(text + used, "&amp;", 5);
                used += 5;
            } else {
                text[used++] = *c;
            }
        }
        field("DP", "DeviceName", text, used);
    }

private:
    // A byte of a compact line: a control character (a line break above
    // all) becomes an underscore.
    static char lineSafe(char c)
    {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F ? '_' : c;
    }
    void field(const char *key, const char *name, const char *value)
    {
        field(key, name, value, std::strlen(value));
    }
    // Compact text: "key: value ". Tagged: "<name>value</name>", indented
    // and on a line of its own unless compact.
    void field(const char *key, const char *name, const char *value, size_t size)
    {
        if (tagged_) {
            sink_.spaces(compact_ ? 0 : fieldIndent_);
            sink_.append("<", 1);
            sink_.append(name);
            sink_.append(">", 1);
            sink_.append(value, size);
            sink_.append("</", 2);
            sink_.append(name);
            sink_.append(">", 1);
            sink_.append(newline());
        } else {
            sink_.append(key);
            sink_.append(": ", 2);
            sink_.append(value, size);
            sink_.append(" ", 1);
        }
    }
    // Decimal digits of `value`, at least `digits` of them (zero-padded
    // after the sign, as "%0*d" pads); returns the length.
    static size_t decimal(char (&text)[16], int value, int digits)
    {
        uint32_t magnitude = value < 0 ? 0u - uint32_t(value) : uint32_t(value);
        char reversed[12];
        int count = 0;
        do {
            reversed[count++] = char('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        while (count < digits)
            reversed[count++] = '0';
        size_t used = 0;
        if (value < 0)
            text[used++] = '-';
        while (count > 0)
            text[used++] = reversed[--count];
        return used;
    }
    int elementIndent() const { return compact_ ? 0 : fieldIndent_ - 2; }
    const char *newline() const { return compact_ ? "" : "\n"; }

    TextSink sink_;
    bool tagged_;
    bool compact_;
    int fieldIndent_;
};

// Field indentation of the tagged form: the core's own fields, a device's,
// and those of the entries nested in a logical device.
constexpr int CoreFieldIndent = 2;
constexpr int DeviceFieldIndent = 4;
constexpr int EntryFieldIndent = 6;

// A dedicated-spare or parent entry of an array.
uint32_t dumpReference(const KV_LogicalReference &entry, const char *key, const char *element,
                       uint32_t index, uint32_t length, char *output, uint32_t capacity,
                       int compact, int tagged)
{
    if (!fits(length, capacity, KV_DumpEntryRoom))
        return length;
    FieldWriter f(output, capacity, length, compact, tagged, EntryFieldIndent);
    f.open(element);
    f.number(key, "Number", int(index));
    f.number("RT", "CoreRoute", entry.coreRoute);
    f.number("HD", "DeviceRoute", entry.deviceRoute);
    f.hex("ID", "ID", entry.id, 16);
    f.endLine();
    f.close(element);
    return f.length();
}

} // namespace

uint32_t KV_DumpController(const KV_C_ControllerDevice &c, uint32_t length, char *output,
                           uint32_t capacity, int compact, int tagged)
{
    if (output == nullptr || !fits(length, capacity, KV_DumpDeviceRoom))
        return length;
    FieldWriter f(output, capacity, length, compact, tagged, DeviceFieldIndent);
    f.open("Controller");
    f.twoDigits("CD", "Number", int(c.number));
    f.word("CN", "Name", c.name, tagged ? 0 : 10);
    f.hex("CSN", "SerialNumber", c.serialNumber, 16);
    if (!tagged || c.biosBuild[0] != '\0') {
        f.word("BB", "BiosBuild", c.biosBuild);
        f.hex("MX", "MaxArraySize", c.maxArraySize, 16);
        f.twoDigits("NP", "NumberOfPorts", int(c.numberOfPorts));
        f.hex("VI", "PciVendorID", c.pciVendorId, 4);
        f.hex("DI", "PciDeviceID", c.pciDeviceId, 4);
        f.hex("SVI", "PciSubVendorID", c.pciSubVendorId, 4);
        f.hex("SDI", "PciSubDeviceID", c.pciSubDeviceId, 4);
        f.hex("ID", "ID", c.secondId, 16);
        f.hex("OVI", "OrigPciVendorID", c.origPciVendorId, 4);
        f.hex("ODI", "OrigPciDeviceID", c.origPciDeviceId, 4);
        f.hex("LOC", "PCILocation", c.pciLocation, 8);
    }
    f.endLine();
    f.close("Controller");
    return f.length();
}

uint32_t KV_DumpPhysicalDevice(const KV_C_PhysicalDevice &d, uint32_t index, uint32_t length,
                               char *output, uint32_t capacity, int compact, int tagged)
{
    if (output == nullptr || !fits(length, capacity, KV_DumpDeviceRoom))
        return length;
    FieldWriter f(output, capacity, length, compact, tagged, DeviceFieldIndent);
    f.open("PhysicalDevice");
    f.twoDigits("PD", "Number", int(index));
    f.word("TY", "Type", KV_PhysicalTypeWord(d.type));
    f.word("ST", "State", KV_PhysicalStateWord(d.state));
    f.hex("ID", "ID", d.id, 16);
    f.word("NM", "Name", d.path);
    // The core's pseudo-device has nothing more to say.
    if (d.type != KV_PhysicalTypeCore) {
        f.twoDigits("CD", "Controller", d.controller);
        f.twoDigits("CH", "Channel", d.channel);
        f.twoDigits("RT", "CoreRoute", d.coreRoute);
        f.twoDigits("HD", "DeviceRoute", d.deviceRoute);
        f.hex("FE", "Features", d.features, 8);
        f.word("GS", "GlobalSpare", KV_GlobalSpareWord(d.globalSpare));
        f.hex("SI", "Capacity", d.capacity, 16);
        f.hex("LS", "LargestFreeSpace", d.largestFree, 16);
        f.hex("TS", "TotalFreeSpace", d.totalFree, 16);
        f.framed("MO", "Model", d.model);
        f.framed("SN", "SerialNumber", d.serial);
        f.word("FW", "FirmwareRevision", d.firmware);
        f.hex("PT", "PortType", d.portType, 8);
        f.framed("VI", "VendorID", d.vendor);
    }
    f.endLine();
    f.close("PhysicalDevice");
    return f.length();
}

uint32_t KV_DumpLogicalElement(const KV_C_LogicalElement &e, uint32_t index, uint32_t length,
                               char *output, uint32_t capacity, int compact, int tagged)
{
    if (output == nullptr || !fits(length, capacity, KV_DumpEntryRoom))
        return length;
    FieldWriter f(output, capacity, length, compact, tagged, EntryFieldIndent);
    f.open("LogicalElement");
    f.number(" LE", "Number", int(index));
    f.number("RT", "CoreRoute", e.coreRoute);
    f.number("HD", "DeviceRoute", e.deviceRoute);
    f.hex("ID", "ID", e.id, 16);
    f.hex("SO", "Offset", e.offset, 16);
    f.hex("SS", "Size", e.size, 16);
    f.hex("DO", "DataOffset", e.dataOffset, 16);
    f.hex("DS", "DataSize", e.dataSize, 16);
    f.word("ER", "Error", KV_ElementErrorWord(e.error));
    f.endLine();
    f.close("LogicalElement");
    return f.length();
}

uint32_t KV_DumpLogicalDevice(const KV_C_LogicalDevice &d, uint32_t index, uint32_t length,
                              char *output, uint32_t capacity, int compact, int tagged, int lookup)
{
    if (output == nullptr || !fits(length, capacity, KV_DumpDeviceRoom))
        return length;

    // Attribute 0x200: the array presents no disk to the operating system.
    std::string osDisk = "NONE";
    if (lookup && (d.attributes & 0x200) == 0) {
        std::string found;
        if (KV_FindArrayDisk(int(index), d.deviceRoute, &found) == KV_STS_SUCCESS && !found.empty())
            osDisk = found;
    }

    FieldWriter f(output, capacity, length, compact, tagged, DeviceFieldIndent);
    f.open("LogicalDevice");
    f.number("LD", "Number", int(index));
    f.word("ST", "State", KV_LogicalStateWord(d.state, d.transformType));
    f.hex("ID", "ID", d.id, 16);
    f.word("NM", "Name", d.path);
    f.word("OSN", "OSName", osDisk.c_str());
    f.number("RT", "CoreRoute", d.coreRoute);
    f.number("HD", "DeviceRoute", d.deviceRoute);
    f.hex("SI", "Capacity", d.capacity, 16);
    f.number("1ST", "FirstCount", int(d.firstCount));
    f.number("2ND", "SecondCount", int(d.secondCount));
    f.word("CA", "Cache", KV_CacheWord(d.cacheAttribute));
    f.number("CTS", "CacheTagSize", int(d.cacheTagSize));
    f.word("TY", "Type", KV_ArrayTypeWord(d.typeCode, d.firstCount, d.secondCount));
    f.hex("GE", "Generation", d.generation, 8);
    f.hex("TPST", "TransformProtectStart", d.transformProtectStart, 16);
    f.number("TPSI", "TransformProtectSize", int(d.transformProtectSize));
    // Progress counts to 100000; the dump shows it as a percentage.
    f.percent("TPC", "TransformPercentComplete", d.transformProgress * 100.0 / 100000.0);
    f.number("TP", "TaskPriority", int(d.taskPriority));
    f.word("TTY", "TransformType", KV_TransformTypeWord(d.transformType));
    f.word("TST", "TransformState", KV_TransformStateWord(d.transformState));
    f.number("DS", "DistributedSpareCount", int(d.distributedSpareCount));
    f.twoDigits("PRE", "PreferredLogicalElement", int(d.preferredElement));
    f.hex("AT", "Attributes", d.attributes, 4);
    f.number("RC", "ReferenceCount", int(d.referenceCount));
    f.hex("CF", "CopyFromID", d.copyFromId, 16);
    f.hex("CT", "CopyToID", d.copyToId, 16);
    f.deviceName(d.deviceName);
    f.endLine();

    length = f.length();
    for (uint32_t i = 0; i < d.elementCount && fits(length, capacity, KV_DumpEntryRoom); ++i)
        length = KV_DumpLogicalElement(d.elements[i], i, length, output, capacity, compact, tagged);
    for (uint32_t i = 0; i < d.spareCount && fits(length, capacity, KV_DumpEntryRoom); ++i)
        length = dumpReference(d.spares[i], "SP", "DedicatedSpare", i, length, output, capacity,
                               compact, tagged);
    for (uint32_t i = 0; i < d.parentCount && fits(length, capacity, KV_DumpEntryRoom); ++i)
        length = dumpReference(d.parents[i], " PA", "Parent", i, length, output, capacity, compact,
                               tagged);
    f.moveTo(length);
    f.close("LogicalDevice");
    return f.length();
}

uint32_t KV_DumpEnclosure(const KV_C_SEPDevice &e, uint32_t index, uint32_t length, char *output,
                          uint32_t capacity, int compact, int tagged)
{
    if (output == nullptr || !fits(length, capacity, KV_DumpDeviceRoom))
        return length;
    FieldWriter f(output, capacity, length, compact, tagged, DeviceFieldIndent);
    f.open("SCSIEnclosureProcessor");
    f.number("SEP", "Number", int(index));
    f.hex("ID", "ID", e.id, 16);
    f.word("NM", "Name", e.path);
    f.framed("VID", "Vendor", e.vendor);
    f.framed("PID", "Product", e.product);
    f.framed("REV", "Revision", e.revision);
    f.framed("SN", "SerialNumber", e.serial);
    f.endLine();
    f.close("SCSIEnclosureProcessor");
    return f.length();
}

uint32_t KV_DumpCore(KV_Core &core, char *output, uint32_t capacity, int lookup, int compact,
                     int tagged)
{
    KV_CoreLock lock; // the disk lookups go to the host
    core.dumpLength = 0;
    if (output == nullptr)
        return 0;
    if (capacity < KV_DumpMinimumCapacity) {
        if (capacity > 0)
            output[0] = '\0';
        return 0;
    }

    // The compact text form's first line; its length field is filled in at
    // the end.
    constexpr char SizeLine[] = "BufferSize:         \n";
    constexpr size_t SizeOffset = 12, SizeWidth = sizeof SizeLine - 2 - SizeOffset;

    const char *build = core.physicalCount > 0 && core.physicalDevices[0]->model[0] != '\0'
                            ? core.physicalDevices[0]->model
                            : "NONE";
    FieldWriter f(output, capacity, 0, compact, tagged, CoreFieldIndent);
    if (!tagged)
        f.raw(SizeLine);
    f.open("Core");
    f.number("CO", "Number", core.coreNumber);
    f.number("GE", "Generation", int32_t(uint32_t(core.generation)));
    f.word("NM", "Name", core.configPath);
    f.word("BN", "Build", build);
    f.endLine();

    uint32_t length = f.length();
    for (uint32_t i = 0; i < core.controllerCount && fits(length, capacity, KV_DumpDeviceRoom); ++i)
        length = KV_DumpController(*core.controllers[i], length, output, capacity, compact, tagged);
    for (uint32_t i = 0; i < core.physicalCount && fits(length, capacity, KV_DumpDeviceRoom); ++i)
        length = KV_DumpPhysicalDevice(*core.physicalDevices[i], i, length, output, capacity,
                                       compact, tagged);
    for (uint32_t i = 0; i < core.logicalCount && fits(length, capacity, KV_DumpDeviceRoom); ++i)
        length = KV_DumpLogicalDevice(*core.logicalDevices[i], i, length, output, capacity, compact,
                                      tagged, lookup);
    for (uint32_t i = 0; i < core.enclosureCount && fits(length, capacity, KV_DumpDeviceRoom); ++i)
        length =
            KV_DumpEnclosure(*core.enclosures[i], i, length, output, capacity, compact, tagged);

    if (tagged) {
        f.moveTo(length);
        f.close("Core");
        length = f.length();
    } else {
        // "%-6d" over the blanks after "BufferSize: "; the terminator it
        // leaves behind becomes a blank again, and a longer number never
        // reaches the line's end.
        char size[16];
        const int written = std::snprintf(size, sizeof size, "%-6d", int(length));
        std::memcpy(output + SizeOffset, size, std::min<size_t>(size_t(written), SizeWidth));
    }
    core.dumpLength = length;
    return length;
}

KV_STS KV_ApiGetCoreConfigString(const KV_CoreId *core, char *output, uint32_t capacity, int lookup,
                                 int allCores, int compact, int tagged)
{
    if (output == nullptr)
        return KVTL_STS_INVALID_PARAMETER;
    KV_CoreLock lock;
    if (!allCores) {
        if (core == nullptr)
            return KV_STS_INVALID_CORE_HANDLE;
        auto handle = std::make_unique<KV_Core>(core->host, core->coreName);
        if (!handle->endpoint)
            return KV_STS_INVALID_CORE_HANDLE;
        KV_DumpCore(*handle, output, capacity, lookup, compact, tagged);
        // The text of an image that could not be read is an empty core; the
        // caller learns that it is no configuration.
        return handle->imageStatus;
    }

    // Room for one core record: the stack runs one core per machine.
    auto *cores =
        static_cast<KV_CoreId *>(KVTL_Alloc(sizeof(KV_CoreId), "KV_ApiGetCoreConfigString"));
    if (cores == nullptr)
        return KV_STS_NO_MEMORY_AVAILABLE;
    uint32_t count = 0;
    KV_STS status = KV_ApiEnumerateCores(cores, sizeof(KV_CoreId), &count);
    for (uint32_t i = 0; status == KV_STS_SUCCESS && i < count; ++i) {
        if (capacity == 0) {
            status = KV_STS_BUFFER_TOO_SMALL;
            break;
        }
        auto handle = std::make_unique<KV_Core>(cores[i].host, cores[i].coreName);
        if (!handle->endpoint) {
            status = KV_STS_INVALID_CORE_HANDLE;
            break;
        }
        // The next core's text starts on this one's terminator.
        const uint32_t length = KV_DumpCore(*handle, output, capacity, lookup, compact, tagged);
        status = handle->imageStatus;
        output += length;
        capacity = uint64_t(length) + 1 >= capacity ? 0 : capacity - length;
    }
    KVTL_Free(cores);
    return status;
}
