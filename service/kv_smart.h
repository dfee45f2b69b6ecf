// S.M.A.R.T. data of a disk as the driver returns it, and the texts the
// console makes of it: the three values the disk lists show and the full
// attribute report of the logs.
//
// Two layouts come back: the ATA attribute table of a SATA disk (a 16-bit
// version, then 30 entries of 12 bytes: identifier, flags, current value,
// worst value, a 48-bit little-endian raw value and the threshold) and the
// NVMe SMART/Health Information log page of an NVMe disk. Every reader here
// takes the data as a span and treats bytes beyond its end as zero.
#pragma once

#include <QString>

#include <cstdint>
#include <span>

// What GetSmartInfo and RetrieveAllSmartInfo return; the report fills only
// the status.
struct KV_SmartInfo {
    QString status;
    QString powerOnHours;
    QString temperature;
    QString powerCycles;
};

// The disk sub-operations that return the data, and the length read.
inline constexpr uint32_t KV_SmartNvmeHealthPage = 0x4010;
inline constexpr uint32_t KV_SmartAtaAttributes = 0x4014;
inline constexpr uint32_t KV_SmartBufferLength = 8192;

// The status before anything is known, and when the disk has no data.
inline constexpr char KV_SmartFailedText[] = "Failed";
inline constexpr char KV_SmartNotSupportedText[] =
    "Device reports no SMART Attribute values, or not supported.\n";

using KV_SmartData = std::span<const uint8_t>;

// The name of an ATA attribute padded with blanks to 22 characters; empty
// for an identifier the console does not name.
QString KV_SmartAttributeName(int id);

// True when the data holds an ATA attribute table: its version is not 0
// and the version's low byte is not 0xFF.
bool KV_SmartAtaValid(KV_SmartData data);

// The text of a temperature attribute's six raw bytes: the reading, and the
// lifetime minimum and maximum when the other bytes hold them.
QString KV_SmartTemperatureRawText(const uint8_t raw[6]);

// Fills power-on hours, temperature and power cycles from the data: an
// NVMe disk's from the health page; any other disk's from the ATA table
// when it is valid (attribute 190 counts only on a SATA solid-state disk).
void KV_SmartFillValues(KV_SmartInfo &info, KV_SmartData data, bool nvme, bool sataSolidState);

// The attribute report of the logs; empty when the ATA table is not valid.
QString KV_SmartAtaReport(KV_SmartData data);
QString KV_SmartNvmeReport(KV_SmartData data);
