// Relating arrays to the host's disk numbers and drive letters through the
// standard storage queries.
#include "kv_channel.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr uint32_t OpenExisting = 3;
constexpr uint32_t ShareReadWrite = 0x1 | 0x2;
constexpr uint32_t InquiryBufferSize = 2048;
constexpr int InquiryAttempts = 4;
constexpr char ConfigurationInquiry[] = "OXV-RAIDConfiguration"; // 21 characters
constexpr char ArrayPageText[] = "OXV-RAID Array ";              // 15 characters

uint32_t readU32(const uint8_t *p)
{
    uint32_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

std::unique_ptr<kv::PlatformFile> openHostFile(const std::string &name)
{
    return kv::platform()->open(name, OpenExisting, ShareReadWrite, 0);
}

// True when any inquiry record of the adapter's bus table names the RAID
// configuration device. The table is SCSI_ADAPTER_BUS_INFO: a bus count, then
// 8-byte SCSI_BUS_DATA entries from offset 4, each pointing at a chain of
// SCSI_INQUIRY_DATA records (inquiry bytes from offset 12 of each record).
bool namesConfigurationDevice(const uint8_t *data, uint32_t length)
{
    if (length < 4)
        return false;
    const unsigned buses = data[0];
    for (unsigned bus = 0; bus < buses; ++bus) {
        const uint32_t entry = 4 + 8 * bus;
        if (entry + 8 > length)
            break;
        uint32_t record = readU32(data + entry + 4);
        // Each hop must move forward, so a hostile chain cannot loop.
        uint32_t previous = 0;
        while (record != 0 && record < InquiryBufferSize && record > previous) {
            constexpr uint32_t inquiryOffset = 12, identOffset = 8;
            const uint32_t ident = record + inquiryOffset + identOffset;
            if (ident + sizeof ConfigurationInquiry - 1 <= length &&
                std::memcmp(data + ident, ConfigurationInquiry, sizeof ConfigurationInquiry - 1) ==
                    0)
                return true;
            if (record + 12 > length)
                break;
            previous = record;
            record = readU32(data + record + 8);
        }
    }
    return false;
}

} // namespace

// What one host scan has read so far.
struct KV_HostScan::Seen {
    // The port list as KV_ListConfigPorts left it, and the failed inquiry's
    // error (0: the scan succeeded).
    bool portsRead = false;
    std::vector<int> ports;
    uint32_t portsError = 0;
    // By physical drive number: its array number and whether every query
    // behind it was answered.
    std::map<int, std::pair<int, bool>> drives;
    // By volume name: whether it opened, whether its extents were read, and
    // the disk numbers of its extents.
    struct Volume {
        bool opened = false;
        bool read = false;
        std::vector<uint32_t> disks;
    };
    std::map<std::string, Volume> volumes;
};

namespace {

// The scan of this thread's innermost live KV_HostScan, or null.
thread_local KV_HostScan::Seen *activeScan = nullptr;

} // namespace

KV_HostScan::KV_HostScan()
{
    if (activeScan == nullptr) {
        seen_ = std::make_unique<Seen>();
        activeScan = seen_.get();
    }
}

KV_HostScan::~KV_HostScan()
{
    if (seen_)
        activeScan = nullptr;
}

namespace {

// The configuration ports from the host; 0, or the error of the inquiry
// that failed all its attempts (the ports found before it stay listed).
uint32_t scanConfigPorts(std::vector<int> *ports)
{
    for (int n = 16; n >= 0; --n) {
        char name[32];
        std::snprintf(name, sizeof name, "\\\\.\\Scsi%d:", n);
        auto port = openHostFile(name);
        if (!port)
            continue;
        uint8_t data[InquiryBufferSize] = {};
        uint32_t returned = 0;
        uint32_t error = kv::winerr::InvalidHandle;
        for (int attempt = 0; attempt < InquiryAttempts && error != kv::winerr::Success; ++attempt)
            error = port->deviceIoControl(kv::ioctl::ScsiGetInquiryData, nullptr, 0, data,
                                          sizeof data, &returned);
        if (error != kv::winerr::Success)
            return error;
        if (namesConfigurationDevice(data, std::min<uint32_t>(returned, sizeof data)))
            ports->push_back(n);
    }
    return kv::winerr::Success;
}

} // namespace

KV_STS KV_ListConfigPorts(std::vector<int> *ports)
{
    if (ports == nullptr)
        return KV_STS_FAILURE;
    ports->clear();
    uint32_t error = kv::winerr::Success;
    if (KV_HostScan::Seen *scan = activeScan) {
        if (!scan->portsRead) {
            scan->portsError = scanConfigPorts(&scan->ports);
            scan->portsRead = true;
        }
        *ports = scan->ports;
        error = scan->portsError;
    } else {
        error = scanConfigPorts(ports);
    }
    if (error != kv::winerr::Success) {
        std::printf("Error on IOCTL_SCSI_GET_INQUIRY_DATA\n %d", int(error));
        return KV_STS_FAILURE;
    }
    return KV_STS_SUCCESS;
}

namespace {

// The array number that physical drive `diskNumber` presents, or -1 when it
// presents none. `answered` turns false when a query failed, so that -1 may
// be wrong.
int queryDiskArrayNumber(int diskNumber, bool &answered)
{
    if (diskNumber < 0)
        return -1;
    char name[40];
    std::snprintf(name, sizeof name, "\\\\.\\physicaldrive%d", diskNumber);
    auto drive = openHostFile(name);
    if (!drive) {
        answered = false;
        return -1;
    }

    uint8_t address[8] = {};
    uint32_t returned = 0;
    if (drive->deviceIoControl(kv::ioctl::ScsiGetAddress, nullptr, 0, address, sizeof address,
                               &returned) != kv::winerr::Success) {
        answered = false;
        return -1;
    }

    // SCSI_PASS_THROUGH followed by its data buffer at offset 56.
    constexpr uint32_t headerLength = 56, transferLength = 200;
    uint8_t request[256] = {};
    const uint16_t length = headerLength;
    std::memcpy(request + 0, &length, 2);
    request[3] = address[5]; // PathId
    request[4] = address[6]; // TargetId
    request[5] = address[7]; // Lun
    request[6] = 6;          // CDB length
    request[8] = 1;          // SCSI_IOCTL_DATA_IN
    std::memcpy(request + 12, &transferLength, 4);
    const uint32_t timeoutSeconds = 5;
    std::memcpy(request + 16, &timeoutSeconds, 4);
    const uint64_t dataOffset = headerLength;
    std::memcpy(request + 24, &dataOffset, 8);
    uint8_t *cdb = request + 36;
    cdb[0] = 0x12;                                 // INQUIRY
    cdb[1] = static_cast<uint8_t>(address[7] | 1); // vital product data
    cdb[2] = 0xD7;
    cdb[4] = transferLength;
    if (drive->deviceIoControl(kv::ioctl::ScsiPassThrough, request, sizeof request, request,
                               sizeof request, &returned) != kv::winerr::Success) {
        answered = false;
        return -1;
    }

    const char *data = reinterpret_cast<const char *>(request + headerLength);
    constexpr size_t prefix = sizeof ArrayPageText - 1;
    if (std::memcmp(data, ArrayPageText, prefix) != 0)
        return -1;
    int number = 0;
    bool any = false;
    for (size_t i = prefix; i < transferLength && data[i] >= '0' && data[i] <= '9'; ++i) {
        if (number > 100000000)
            return -1;
        number = number * 10 + (data[i] - '0');
        any = true;
    }
    return any ? number : -1;
}

// The same, asked of the host once per scan.
int diskArrayNumber(int diskNumber, bool &answered)
{
    KV_HostScan::Seen *scan = activeScan;
    if (scan == nullptr || diskNumber < 0)
        return queryDiskArrayNumber(diskNumber, answered);
    auto found = scan->drives.find(diskNumber);
    if (found == scan->drives.end()) {
        bool complete = true;
        const int number = queryDiskArrayNumber(diskNumber, complete);
        found = scan->drives.emplace(diskNumber, std::make_pair(number, complete)).first;
    }
    answered = answered && found->second.second;
    return found->second.first;
}

// Volume `volumeName` as the host shows it: whether it opens, whether its
// extents could be read, and the disk numbers of the extents.
KV_HostScan::Seen::Volume queryVolume(const std::string &volumeName)
{
    KV_HostScan::Seen::Volume volume;
    auto file = openHostFile("\\\\.\\" + volumeName);
    if (!file)
        return volume;
    volume.opened = true;
    // VOLUME_DISK_EXTENTS: a count, then 24-byte DISK_EXTENT entries from
    // offset 8 whose first word is the disk number.
    uint8_t extents[416] = {};
    uint32_t returned = 0;
    if (file->deviceIoControl(kv::ioctl::VolumeGetVolumeDiskExtents, nullptr, 0, extents,
                              sizeof extents, &returned) == kv::winerr::Success) {
        volume.read = true;
        const uint32_t count = readU32(extents);
        for (uint32_t i = 0; i < count && 8 + 24 * (i + 1) <= sizeof extents; ++i)
            volume.disks.push_back(readU32(extents + 8 + 24 * i));
    }
    return volume;
}

// The same, asked of the host once per scan; a volume that does not open
// is told on standard output every time.
KV_HostScan::Seen::Volume volumeOf(const std::string &volumeName)
{
    KV_HostScan::Seen *scan = activeScan;
    if (scan == nullptr) {
        KV_HostScan::Seen::Volume volume = queryVolume(volumeName);
        if (!volume.opened)
            std::printf("Invalid Handle\n");
        return volume;
    }
    auto found = scan->volumes.find(volumeName);
    if (found == scan->volumes.end())
        found = scan->volumes.emplace(volumeName, queryVolume(volumeName)).first;
    if (!found->second.opened)
        std::printf("Invalid Handle\n");
    return found->second;
}

} // namespace

int KV_GetDiskArrayNumber(int diskNumber)
{
    bool answered = true;
    return diskArrayNumber(diskNumber, answered);
}

KV_STS KV_FindArrayDisk(int /*arrayOrdinal*/, int arrayNumber, std::string *diskText)
{
    std::vector<int> ports;
    if (KV_ListConfigPorts(&ports) != KV_STS_SUCCESS)
        return KV_STS_FAILURE;
    for (int disk = 0; disk <= KV_MaxArrayDiskNumber; ++disk) {
        if (KV_GetDiskArrayNumber(disk) == arrayNumber) {
            if (diskText != nullptr)
                *diskText = std::to_string(disk);
            return KV_STS_SUCCESS;
        }
    }
    return KV_STS_FAILURE;
}

int KV_GetVolumeArrays(const std::string &volumeName, std::vector<int32_t> *arrays, bool *answered)
{
    bool complete = true;
    const int found = [&] {
        if (arrays == nullptr)
            return -1;
        const KV_HostScan::Seen::Volume volume = volumeOf(volumeName);
        const std::vector<uint32_t> &disks = volume.disks;
        if (!volume.opened || !volume.read)
            complete = false;
        std::vector<int> ports;
        if (KV_ListConfigPorts(&ports) != KV_STS_SUCCESS) {
            complete = false;
            return 0;
        }
        if (disks.empty())
            return 0;
        int appended = 0;
        for (uint32_t disk : disks) {
            const int array = diskArrayNumber(static_cast<int>(disk), complete);
            if (array >= 0) {
                arrays->push_back(array);
                ++appended;
            }
        }
        return appended;
    }();
    if (answered != nullptr)
        *answered = complete && found >= 0;
    return found;
}

KV_STS KV_ListFixedDrives(uint32_t length, char *buffer)
{
    if (buffer == nullptr || length == 0)
        return KV_STS_SUCCESS;
    std::memset(buffer, 0, length);
    std::vector<std::string> roots;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        roots.push_back(std::string(1, letter) + ":\\");
    const std::vector<int> types = kv::platform()->driveTypes(roots);
    uint32_t used = 0;
    for (size_t i = 0; i < roots.size() && i < types.size() && used + 1 < length; ++i) {
        if (types[i] == kv::drivetype::Fixed)
            buffer[used++] = roots[i][0];
    }
    return KV_STS_SUCCESS;
}
