// The host interface the driver channel runs on.
//
// The channel speaks to the RAID driver and to the operating system's storage
// stack only through this interface. Names are the Windows device names the
// channel has always used ("\\.\KVConfig0", "\\.\Device3_2", "\\.\Scsi2:",
// "\\.\physicaldrive4", "\\.\C:"); each implementation maps them onto what it
// talks to. Two implementations exist: one that reaches the driver emulator's
// daemon over a Unix-domain socket, and one that calls an emulator object in
// the same process (for fast, deterministic tests).
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace kv {

// Windows error numbers that cross this interface. Completion errors are
// mapped to status codes by the channel: 0 is success, ERROR_HANDLE_EOF is the
// end of data, everything else is a failure.
namespace winerr {
inline constexpr uint32_t Success = 0;
inline constexpr uint32_t FileNotFound = 2;
inline constexpr uint32_t AccessDenied = 5;
inline constexpr uint32_t InvalidHandle = 6;
inline constexpr uint32_t NotReady = 21;
inline constexpr uint32_t HandleEof = 38;
inline constexpr uint32_t NotSupported = 50;
inline constexpr uint32_t InvalidParameter = 87;
inline constexpr uint32_t InsufficientBuffer = 122;
inline constexpr uint32_t Timeout = 1460;
inline constexpr uint32_t IoDevice = 1117;
} // namespace winerr

// Device I/O-control codes the channel and the service issue.
namespace ioctl {
inline constexpr uint32_t ScsiGetInquiryData = 0x0004100C;
inline constexpr uint32_t ScsiGetAddress = 0x00041018;
inline constexpr uint32_t ScsiPassThrough = 0x0004D004;
inline constexpr uint32_t VolumeGetVolumeDiskExtents = 0x00560000;
inline constexpr uint32_t StorageGetDeviceNumber = 0x002D1080;
inline constexpr uint32_t FsctlLockVolume = 0x00090018;
inline constexpr uint32_t FsctlDismountVolume = 0x00090020;
} // namespace ioctl

// GetDriveType results.
namespace drivetype {
inline constexpr int Unknown = 0;
inline constexpr int NoRootDir = 1;
inline constexpr int Removable = 2;
inline constexpr int Fixed = 3;
inline constexpr int Remote = 4;
inline constexpr int CdRom = 5;
} // namespace drivetype

// One open file on the host: a driver endpoint, a SCSI port, a physical
// drive or a volume. Destroying it closes it.
class PlatformFile {
public:
    virtual ~PlatformFile() = default;

    // Positioned transfers of exactly `count` bytes. Each returns a Windows
    // error number (winerr::Success when the whole transfer completed).
    virtual uint32_t read(void *buffer, uint64_t offset, uint32_t count) = 0;
    virtual uint32_t write(const void *buffer, uint64_t offset, uint32_t count) = 0;

    // DeviceIoControl: returns winerr::Success and the number of bytes placed
    // in `out`, or a Windows error number.
    virtual uint32_t deviceIoControl(uint32_t code, const void *in, uint32_t inLength, void *out,
                                     uint32_t outLength, uint32_t *bytesReturned) = 0;
};

// What FindFirstFile, GetFileAttributesEx and the version resource tell of
// one file.
struct FileDescription {
    std::string name; // the file name, without its directory
    uint32_t attributes = 0;
    // FILETIMEs: 100-nanosecond units since 1601-01-01, UTC.
    uint64_t creationTime = 0, lastAccessTime = 0, lastWriteTime = 0;
    uint64_t size = 0;
    // The resource's translations (VarFileInfo, Translation): language in
    // the high 16 bits, code page in the low; empty when it has none.
    std::vector<uint32_t> translations;
    // The version strings (StringFileInfo) by translation and name: the
    // translation as eight hexadecimal digits, a backslash and the name.
    std::vector<std::pair<std::string, std::string>> versionStrings;
    bool operator==(const FileDescription &) const = default;
};

// A present device that exposes the disk interface class
// {53F56307-B6BF-11D0-94F2-00A0C91EFB8B}: its device instance handle
// (DEVINST) and the path of its first interface of that class, which open()
// takes.
struct DiskInterface {
    uint32_t deviceInstance = 0;
    std::string path;
};

// Configuration manager results (CONFIGRET) and veto types (PNP_VETO_TYPE)
// of a device eject request.
namespace cmresult {
inline constexpr uint32_t Success = 0x00;
inline constexpr uint32_t NoSuchDevinst = 0x0D;
inline constexpr uint32_t Failure = 0x13;
inline constexpr uint32_t RemoveVetoed = 0x17;
} // namespace cmresult
namespace vetotype {
inline constexpr uint32_t None = 0; // PNP_VetoTypeUnknown: nothing named a reason
inline constexpr uint32_t OutstandingOpen = 6;
} // namespace vetotype

class Platform {
public:
    virtual ~Platform() = default;

    // CreateFile with the given creation disposition (1 CREATE_NEW,
    // 2 CREATE_ALWAYS, 3 OPEN_EXISTING, 4 OPEN_ALWAYS) and share and flag
    // words as Windows defines them. Returns null when the name cannot be
    // opened; `error` (if given) receives the Windows error number.
    virtual std::unique_ptr<PlatformFile> open(const std::string &name, uint32_t disposition,
                                               uint32_t shareMode, uint32_t flags,
                                               uint32_t *error = nullptr) = 0;

    // GetDriveTypeA on a root path such as "C:\".
    virtual int driveType(const std::string &rootPath) = 0;
    // driveType of each root path, in order. A platform whose questions are
    // costly asks them all at once.
    virtual std::vector<int> driveTypes(const std::vector<std::string> &rootPaths)
    {
        std::vector<int> types;
        types.reserve(rootPaths.size());
        for (const std::string &root : rootPaths)
            types.push_back(driveType(root));
        return types;
    }

    // GetSystemDirectoryA: where the operating system lives, such as
    // "C:\Windows\system32"; empty when it cannot be told.
    virtual std::string systemDirectory() { return "C:\\Windows\\system32"; }

    // GetComputerNameA; by default the host's name.
    virtual std::string computerName();

    // Whether the process token reports elevation (TokenElevation): the
    // right to run destructive commands. A platform that has no users to
    // tell apart (a test's host) grants it; the POSIX platform grants it to
    // root and to the user the emulator's daemon runs as.
    virtual bool processIsElevated() { return true; }

    // GetWindowsDirectoryA.
    virtual std::string windowsDirectory() { return "C:\\Windows"; }

    // ExpandEnvironmentStringsA.
    virtual std::string expandEnvironment(const std::string &text) { return text; }

    // A string value under HKEY_LOCAL_MACHINE\`key`; false when the key or
    // the value is missing.
    virtual bool registryString(const std::string & /*key*/, const std::string & /*value*/,
                                std::string * /*out*/)
    {
        return false;
    }

    // The base names of the loaded kernel drivers (EnumDeviceDrivers).
    virtual std::vector<std::string> loadedDrivers() { return {}; }

    // The files that match `pattern` ("C:\Windows\System32\drivers\kvraid.sys"),
    // as FindFirstFile walks them.
    virtual std::vector<FileDescription> findFiles(const std::string & /*pattern*/) { return {}; }

    // --- Device removal ----------------------------------------------------
    // Volumes are locked and dismounted, and storage device numbers read,
    // through open() and PlatformFile::deviceIoControl() with the ioctl codes
    // above.

    // SetupDiGetClassDevs over the present devices of the disk interface
    // class, walked with SetupDiEnumDeviceInterfaces and
    // SetupDiGetDeviceInterfaceDetail, in enumeration order. Returns a
    // Windows error number; by default there are none.
    virtual uint32_t diskInterfaces(std::vector<DiskInterface> *out)
    {
        out->clear();
        return winerr::Success;
    }

    // CM_Request_Device_EjectW on a device instance: a cmresult code. When
    // something vetoes the eject, `vetoType` and `vetoName` tell what (the
    // name fits the caller's buffer of 260 characters). By default no
    // device is known.
    virtual uint32_t requestDeviceEject(uint32_t /*deviceInstance*/, uint32_t *vetoType,
                                        std::string *vetoName)
    {
        *vetoType = vetotype::None;
        vetoName->clear();
        return cmresult::NoSuchDevinst;
    }

    // Sleep: every wait of the library (for a new array's task, before
    // drawing another array identifier) goes through here, so a test's
    // platform can let it pass at once.
    virtual void sleep(uint32_t milliseconds)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

// The platform every channel operation uses. It is given once, at start-up or
// in a test's set-up; until then a platform that reaches the emulator daemon
// through its default socket directory is used.
void setPlatform(std::shared_ptr<Platform> platform);
std::shared_ptr<Platform> platform();

} // namespace kv
