#include "host_model.h"

#include "byte_order.h"
#include "kv_platform.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <tuple>
#include <vector>

namespace kvemu::host {

using bytes::get;
using bytes::put;
using bytes::putText;
namespace winerr = kv::winerr;

namespace {

constexpr uint32_t FileDeviceCdRom = 2;
constexpr uint32_t FileDeviceDisk = 7;
constexpr uint8_t ScsiStatusGood = 0;
constexpr uint8_t ScsiStatusCheckCondition = 2;
constexpr uint8_t PeripheralDisk = 0x00;
constexpr uint8_t PeripheralProcessor = 0x03;
constexpr uint8_t PeripheralCdRom = 0x05;
constexpr uint8_t ArrayNumberPage = 0xD7;

bool startsWithNoCase(const std::string &text, const char *prefix, size_t &rest)
{
    const size_t n = std::strlen(prefix);
    if (text.size() < n)
        return false;
    for (size_t i = 0; i < n; ++i)
        if (std::tolower(uint8_t(text[i])) != std::tolower(uint8_t(prefix[i])))
            return false;
    rest = n;
    return true;
}

// A decimal number without sign or leading zeros, below 2^31.
bool parseNumber(const std::string &text, size_t begin, size_t end, uint32_t &out)
{
    if (begin >= end || end - begin > 9 || (text[begin] == '0' && end - begin > 1))
        return false;
    uint32_t value = 0;
    for (size_t i = begin; i < end; ++i) {
        if (!std::isdigit(uint8_t(text[i])))
            return false;
        value = value * 10 + uint32_t(text[i] - '0');
    }
    out = value;
    return true;
}

// One logical unit on a SCSI port.
struct Unit {
    uint8_t path, target, lun;
    bool claimed;
    uint8_t inquiry[InquiryLength];
};

void standardInquiry(uint8_t *data, uint8_t peripheral, bool removable, const std::string &vendor,
                     const std::string &product, const std::string &revision)
{
    std::memset(data, 0, InquiryLength);
    data[0] = peripheral;
    data[1] = removable ? 0x80 : 0;
    data[2] = 0x05; // SPC-3
    data[3] = 0x02; // response data format
    data[4] = InquiryLength - 5;
    data[7] = 0x02; // command queuing
    putText(data, 8, 8, vendor, ' ');
    putText(data, 16, 16, product, ' ');
    putText(data, 32, 4, revision, ' ');
}

struct ArrayAddress {
    uint8_t path, target;
};
// Arrays sit on bus 1 of the RAID port, target = array number; the
// configuration device is bus 0, target 0.
ArrayAddress arrayAddress(const LogicalDevice &array)
{
    return {1, uint8_t(array.deviceRoute)};
}

std::string arrayProduct(const LogicalDevice &array)
{
    return "Array " + std::to_string(array.deviceRoute);
}

std::vector<Unit> unitsOf(const Model &model, uint32_t port)
{
    std::vector<Unit> units;
    if (port == model.host.raidPort) {
        Unit config{0, 0, 0, false, {}};
        standardInquiry(config.inquiry, PeripheralProcessor, false, "OXV-RAID", "Configuration",
                        "3.21");
        units.push_back(config);
        for (const Model::OsDisk &disk : model.osDisks()) {
            if (disk.array == nullptr)
                continue;
            const ArrayAddress address = arrayAddress(*disk.array);
            Unit unit{address.path, address.target, 0, true, {}};
            standardInquiry(unit.inquiry, PeripheralDisk, false, "OXV-RAID",
                            arrayProduct(*disk.array), "3.21");
            units.push_back(unit);
        }
    }
    for (const HostDevice &device : model.host.devices) {
        if (device.port != port)
            continue;
        Unit unit{uint8_t(device.path), uint8_t(device.target), uint8_t(device.lun), true, {}};
        standardInquiry(unit.inquiry,
                        device.kind == HostDevice::CdRom ? PeripheralCdRom : PeripheralDisk,
                        device.removable, device.vendor, device.product, device.revision);
        units.push_back(unit);
    }
    std::sort(units.begin(), units.end(), [](const Unit &a, const Unit &b) {
        return std::tie(a.path, a.target, a.lun) < std::tie(b.path, b.target, b.lun);
    });
    return units;
}

// SCSI_ADAPTER_BUS_INFO followed by the chains of SCSI_INQUIRY_DATA, one
// chain per bus; offsets are from the start of the buffer.
uint32_t inquiryData(const Model &model, uint32_t port, uint8_t *out, uint32_t outLength,
                     uint32_t &returned)
{
    const std::vector<Unit> units = unitsOf(model, port);
    const uint32_t buses = units.empty() ? 0 : uint32_t(units.back().path) + 1;
    const uint32_t recordSize = (InquiryRecordHeader + InquiryLength + 7) & ~7u;
    const uint32_t header = 4 + 8 * buses;
    const uint32_t needed = header + recordSize * uint32_t(units.size());
    if (outLength < needed)
        return winerr::InsufficientBuffer;
    std::memset(out, 0, needed);
    out[0] = uint8_t(buses);
    uint32_t offset = header;
    for (uint32_t bus = 0; bus < buses; ++bus) {
        uint8_t *busData = out + 4 + 8 * bus;
        busData[1] = 7; // initiator id
        uint32_t previous = 0;
        for (const Unit &unit : units) {
            if (unit.path != bus)
                continue;
            if (busData[0]++ == 0)
                put<uint32_t>(busData, 4, offset);
            else
                put<uint32_t>(out, previous + 8, offset);
            uint8_t *record = out + offset;
            record[0] = unit.path;
            record[1] = unit.target;
            record[2] = unit.lun;
            record[3] = unit.claimed ? 1 : 0;
            put<uint32_t>(record, 4, InquiryLength);
            put<uint32_t>(record, 8, 0); // end of chain until a successor is linked
            std::memcpy(record + InquiryRecordHeader, unit.inquiry, InquiryLength);
            previous = offset;
            offset += recordSize;
        }
    }
    returned = needed;
    return winerr::Success;
}

struct DriveAddress {
    uint8_t port, path, target, lun;
};

std::optional<DriveAddress> driveAddress(const Model &model, const Model::OsDisk &disk)
{
    if (disk.array != nullptr) {
        const ArrayAddress address = arrayAddress(*disk.array);
        return DriveAddress{uint8_t(model.host.raidPort), address.path, address.target, 0};
    }
    const HostDevice &d = *disk.hostDevice;
    return DriveAddress{uint8_t(d.port), uint8_t(d.path), uint8_t(d.target), uint8_t(d.lun)};
}

// The data an INQUIRY returns from a drive, or nothing when the drive does
// not support the page.
std::optional<std::vector<uint8_t>> inquiryPayload(const Model::OsDisk &disk, bool evpd,
                                                   uint8_t page)
{
    std::vector<uint8_t> data;
    const std::string serial =
        disk.array != nullptr ? "OXVA" + std::to_string(disk.array->id) : disk.hostDevice->serial;
    if (!evpd) {
        if (page != 0)
            return std::nullopt;
        data.resize(InquiryLength);
        if (disk.array != nullptr)
            standardInquiry(data.data(), PeripheralDisk, false, "OXV-RAID",
                            arrayProduct(*disk.array), "3.21");
        else
            standardInquiry(data.data(), PeripheralDisk, disk.hostDevice->removable,
                            disk.hostDevice->vendor, disk.hostDevice->product,
                            disk.hostDevice->revision);
        return data;
    }
    switch (page) {
    case 0x00: { // supported pages
        data = {PeripheralDisk, 0x00, 0, 0, 0x00, 0x80};
        if (disk.array != nullptr)
            data.push_back(ArrayNumberPage);
        data[3] = uint8_t(data.size() - 4);
        return data;
    }
    case 0x80: { // unit serial number
        data = {PeripheralDisk, 0x80, 0, uint8_t(serial.size())};
        data.insert(data.end(), serial.begin(), serial.end());
        return data;
    }
    case ArrayNumberPage: {
        if (disk.array == nullptr)
            return std::nullopt;
        const std::string text = "OXV-RAID Array " + std::to_string(disk.array->deviceRoute);
        data.assign(text.begin(), text.end());
        data.push_back(0);
        return data;
    }
    default:
        return std::nullopt;
    }
}

// IOCTL_SCSI_PASS_THROUGH: the SCSI_PASS_THROUGH structure (x64) and its data
// buffer share one caller buffer used for input and output.
uint32_t passThrough(const Model::OsDisk &disk, const uint8_t *in, uint32_t inLength, uint8_t *out,
                     uint32_t outLength, uint32_t &returned)
{
    if (in == nullptr || out == nullptr || inLength < ScsiPassThroughSize)
        return winerr::InvalidParameter;
    if (outLength < ScsiPassThroughSize)
        return winerr::InsufficientBuffer;
    const uint32_t length = get<uint16_t>(in, 0);
    const uint8_t cdbLength = in[6];
    const uint8_t senseLength = in[7];
    const uint8_t dataIn = in[8];
    const uint32_t transferLength = get<uint32_t>(in, 12);
    const uint64_t dataOffset = get<uint64_t>(in, 24);
    const uint32_t senseOffset = get<uint32_t>(in, 32);
    const uint32_t buffer = std::min(inLength, outLength);
    if (length != ScsiPassThroughSize || cdbLength < 6 || cdbLength > 16)
        return winerr::InvalidParameter;
    if (transferLength > 0 && (dataOffset < ScsiPassThroughSize || dataOffset > buffer ||
                               transferLength > buffer - dataOffset))
        return winerr::InvalidParameter;
    if (senseLength > 0 && (senseOffset < ScsiPassThroughSize || senseOffset > buffer ||
                            senseLength > buffer - senseOffset))
        return winerr::InvalidParameter;
    const uint8_t *cdb = in + 36;

    std::vector<uint8_t> scratch(in, in + buffer); // in and out may be the same memory
    uint8_t *result = scratch.data();
    auto checkCondition = [&](uint8_t asc) {
        result[2] = ScsiStatusCheckCondition;
        put<uint32_t>(result, 12, 0);
        if (senseLength > 0) {
            uint8_t sense[18] = {0x70, 0, 0x05 /* illegal request */, 0, 0, 0, 0, 10};
            sense[12] = asc;
            const uint32_t n = std::min<uint32_t>(senseLength, sizeof sense);
            std::memcpy(result + senseOffset, sense, n);
            result[7] = uint8_t(n);
        }
    };
    result[2] = ScsiStatusGood;
    if (cdb[0] != 0x12) {
        checkCondition(0x20); // invalid command operation code
    } else if (dataIn != 1) {
        return winerr::InvalidParameter; // an INQUIRY moves data to the caller
    } else {
        const bool evpd = (cdb[1] & 1) != 0;
        const uint32_t allocation = uint32_t(cdb[3]) << 8 | cdb[4];
        const auto payload = inquiryPayload(disk, evpd, cdb[2]);
        if (!payload) {
            checkCondition(0x24); // invalid field in CDB
        } else {
            const uint32_t n =
                std::min<uint32_t>({uint32_t(payload->size()), allocation, transferLength});
            std::memcpy(result + dataOffset, payload->data(), n);
            put<uint32_t>(result, 12, n);
            if (senseLength > 0)
                result[7] = 0;
        }
    }
    const uint32_t moved = get<uint32_t>(result, 12);
    std::memcpy(out, result, buffer);
    returned = moved > 0 ? uint32_t(dataOffset) + moved : ScsiPassThroughSize;
    return winerr::Success;
}

uint32_t storageDeviceNumber(uint32_t type, uint32_t number, uint32_t partition, uint8_t *out,
                             uint32_t outLength, uint32_t &returned)
{
    if (out == nullptr || outLength < 12)
        return winerr::InsufficientBuffer;
    put<uint32_t>(out, 0, type);
    put<uint32_t>(out, 4, number);
    put<uint32_t>(out, 8, partition);
    returned = 12;
    return winerr::Success;
}

const Volume *findVolume(const Model &model, char letter)
{
    for (const Volume &v : model.host.volumes)
        if (v.letter == letter)
            return &v;
    return nullptr;
}

// The physicaldrive number a volume lives on.
std::optional<uint32_t> volumeDisk(const Model &model, const Volume &volume)
{
    if (volume.kind == Volume::OnHostDisk)
        return volume.hostDrive;
    if (volume.kind != Volume::OnArray)
        return std::nullopt;
    for (const Model::OsDisk &disk : model.osDisks())
        if (disk.array != nullptr && disk.array->id == volume.arrayId)
            return disk.driveNumber;
    return std::nullopt; // the array is hidden from the operating system
}

uint32_t volumeIoctl(const Model &model, const Volume &volume, uint32_t code, uint8_t *out,
                     uint32_t outLength, uint32_t &returned)
{
    const std::optional<uint32_t> disk = volumeDisk(model, volume);
    switch (code) {
    case kv::ioctl::VolumeGetVolumeDiskExtents: {
        if (!disk)
            return volume.kind == Volume::OnCdRom ? winerr::NotSupported : winerr::NotReady;
        const uint32_t needed = 8 + DiskExtentSize;
        if (out == nullptr || outLength < needed)
            return winerr::InsufficientBuffer;
        std::memset(out, 0, needed);
        put<uint32_t>(out, 0, 1);
        put<uint32_t>(out, 8, *disk);
        put<uint64_t>(out, 16, volume.startBytes);
        put<uint64_t>(out, 24, volume.lengthBytes);
        returned = needed;
        return winerr::Success;
    }
    case kv::ioctl::FsctlLockVolume:
        return volume.inUse ? winerr::AccessDenied : winerr::Success;
    case kv::ioctl::FsctlDismountVolume:
        return winerr::Success;
    case kv::ioctl::StorageGetDeviceNumber:
        if (volume.kind == Volume::OnCdRom)
            return storageDeviceNumber(FileDeviceCdRom, volume.hostDrive, 0xFFFFFFFFu, out,
                                       outLength, returned);
        if (!disk)
            return winerr::NotReady;
        return storageDeviceNumber(FileDeviceDisk, *disk, volume.partition, out, outLength,
                                   returned);
    default:
        return winerr::NotSupported;
    }
}

bool equalsNoCase(const std::string &a, const std::string &b)
{
    size_t rest = 0;
    return a.size() == b.size() && startsWithNoCase(a, b.c_str(), rest);
}

// A file-name pattern with * and ?, case-insensitive, as FindFirstFile
// matches it.
bool matchesPattern(const char *name, const char *pattern)
{
    if (*pattern == '\0')
        return *name == '\0';
    if (*pattern == '*')
        return matchesPattern(name, pattern + 1) ||
               (*name != '\0' && matchesPattern(name + 1, pattern));
    if (*name == '\0')
        return false;
    if (*pattern != '?' && std::tolower(uint8_t(*pattern)) != std::tolower(uint8_t(*name)))
        return false;
    return matchesPattern(name + 1, pattern + 1);
}

// The kernel modules every Windows host has loaded before and around the
// storage stack.
const char *const systemDrivers[] = {
    "ntoskrnl.exe", "hal.dll",      "kdcom.dll",    "CI.dll",    "ACPI.sys",    "pci.sys",
    "storport.sys", "storahci.sys", "stornvme.sys", "disk.sys",  "partmgr.sys", "volmgr.sys",
    "volsnap.sys",  "Ntfs.sys",     "usbstor.sys",  "cdrom.sys", "tcpip.sys",
};

constexpr const char *DiskInterfaceClass = "{53f56307-b6bf-11d0-94f2-00a0c91efb8b}";
constexpr uint32_t ArrayInstanceBase = 0x200;
constexpr uint32_t HostDiskInstanceBase = 0x100;

std::string instanceIdText(const std::string &text)
{
    std::string out;
    for (char c : text)
        out += c == ' ' ? '_' : c;
    return out;
}

struct PresentDisk {
    uint32_t deviceInstance;
    uint32_t driveNumber;
    std::string instanceId; // "SCSI\Disk&Ven_OXV-RAID&Prod_Array_2\4&2c1f0a02&0&010200"
};

std::vector<PresentDisk> presentDisks(const Model &model)
{
    std::vector<PresentDisk> disks;
    for (const Model::OsDisk &disk : model.osDisks()) {
        const DriveAddress address = *driveAddress(model, disk);
        uint32_t instance = 0;
        std::string vendor, product;
        if (disk.array != nullptr) {
            instance = ArrayInstanceBase + disk.array->deviceRoute;
            vendor = "OXV-RAID";
            product = arrayProduct(*disk.array);
        } else {
            instance = HostDiskInstanceBase + uint32_t(disk.hostDevice - model.host.devices.data());
            vendor = disk.hostDevice->vendor;
            product = disk.hostDevice->product;
        }
        char location[48];
        std::snprintf(location, sizeof location, "4&%08x&0&%02x%02x%02x",
                      0x2c1f0a00u | address.port, address.path, address.target, address.lun);
        disks.push_back({instance, disk.driveNumber,
                         "SCSI\\Disk&Ven_" + instanceIdText(vendor) + "&Prod_" +
                             instanceIdText(product) + "\\" + location});
    }
    return disks;
}

// "\\?\" + the instance ID in lower case with "#" for "\" + "#" + the class.
std::string interfacePath(const PresentDisk &disk)
{
    std::string path = "\\\\?\\";
    for (char c : disk.instanceId)
        path += c == '\\' ? '#' : char(std::tolower(uint8_t(c)));
    return path + "#" + DiskInterfaceClass;
}

} // namespace

bool registryString(const Model &model, const std::string &key, const std::string &value,
                    std::string &out)
{
    size_t rest = 0;
    if (!startsWithNoCase(key, "SYSTEM\\CurrentControlSet\\Services\\", rest) ||
        !equalsNoCase(value, "ImagePath"))
        return false;
    const std::string service = key.substr(rest);
    for (const DriverFile &driver : model.host.drivers) {
        const std::string name = driver.name.substr(0, driver.name.rfind('.'));
        if (equalsNoCase(service, name) && !driver.imagePath.empty()) {
            out = driver.imagePath;
            return true;
        }
    }
    return false;
}

std::vector<std::string> loadedDrivers(const Model &model)
{
    std::vector<std::string> names(std::begin(systemDrivers), std::end(systemDrivers));
    for (const DriverFile &driver : model.host.drivers)
        if (driver.loaded)
            names.push_back(driver.name);
    return names;
}

std::vector<kv::FileDescription> findFiles(const Model &model, const std::string &pattern)
{
    std::vector<kv::FileDescription> found;
    const size_t slash = pattern.rfind('\\');
    if (slash == std::string::npos)
        return found;
    const std::string directory = pattern.substr(0, slash);
    const std::string namePattern = pattern.substr(slash + 1);
    constexpr uint32_t ArchiveAttribute = 0x20;
    constexpr uint32_t UsEnglishUnicode = 0x040904B0;
    for (const DriverFile &driver : model.host.drivers) {
        if (!equalsNoCase(directory, driver.directory) ||
            !matchesPattern(driver.name.c_str(), namePattern.c_str()))
            continue;
        kv::FileDescription file;
        file.name = driver.name;
        file.attributes = ArchiveAttribute;
        file.creationTime = file.lastAccessTime = file.lastWriteTime = driver.writeTime;
        file.size = driver.size;
        if (!driver.version.empty()) {
            file.translations = {UsEnglishUnicode};
            const std::string stem = driver.name.substr(0, driver.name.rfind('.'));
            const std::pair<const char *, std::string> strings[] = {
                {"CompanyName", "OXV Storage Systems"},
                {"FileDescription", "OXV RAID " + stem + " driver"},
                {"FileVersion", driver.version},
                {"InternalName", driver.name},
                {"LegalCopyright", "Copyright (C) 2024 OXV Storage Systems"},
                {"OriginalFilename", driver.name},
                {"ProductName", "OXV RAID"},
                {"ProductVersion", driver.version},
            };
            for (const auto &[name, text] : strings)
                file.versionStrings.emplace_back(std::string("040904b0\\") + name, text);
        }
        found.push_back(std::move(file));
    }
    return found;
}

std::vector<kv::DiskInterface> diskInterfaces(const Model &model)
{
    std::vector<kv::DiskInterface> interfaces;
    for (const PresentDisk &disk : presentDisks(model))
        interfaces.push_back({disk.deviceInstance, interfacePath(disk)});
    return interfaces;
}

std::optional<Target> interfaceTarget(const Model &model, const std::string &path)
{
    for (const PresentDisk &disk : presentDisks(model))
        if (equalsNoCase(path, interfacePath(disk)))
            return Target{Target::PhysicalDrive, disk.driveNumber, 0};
    return std::nullopt;
}

std::optional<std::string> deviceInstanceId(const Model &model, uint32_t deviceInstance)
{
    for (const PresentDisk &disk : presentDisks(model))
        if (disk.deviceInstance == deviceInstance)
            return disk.instanceId;
    return std::nullopt;
}

std::optional<Target> parseName(const std::string &name)
{
    size_t rest = 0;
    if (!startsWithNoCase(name, "\\\\.\\", rest))
        return std::nullopt;
    const std::string tail = name.substr(rest);
    uint32_t number = 0;
    if (startsWithNoCase(tail, "scsi", rest) && tail.size() > rest + 1 && tail.back() == ':' &&
        parseNumber(tail, rest, tail.size() - 1, number))
        return Target{Target::ScsiPort, number, 0};
    if (startsWithNoCase(tail, "physicaldrive", rest) &&
        parseNumber(tail, rest, tail.size(), number))
        return Target{Target::PhysicalDrive, number, 0};
    if (tail.size() == 2 && tail[1] == ':' && std::isalpha(uint8_t(tail[0])))
        return Target{Target::Volume, 0, char(std::toupper(uint8_t(tail[0])))};
    return std::nullopt;
}

bool exists(const Model &model, const Target &target)
{
    switch (target.kind) {
    case Target::ScsiPort:
        return !unitsOf(model, target.number).empty();
    case Target::PhysicalDrive:
        return model.osDisk(target.number).has_value();
    case Target::Volume:
        return findVolume(model, target.letter) != nullptr;
    }
    return false;
}

uint32_t deviceIoControl(const Model &model, const Target &target, uint32_t code, const uint8_t *in,
                         uint32_t inLength, uint8_t *out, uint32_t outLength,
                         uint32_t &bytesReturned)
{
    bytesReturned = 0;
    switch (target.kind) {
    case Target::ScsiPort:
        if (code != kv::ioctl::ScsiGetInquiryData)
            return winerr::NotSupported;
        if (out == nullptr)
            return winerr::InsufficientBuffer;
        return inquiryData(model, target.number, out, outLength, bytesReturned);
    case Target::PhysicalDrive: {
        const std::optional<Model::OsDisk> disk = model.osDisk(target.number);
        if (!disk)
            return winerr::FileNotFound; // the drive went away while open
        switch (code) {
        case kv::ioctl::ScsiGetAddress: {
            if (out == nullptr || outLength < 8)
                return winerr::InsufficientBuffer;
            const DriveAddress address = *driveAddress(model, *disk);
            put<uint32_t>(out, 0, 8);
            out[4] = address.port;
            out[5] = address.path;
            out[6] = address.target;
            out[7] = address.lun;
            bytesReturned = 8;
            return winerr::Success;
        }
        case kv::ioctl::ScsiPassThrough:
            return passThrough(*disk, in, inLength, out, outLength, bytesReturned);
        case kv::ioctl::StorageGetDeviceNumber:
            return storageDeviceNumber(FileDeviceDisk, target.number, 0, out, outLength,
                                       bytesReturned);
        default:
            return winerr::NotSupported;
        }
    }
    case Target::Volume: {
        const Volume *volume = findVolume(model, target.letter);
        if (volume == nullptr)
            return winerr::FileNotFound;
        return volumeIoctl(model, *volume, code, out, outLength, bytesReturned);
    }
    }
    return winerr::NotSupported;
}

int driveType(const Model &model, const std::string &rootPath)
{
    if (rootPath.size() != 3 || rootPath[1] != ':' || rootPath[2] != '\\' ||
        !std::isalpha(uint8_t(rootPath[0])))
        return kv::drivetype::NoRootDir;
    const Volume *volume = findVolume(model, char(std::toupper(uint8_t(rootPath[0]))));
    if (volume == nullptr)
        return kv::drivetype::NoRootDir;
    switch (volume->kind) {
    case Volume::OnCdRom:
        return kv::drivetype::CdRom;
    case Volume::OnHostDisk:
        for (const HostDevice &device : model.host.devices)
            if (device.kind == HostDevice::Disk && device.driveNumber == volume->hostDrive)
                return device.removable ? kv::drivetype::Removable : kv::drivetype::Fixed;
        return kv::drivetype::Fixed;
    default:
        return kv::drivetype::Fixed;
    }
}

} // namespace kvemu::host
