// The host around the RAID driver as Windows storage queries see it: SCSI
// ports, physical drives and volumes, answered from the model with the byte
// layouts Windows defines on x64.
#pragma once

#include "model.h"

#include <cstdint>
#include <optional>
#include <string>

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
// `bytesReturned` is set on success.
uint32_t deviceIoControl(const Model &model, const Target &target, uint32_t code, const uint8_t *in,
                         uint32_t inLength, uint8_t *out, uint32_t outLength,
                         uint32_t &bytesReturned);

// GetDriveType on a root path "X:\".
int driveType(const Model &model, const std::string &rootPath);

// Sizes of the Windows structures involved.
inline constexpr uint32_t ScsiPassThroughSize = 56;
inline constexpr uint32_t InquiryLength = 36;
inline constexpr uint32_t InquiryRecordHeader = 12; // SCSI_INQUIRY_DATA without its data
inline constexpr uint32_t DiskExtentSize = 24;

} // namespace kvemu::host
