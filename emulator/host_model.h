// The host around the RAID driver as Windows storage queries see it: SCSI
// ports, physical drives and volumes, answered from the model with the byte
// layouts Windows defines on x64.
#pragma once

#include "kv_platform.h"
#include "model.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kvemu::host {

struct Target {
    enum Kind { ScsiPort, PhysicalDrive, Volume };
    Kind kind;
    uint32_t number = 0; // port or drive number
    char letter = 0;     // volume letter, upper case
};

// "\\.\Scsi2:", "\\.\physicaldrive4", "\\.\C:" (case-insensitive); nothing
// for other names.
std::optional<Target> parseName(const std::string &name);

bool exists(const Model &model, const Target &target);

// DeviceIoControl on an open host device. Returns a Windows error number;
// `bytesReturned` is set on success. FSCTL_LOCK_VOLUME fails with
// ERROR_ACCESS_DENIED on a volume in use (the emulator also refuses a second
// opener's lock); FSCTL_DISMOUNT_VOLUME succeeds on every volume.
uint32_t deviceIoControl(const Model &model, const Target &target, uint32_t code, const uint8_t *in,
                         uint32_t inLength, uint8_t *out, uint32_t outLength,
                         uint32_t &bytesReturned);

// GetDriveType on a root path "X:\".
int driveType(const Model &model, const std::string &rootPath);

// --- Driver files ---------------------------------------------------------
// A string value under HKEY_LOCAL_MACHINE: the ImagePath of the driver
// services (key and value names compare case-insensitively).
bool registryString(const Model &model, const std::string &key, const std::string &value,
                    std::string &out);
// The base names of the loaded kernel drivers: the operating system's own,
// then the RAID driver's files that are loaded.
std::vector<std::string> loadedDrivers(const Model &model);
// FindFirstFile over "DIRECTORY\NAME" (NAME may hold * and ?): the driver
// files there with their version resources.
std::vector<kv::FileDescription> findFiles(const Model &model, const std::string &pattern);

// --- Disk devices and their removal --------------------------------------
// The present disk devices (the drives the operating system sees) in
// enumeration order. Device instance handles stay the same while a device is
// present: 0x200 + array number for arrays, 0x100 + position among the
// host's devices for the host's own disks.
std::vector<kv::DiskInterface> diskInterfaces(const Model &model);
// The drive an interface path names (case-insensitive), as a physical
// drive target.
std::optional<Target> interfaceTarget(const Model &model, const std::string &path);
// The device instance ID of a present device ("SCSI\Disk&Ven_...\..."),
// nothing when no device has that handle.
std::optional<std::string> deviceInstanceId(const Model &model, uint32_t deviceInstance);

// Sizes of the Windows structures involved.
inline constexpr uint32_t ScsiPassThroughSize = 56;
inline constexpr uint32_t InquiryLength = 36;
inline constexpr uint32_t InquiryRecordHeader = 12; // SCSI_INQUIRY_DATA without its data
inline constexpr uint32_t DiskExtentSize = 24;

} // namespace kvemu::host
