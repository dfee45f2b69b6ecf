#include "demo_config.h"

namespace kvemu {

namespace {

constexpr uint64_t Sectors1TB = 1953525168; // a "1 TB" disk, 512-byte sectors
constexpr uint64_t Sectors4TB = 7814037168;
constexpr uint64_t Sectors2TB = 3907029168;
constexpr uint64_t MiB = 2048; // sectors

// The largest 1 MiB-aligned extent that fits a disk's usable area.
constexpr uint64_t wholeDiskExtent(uint64_t capacity)
{
    return (capacity - MetadataSectors) / MiB * MiB;
}

PhysicalDisk disk(uint64_t id, uint16_t route, uint32_t controller, uint32_t channel,
                  uint64_t capacity, const char *vendor, const char *model, const char *serial,
                  const char *firmware, uint32_t portType)
{
    PhysicalDisk d;
    d.id = id;
    d.deviceRoute = route;
    d.controller = controller;
    d.channel = channel;
    d.capacity = capacity;
    d.vendor = vendor;
    d.model = model;
    d.serial = serial;
    d.firmware = firmware;
    d.portType = portType;
    d.features = 0x0000000F;                      // NCQ, TRIM-capable, S.M.A.R.T., write cache
    d.powerOnHours = 1200 + uint32_t(id % 17000); // a few months to two years in service
    return d;
}

LogicalDevice array(uint64_t id, uint16_t number, const char *name, RaidLevel level,
                    const std::vector<uint64_t> &diskIds, uint64_t extent)
{
    const ArrayShape shape = *shapeFor(level, uint32_t(diskIds.size()));
    LogicalDevice a;
    a.id = id;
    a.deviceRoute = number;
    a.name = name;
    a.typeCode = shape.typeCode;
    a.firstCount = shape.firstCount;
    a.secondCount = shape.secondCount;
    a.generation = 1;
    a.cacheTagSize = 64;
    a.taskPriority = 2;
    for (uint64_t diskId : diskIds)
        a.elements.push_back({diskId, 0, 0, extent, 0, extent, 0});
    const uint64_t members = diskIds.size();
    switch (level) {
    case RaidLevel::Raid1:
        a.capacity = extent;
        break;
    case RaidLevel::Raid5:
        a.capacity = extent * (members - 1);
        break;
    case RaidLevel::Raid6:
        a.capacity = extent * (members - 2);
        break;
    case RaidLevel::Raid10:
        a.capacity = extent * members / 2;
        break;
    case RaidLevel::Raid0:
    case RaidLevel::Volume:
        a.capacity = extent * members;
        break;
    }
    return a;
}

} // namespace

Model demoModel()
{
    Model m;
    m.generation = 1;
    m.core = {0x4F58560000000001, "OXV RAID Core 3.2.1.1045 (2024-05-17)"};

    Controller sata;
    sata.id = 0x4F58564300000001;
    sata.number = 0;
    sata.name = "OXV RAID";
    sata.biosBuild = "3.2.0.1034";
    sata.maxArraySize = 0x0000100000000000; // 8 PiB in sectors
    sata.serial = 0x00A3F21C7E5B0410;
    sata.ports = 8;
    sata.pciVendor = 0x1E7A;
    sata.pciDevice = 0x0A52;
    // The board's own SATA and NVMe controllers carry the board maker's
    // subsystem; the driver presents its own vendor and device and keeps
    // the hardware's as the original ones.
    sata.pciSubVendor = 0x1043;
    sata.pciSubDevice = 0x8882;
    sata.secondId = 0x4F5856430000A001;
    sata.origPciVendor = 0x8086;
    sata.origPciDevice = 0x7AE2;
    sata.pciLocation = 0x00001700; // bus 0, device 23, function 0

    Controller nvme;
    nvme.id = 0x4F58564300000002;
    nvme.number = 1;
    nvme.name = "OXV NVMe RAID";
    nvme.biosBuild = "3.2.0.1034";
    nvme.maxArraySize = 0x0000100000000000;
    nvme.serial = 0x00A3F21C7E5B0411;
    nvme.ports = 4;
    nvme.pciVendor = 0x1E7A;
    nvme.pciDevice = 0x0A60;
    nvme.pciSubVendor = 0x1043;
    nvme.pciSubDevice = 0x8694;
    nvme.secondId = 0x4F5856430000A002;
    nvme.origPciVendor = 0x8086;
    nvme.origPciDevice = 0x09AB;
    nvme.pciLocation = 0x00000E00; // bus 0, device 14, function 0
    // An add-in SATA card with two ports, also driven by the RAID driver.
    Controller addIn = sata;
    addIn.id = 0x4F58564300000003;
    addIn.number = 2;
    addIn.name = "OXV RAID";
    addIn.serial = 0x00A3F21C7E5B0412;
    addIn.ports = 2;
    addIn.pciSubVendor = 0x1B21;
    addIn.pciSubDevice = 0x2116;
    addIn.secondId = 0x4F5856430000A003;
    addIn.origPciVendor = 0x1B21;
    addIn.origPciDevice = 0x1166;
    addIn.pciLocation = 0x00030000; // bus 3, device 0, function 0
    m.controllers = {sata, nvme, addIn};

    const uint32_t sataPort = rec::PortSata | rec::PortBehindRaidController;
    const uint32_t nvmePort = rec::PortNvme | rec::PortPcie | rec::PortBehindRaidController;
    m.disks = {
        disk(0x5002538F42A1B301, 1, 0, 0, Sectors1TB, "Samsung", "Samsung SSD 870 EVO 1TB",
             "S6PUNX0T512347L", "SVT02B6Q", sataPort),
        disk(0x5002538F42A1B302, 2, 0, 1, Sectors1TB, "Samsung", "Samsung SSD 870 EVO 1TB",
             "S6PUNX0T512352W", "SVT02B6Q", sataPort),
        disk(0x5000C500E1D2A401, 3, 0, 2, Sectors4TB, "Seagate", "ST4000NM000A-2HZ100", "WJG1A7K2",
             "TN04", sataPort),
        disk(0x5000C500E1D2A402, 4, 0, 3, Sectors4TB, "Seagate", "ST4000NM000A-2HZ100", "WJG1A7M9",
             "TN04", sataPort),
        disk(0x5000C500E1D2A403, 5, 0, 4, Sectors4TB, "Seagate", "ST4000NM000A-2HZ100", "WJG1A8C4",
             "TN04", sataPort),
        disk(0x5000C500E1D2A404, 6, 0, 5, Sectors4TB, "Seagate", "ST4000NM000A-2HZ100", "WJG1A8D1",
             "TN04", sataPort),
        disk(0x5000C500E1D2A405, 7, 0, 6, Sectors4TB, "Seagate", "ST4000NM000A-2HZ100", "WJG1B0F6",
             "TN04", sataPort),
        disk(0x50014EE2C0F1A501, 8, 0, 7, Sectors4TB, "WDC", "WDC WD40EFZX-68AWUN0",
             "WD-WX12D81ABCDE", "81.00B81", sataPort),
        disk(0x001B448B4A6C7201, 9, 1, 0, Sectors1TB, "WDC", "WD Blue SN570 1TB", "22110P801234",
             "234110WD", nvmePort),
        disk(0x001B448B4A6C7202, 10, 1, 1, Sectors1TB, "WDC", "WD Blue SN570 1TB", "22110P805678",
             "234110WD", nvmePort),
        disk(0x002538B921A3C301, 11, 1, 2, Sectors1TB, "Samsung", "Samsung SSD 980 PRO 1TB",
             "S5GXNX0T601234M", "5B2QGXA7", nvmePort),
        disk(0x00A0750143B2C401, 12, 1, 3, Sectors1TB, "Crucial", "CT1000P3SSD8", "2235E6543210",
             "P9CR30A", nvmePort),
    };
    // The add-in card: a disk with data from before the RAID driver (legacy),
    // and one handed through whole as a pass-through array.
    m.disks.push_back(disk(0x50014EE20A1B2C01, 13, 2, 0, Sectors1TB, "WDC", "WDC WD10EZEX-08WN4A0",
                           "WD-WCC6Y1234567", "01.01A01", sataPort));
    m.disks.push_back(disk(0x5000039A6B2C3D01, 14, 2, 1, Sectors2TB, "Toshiba",
                           "TOSHIBA DT01ACA200", "X9K1A2B3C", "MX4OABB0", sataPort));
    m.disks[12].type = rec::DiskTypeLegacy;
    // Solid-state disks trim; the backplane tells the driver before a bay is
    // opened.
    for (size_t i : {0, 1})
        m.disks[i].portType |= rec::PortSolidState | rec::PortSimpleTrim | rec::PortAdvancedTrim;
    for (size_t i : {8, 9, 10, 11})
        m.disks[i].portType |= rec::PortSimpleTrim | rec::PortAdvancedTrim;
    for (size_t i = 0; i < 8; ++i)
        m.disks[i].portType |= rec::PortInformedHotSwap;
    m.disks[7].globalSpare = true;
    m.disks[11].type = rec::DiskTypeUnknown; // brand new, never initialized

    const uint64_t ssdExtent = wholeDiskExtent(Sectors1TB);
    const uint64_t dataExtent = 6442450944; // 3 TiB of each 4 TB disk
    LogicalDevice system = array(0x4B56A00000000001, 1, "System", RaidLevel::Raid1,
                                 {m.disks[0].id, m.disks[1].id}, ssdExtent);
    system.cacheAttribute = rec::CacheRead | rec::CacheWrite;
    LogicalDevice data =
        array(0x4B56A00000000002, 2, "Data", RaidLevel::Raid5,
              {m.disks[2].id, m.disks[3].id, m.disks[4].id, m.disks[5].id}, dataExtent);
    data.cacheAttribute = rec::CacheRead;
    data.spares = {m.disks[6].id};
    LogicalDevice scratch = array(0x4B56A00000000003, 3, "Scratch", RaidLevel::Raid0,
                                  {m.disks[8].id, m.disks[9].id}, ssdExtent);
    scratch.cacheAttribute = rec::CacheRead | rec::CacheWrite;
    LogicalDevice legacy;
    legacy.id = 0x4B56A00000000004;
    legacy.deviceRoute = 4;
    legacy.name = "Legacy";
    legacy.typeCode = rec::TypeLegacy;
    legacy.firstCount = legacy.secondCount = 1;
    legacy.generation = 1;
    legacy.cacheTagSize = 64;
    legacy.taskPriority = 2;
    legacy.capacity = Sectors1TB; // a legacy disk has no metadata area: all of it is data
    legacy.elements.push_back({m.disks[12].id, 0, 0, Sectors1TB, 0, Sectors1TB, 0});
    LogicalDevice archive = legacy;
    archive.id = 0x4B56A00000000005;
    archive.deviceRoute = 5;
    archive.name = "Archive";
    archive.typeCode = rec::TypeRaidable;
    archive.capacity = wholeDiskExtent(Sectors2TB);
    archive.elements = {{m.disks[13].id, 0, 0, archive.capacity, 0, archive.capacity, 0}};
    m.arrays = {system, data, scratch, legacy, archive};

    Enclosure backplane;
    backplane.id = 0x4F58564500000001;
    backplane.deviceRoute = FirstEnclosureRoute;
    backplane.controller = 0;
    backplane.vendor = "OXV";
    backplane.product = "SATA 8-Bay BP";
    backplane.revision = "0107";
    backplane.serial = "BP2C0417";
    m.enclosures = {backplane};

    // The host: the RAID driver's adapter is SCSI port 2; the chipset's SATA
    // port 0 holds a DVD writer, a USB port 3 a memory stick.
    m.host.raidPort = 2;
    HostDevice dvd;
    dvd.kind = HostDevice::CdRom;
    dvd.port = 0;
    dvd.vendor = "HL-DT-ST";
    dvd.product = "DVDRAM GH24NSD1";
    dvd.revision = "LG00";
    dvd.serial = "K3LE8GB4512";
    dvd.removable = true;
    HostDevice stick;
    stick.kind = HostDevice::Disk;
    stick.driveNumber = 3;
    stick.port = 3;
    stick.vendor = "SanDisk";
    stick.product = "Ultra Fit";
    stick.revision = "1.00";
    stick.serial = "4C530001230812115423";
    stick.capacity = 60062500;
    stick.removable = true;
    m.host.devices = {dvd, stick};

    const uint64_t bytesPerSector = 512;
    const uint64_t systemStart = 290455552; // after the EFI and reserved partitions
    const uint64_t recovery = 786432000;    // recovery partition at the end
    const uint64_t dataStart = 17825792;    // after the reserved partition
    m.host.volumes = {
        {'C', Volume::OnArray, system.id, 0, 3, systemStart,
         system.capacity * bytesPerSector - systemStart - recovery},
        {'D', Volume::OnArray, data.id, 0, 2, dataStart,
         data.capacity * bytesPerSector - dataStart - MiB * bytesPerSector},
        {'E', Volume::OnArray, scratch.id, 0, 2, dataStart,
         scratch.capacity * bytesPerSector - dataStart - MiB * bytesPerSector},
        {'F', Volume::OnHostDisk, 0, 3, 1, MiB * bytesPerSector,
         stick.capacity * bytesPerSector - MiB * bytesPerSector},
        {'R', Volume::OnCdRom, 0, 0, 0, 0, 0},
    };
    m.host.drivers = demoDrivers();
    return m;
}

std::vector<DriverFile> demoDrivers()
{
    const std::string directory = "C:\\Windows\\System32\\drivers";
    // 2024-05-17 10:22:00 UTC, the core's build day, as a FILETIME.
    const uint64_t built = 133604149200000000ull;
    // The three registrations use the three forms of ImagePath Windows
    // writes: below SystemRoot, relative to it, and a full NT path.
    return {
        {"kvraid.sys", "\\SystemRoot\\System32\\drivers\\kvraid.sys", directory, "3.2.1.1045",
         431600, built, true},
        {"kvcfg.sys", "System32\\drivers\\kvcfg.sys", directory, "3.2.1.1045", 98304, built, true},
        {"kvbottom.sys", "\\??\\C:\\Windows\\System32\\drivers\\kvbottom.sys", directory,
         "3.2.1.1038", 61440, built - 36000000000ull, true},
    };
}

} // namespace kvemu
