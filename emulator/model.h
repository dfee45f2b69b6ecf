// The emulator's model of one core of the RAID stack and of the host around
// it: what the driver would keep in its metadata and what the operating system
// would see. Plain values; the emulator guards one instance with its lock and
// every change replaces it as a whole (so the previous configuration is just
// the value before the change).
//
// Routes of core 1 (the device path of a device is "Route<core>/Device<dev>"):
//  - the core pseudo-device: core route 0, device route 0;
//  - controllers: core route 0, device route = controller number;
//  - physical disks: core route = controller number + 1, device route
//    1..1023, unique across the core (a full 64 KiB image holds about 250);
//  - enclosures: core route = controller number + 1, device route 1024 and up;
//  - arrays: core route 0, device route = array number (1 and up; 0 would
//    name the configuration endpoint).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kvemu {

// Device routes below this one are disks', from it on enclosures'.
inline constexpr uint16_t FirstEnclosureRoute = 1024;

// Words the driver writes into its records.
namespace rec {
inline constexpr uint32_t PhysicalTag = 0x25BC;
inline constexpr uint32_t LogicalTag = 0x25BD;
inline constexpr uint32_t ControllerTag = 0x25BE;
inline constexpr uint32_t EnclosureTag = 0x25BF;

inline constexpr uint32_t DiskTypeUnknown = 0; // not initialized for RAID use
inline constexpr uint32_t DiskTypeDisk = 0x1200;
inline constexpr uint32_t DiskTypeCore = 0x1201;
inline constexpr uint32_t DiskTypeLegacy = 0x1203;

inline constexpr uint32_t DiskOnline = 0x3000;
inline constexpr uint32_t DiskOffline = 0x3001;
inline constexpr uint32_t DiskSmartError = 0x3002;
inline constexpr uint32_t DiskLocked = 0x3004;

inline constexpr uint32_t GlobalSpareYes = 0x100;

// Port type bits. The low byte names the attachment (our choice), bit 8 marks
// a disk behind the RAID driver's own controller, bit 31 an NVMe device.
inline constexpr uint32_t PortSata = 0x1;
inline constexpr uint32_t PortPcie = 0x4;
inline constexpr uint32_t PortBehindRaidController = 0x100;
inline constexpr uint32_t PortNvme = 0x80000000u;

inline constexpr uint32_t ArrayNormal = 0x200;
inline constexpr uint32_t ArrayCritical = 0x201;
inline constexpr uint32_t ArrayOffline = 0x202;
inline constexpr uint32_t ArrayOutdate = 0x203;
inline constexpr uint32_t ArrayLocked = 0x204;

inline constexpr uint32_t TypeParity = 0x1BF5;
inline constexpr uint32_t TypeMirrorStripe = 0x1BF6;
inline constexpr uint32_t TypeVolume = 0x1BF7;
inline constexpr uint32_t TypeLegacy = 0x1BF9;
inline constexpr uint32_t TypeRaid6 = 0x1BFA;
inline constexpr uint32_t TypeRaidable = 0x1BFB;
inline constexpr uint32_t TypeRaidTier = 0x1BFD;

inline constexpr uint32_t CacheRead = 0x80000000u;
inline constexpr uint32_t CacheWrite = 0x40000000u;

inline constexpr uint16_t AttrNoOsDisk = 0x200;

inline constexpr uint32_t ElementFail = 0x10;
inline constexpr uint32_t ElementOffline = 0x20;
inline constexpr uint32_t ElementFailNotPresent = 0x4000;

// Array attribute bits the hide and background-scan requests switch.
inline constexpr uint16_t AttrBackgroundScan = 0x400;
inline constexpr uint16_t AttrPreparedForRemoval = 0x1000;

// Features word (FE) bits of a disk.
inline constexpr uint32_t FeatureSmartPolling = 0x4;
inline constexpr uint32_t FeatureWriteCache = 0x400000;
inline constexpr uint32_t FeatureReadAhead = 0x1000000;

// Port type (PT) capability bits.
inline constexpr uint32_t PortSolidState = 0x800;
inline constexpr uint32_t PortSimpleTrim = 0x100000;
inline constexpr uint32_t PortAdvancedTrim = 0x400000;
inline constexpr uint32_t PortInformedHotSwap = 0x800000;

// Background tasks (transform type) and their states.
inline constexpr uint32_t TaskNone = 0;
inline constexpr uint32_t TaskTransform = 0x5354;
inline constexpr uint32_t TaskCreate = 0x5355;
inline constexpr uint32_t TaskCheck = 0x5356;
inline constexpr uint32_t TaskRestore = 0x5358;
inline constexpr uint32_t TaskZero = 0x535B;
inline constexpr uint32_t TaskSecureErase = 0x535C;
inline constexpr uint32_t TaskStarted = 0xA1A1;
inline constexpr uint32_t TaskPaused = 0xA1A2;
inline constexpr uint32_t ProgressComplete = 100000;

// The record carries the cache tag size as a code: 1 for 64 KiB, each next
// code doubling it, up to 6 for 2048 KiB. 0 for any other size.
constexpr uint32_t cacheTagCode(uint32_t sizeKiB)
{
    uint32_t code = 1;
    for (uint32_t size = 64; size <= 2048; size *= 2, ++code)
        if (size == sizeKiB)
            return code;
    return 0;
}
static_assert(cacheTagCode(64) == 1 && cacheTagCode(2048) == 6 && cacheTagCode(100) == 0);
} // namespace rec

// Sectors at the end of every initialized disk that hold the RAID metadata;
// extents are allocated from [0, capacity - MetadataSectors).
inline constexpr uint64_t MetadataSectors = 2048;

// The core's own pseudo-device (the first physical record).
struct CoreInfo {
    uint64_t id = 0;
    std::string buildText; // the driver's build text, shown as the model
    bool operator==(const CoreInfo &) const = default;
};

struct Controller {
    uint64_t id = 0;
    uint32_t number = 0; // also the device route
    uint32_t kept = 0;
    std::string name;
    std::string biosBuild;
    uint64_t maxArraySize = 0; // sectors
    uint64_t serial = 0;
    uint32_t ports = 0;
    uint16_t pciVendor = 0, pciDevice = 0, pciSubVendor = 0, pciSubDevice = 0;
    uint64_t secondId = 0;
    uint16_t origPciVendor = 0, origPciDevice = 0;
    uint32_t pciLocation = 0; // bus << 16 | device << 8 | function
    bool operator==(const Controller &) const = default;
};

struct PhysicalDisk {
    uint64_t id = 0;
    uint16_t deviceRoute = 0;
    uint32_t kept = 0;
    uint32_t kept24 = 0;
    uint64_t capacity = 0; // sectors
    uint32_t type = rec::DiskTypeDisk;
    uint32_t state = rec::DiskOnline;
    bool globalSpare = false;
    uint32_t features = 0;
    uint32_t portType = 0;
    std::string firmware, model, serial, vendor;
    uint32_t controller = 0; // controller number; the core route is this + 1
    uint32_t channel = 0;    // port on the controller, 0..9
    // What the driver knows of the disk beyond its record.
    uint32_t identify = 0;     // 0 LEDs off; 1 lit; 1 + p blinking in pattern p (p >= 1)
    bool smartFailing = false; // an attribute has crossed its threshold
    uint32_t powerOnHours = 0; // at clock time 0; the S.M.A.R.T. pages add the clock's hours
    bool preparedForRemoval = false;
    uint16_t coreRoute() const { return uint16_t(controller + 1); }
    bool operator==(const PhysicalDisk &) const = default;
};

// One member extent of an array. The routes in the record come from the
// disk the identifier names; a missing disk is shown with routes 0.
struct Element {
    uint64_t diskId = 0;
    uint32_t kept = 0;
    uint64_t start = 0;      // first sector of the extent on the disk
    uint64_t size = 0;       // sectors of the extent
    uint64_t dataOffset = 0; // where array data begins, relative to the extent
    uint64_t dataSize = 0;   // sectors of array data in the extent
    uint32_t errorFlags = 0;
    bool operator==(const Element &) const = default;
};

struct LogicalDevice {
    uint64_t id = 0;
    uint16_t deviceRoute = 0; // the array number
    uint32_t kept = 0;
    uint32_t state = rec::ArrayNormal;
    uint32_t typeCode = rec::TypeMirrorStripe;
    uint32_t transformType = 0, transformState = 0;
    uint64_t capacity = 0; // sectors
    uint64_t transformProtectStart = 0;
    uint32_t generation = 0; // configuration generation the array last changed in
    uint64_t copyFrom = 0, copyTo = 0;
    uint32_t firstCount = 0, secondCount = 0; // member sets, members per set
    uint32_t transformProtectSize = 0;
    uint32_t cacheTagSize = 0; // KiB; the record carries its code
    uint32_t cacheAttribute = 0;
    uint32_t transformProgress = 0; // 0..100000
    uint16_t attributes = 0;
    uint32_t distributedSpares = 0;
    uint32_t preferredElement = 0;
    uint32_t taskPriority = 0;
    uint32_t referenceCount = 0;
    std::string name;
    std::vector<Element> elements; // firstCount x secondCount, row by row
    std::vector<uint64_t> parents; // identifiers of arrays built on this one
    std::vector<uint64_t> spares;  // identifiers of dedicated spare disks
    // While a transform or a rebuild runs, the fields above describe the new
    // layout and these the old one; sourceTypeCode is 0 otherwise.
    uint32_t sourceTypeCode = 0;
    uint32_t sourceFirstCount = 0, sourceSecondCount = 0;
    uint64_t sourceCapacity = 0;
    std::vector<Element> sourceElements;
    bool hasSource() const { return sourceTypeCode != 0; }
    bool taskActive() const { return transformType != rec::TaskNone; }
    static constexpr uint16_t coreRoute() { return 0; }
    bool operator==(const LogicalDevice &) const = default;
};

struct Enclosure {
    uint64_t id = 0;
    uint16_t deviceRoute = 0;
    uint32_t controller = 0;
    uint32_t kept = 0;
    std::string vendor, product, revision, serial;
    uint16_t coreRoute() const { return uint16_t(controller + 1); }
    bool operator==(const Enclosure &) const = default;
};

// A device of the host that is not an array: a plain disk or an optical drive.
struct HostDevice {
    enum Kind : uint32_t { Disk = 0, CdRom = 1 };
    uint32_t kind = Disk;
    uint32_t driveNumber = 0; // physicaldrive number (disks only)
    uint32_t port = 0;
    uint32_t path = 0, target = 0, lun = 0;
    std::string vendor, product, revision, serial;
    uint64_t capacity = 0; // sectors
    bool removable = false;
    bool operator==(const HostDevice &) const = default;
};

// A drive letter and where it lives.
struct Volume {
    enum Kind : uint32_t { OnArray = 0, OnHostDisk = 1, OnCdRom = 2 };
    char letter = 'C';
    uint32_t kind = OnArray;
    uint64_t arrayId = 0;   // OnArray
    uint32_t hostDrive = 0; // OnHostDisk: drive number; OnCdRom: device index
    uint32_t partition = 1;
    uint64_t startBytes = 0;
    uint64_t lengthBytes = 0;
    bool inUse = false; // files are open on it: locking it fails
    bool operator==(const Volume &) const = default;
};

// One of the RAID driver's files as the host has it installed: its service
// registration, the file with its version resource, and whether the kernel
// has it loaded.
struct DriverFile {
    std::string name;       // "kvraid.sys", also the service name without ".sys"
    std::string imagePath;  // the service's ImagePath; empty: no service registered
    std::string directory;  // where the file lies ("C:\Windows\System32\drivers")
    std::string version;    // product version; empty: the file has no version resource
    uint64_t size = 0;      // bytes
    uint64_t writeTime = 0; // FILETIME of creation and last write
    bool loaded = true;
    bool operator==(const DriverFile &) const = default;
};

struct Host {
    uint32_t raidPort = 0; // SCSI port of the RAID driver's adapter
    std::vector<HostDevice> devices;
    std::vector<Volume> volumes;
    std::vector<DriverFile> drivers;
    bool operator==(const Host &) const = default;
};

struct FreeSpace {
    uint64_t largest = 0; // sectors
    uint64_t total = 0;   // sectors
};

struct Model {
    uint64_t generation = 1;
    CoreInfo core;
    std::vector<Controller> controllers;
    std::vector<PhysicalDisk> disks;
    std::vector<LogicalDevice> arrays;
    std::vector<Enclosure> enclosures;
    Host host;
    // Disks pulled out of their bays; inserting one brings it back.
    std::vector<PhysicalDisk> pulled;

    bool operator==(const Model &) const = default;

    const PhysicalDisk *findDisk(uint64_t id) const;
    const LogicalDevice *findArray(uint64_t id) const;
    PhysicalDisk *findDisk(uint64_t id);
    LogicalDevice *findArray(uint64_t id);

    // Free extents of an initialized disk outside every array's extents (of
    // both layouts while a transform or rebuild runs);
    // zero for uninitialized, legacy and core devices.
    FreeSpace freeSpace(const PhysicalDisk &disk) const;
    // The same free extents as (start, length) pairs in sectors, in order.
    std::vector<std::pair<uint64_t, uint64_t>> freeExtents(const PhysicalDisk &disk) const;

    // Arrays the operating system sees as disks, with their drive numbers:
    // arrays without AttrNoOsDisk in array-number order take the lowest
    // numbers that no host disk uses.
    struct OsDisk {
        uint32_t driveNumber;
        const LogicalDevice *array;   // null for a host disk
        const HostDevice *hostDevice; // null for an array
    };
    std::vector<OsDisk> osDisks() const;
    std::optional<OsDisk> osDisk(uint32_t driveNumber) const;

    // Empty when the model is consistent, else the first problem found.
    std::string validate() const;
};

// The array type word and counts of the usual RAID levels.
struct ArrayShape {
    uint32_t typeCode;
    uint32_t firstCount;
    uint32_t secondCount;
};
enum class RaidLevel { Raid0, Raid1, Raid5, Raid6, Raid10, Volume };
// `members` is the number of member extents; returns nothing for a count the
// level cannot have (RAID1 needs 2, RAID5 3 or more, RAID10 an even 4 or more).
std::optional<ArrayShape> shapeFor(RaidLevel level, uint32_t members);

// The name the driver's type table gives the word and counts ("RAID5").
std::string arrayTypeName(uint32_t typeCode, uint32_t firstCount, uint32_t secondCount);

// The field lists that serialization and the state dump walk. `T` is the
// struct, possibly const; `v(name, field)` is called once per field.
template <class T, class V>
void visitFields(T &c, V &&v) requires std::is_same_v<std::remove_const_t<T>, CoreInfo>
{
    v("id", c.id);
    v("build", c.buildText);
}

template <class T, class V>
void visitFields(T &c, V &&v) requires std::is_same_v<std::remove_const_t<T>, Controller>
{
    v("id", c.id);
    v("number", c.number);
    v("kept", c.kept);
    v("name", c.name);
    v("bios", c.biosBuild);
    v("maxArraySize", c.maxArraySize);
    v("serial", c.serial);
    v("ports", c.ports);
    v("pciVendor", c.pciVendor);
    v("pciDevice", c.pciDevice);
    v("pciSubVendor", c.pciSubVendor);
    v("pciSubDevice", c.pciSubDevice);
    v("secondId", c.secondId);
    v("origPciVendor", c.origPciVendor);
    v("origPciDevice", c.origPciDevice);
    v("pciLocation", c.pciLocation);
}

template <class T, class V>
void visitFields(T &d, V &&v) requires std::is_same_v<std::remove_const_t<T>, PhysicalDisk>
{
    v("id", d.id);
    v("route", d.deviceRoute);
    v("kept", d.kept);
    v("kept24", d.kept24);
    v("capacity", d.capacity);
    v("type", d.type);
    v("state", d.state);
    v("globalSpare", d.globalSpare);
    v("features", d.features);
    v("portType", d.portType);
    v("firmware", d.firmware);
    v("model", d.model);
    v("serial", d.serial);
    v("vendor", d.vendor);
    v("controller", d.controller);
    v("channel", d.channel);
    v("identify", d.identify);
    v("smartFailing", d.smartFailing);
    v("powerOnHours", d.powerOnHours);
    v("prepared", d.preparedForRemoval);
}

template <class T, class V>
void visitFields(T &e, V &&v) requires std::is_same_v<std::remove_const_t<T>, Element>
{
    v("disk", e.diskId);
    v("kept", e.kept);
    v("start", e.start);
    v("size", e.size);
    v("dataOffset", e.dataOffset);
    v("dataSize", e.dataSize);
    v("error", e.errorFlags);
}

// Elements are not fields of the array line; they follow it.
template <class T, class V>
void visitFields(T &a, V &&v) requires std::is_same_v<std::remove_const_t<T>, LogicalDevice>
{
    v("id", a.id);
    v("route", a.deviceRoute);
    v("kept", a.kept);
    v("state", a.state);
    v("typeCode", a.typeCode);
    v("transformType", a.transformType);
    v("transformState", a.transformState);
    v("capacity", a.capacity);
    v("protectStart", a.transformProtectStart);
    v("generation", a.generation);
    v("copyFrom", a.copyFrom);
    v("copyTo", a.copyTo);
    v("first", a.firstCount);
    v("second", a.secondCount);
    v("protectSize", a.transformProtectSize);
    v("cacheTagSize", a.cacheTagSize);
    v("cache", a.cacheAttribute);
    v("progress", a.transformProgress);
    v("attributes", a.attributes);
    v("distributedSpares", a.distributedSpares);
    v("preferred", a.preferredElement);
    v("priority", a.taskPriority);
    v("references", a.referenceCount);
    v("name", a.name);
    v("parents", a.parents);
    v("spares", a.spares);
    v("sourceType", a.sourceTypeCode);
    v("sourceFirst", a.sourceFirstCount);
    v("sourceSecond", a.sourceSecondCount);
    v("sourceCapacity", a.sourceCapacity);
}

template <class T, class V>
void visitFields(T &e, V &&v) requires std::is_same_v<std::remove_const_t<T>, Enclosure>
{
    v("id", e.id);
    v("route", e.deviceRoute);
    v("controller", e.controller);
    v("kept", e.kept);
    v("vendor", e.vendor);
    v("product", e.product);
    v("revision", e.revision);
    v("serial", e.serial);
}

template <class T, class V>
void visitFields(T &h, V &&v) requires std::is_same_v<std::remove_const_t<T>, HostDevice>
{
    v("kind", h.kind);
    v("drive", h.driveNumber);
    v("port", h.port);
    v("path", h.path);
    v("target", h.target);
    v("lun", h.lun);
    v("vendor", h.vendor);
    v("product", h.product);
    v("revision", h.revision);
    v("serial", h.serial);
    v("capacity", h.capacity);
    v("removable", h.removable);
}

template <class T, class V>
void visitFields(T &vol, V &&v) requires std::is_same_v<std::remove_const_t<T>, Volume>
{
    v("letter", vol.letter);
    v("kind", vol.kind);
    v("array", vol.arrayId);
    v("hostDrive", vol.hostDrive);
    v("partition", vol.partition);
    v("start", vol.startBytes);
    v("length", vol.lengthBytes);
    v("inUse", vol.inUse);
}

template <class T, class V>
void visitFields(T &d, V &&v) requires std::is_same_v<std::remove_const_t<T>, DriverFile>
{
    v("name", d.name);
    v("image", d.imagePath);
    v("directory", d.directory);
    v("version", d.version);
    v("size", d.size);
    v("written", d.writeTime);
    v("loaded", d.loaded);
}

} // namespace kvemu
