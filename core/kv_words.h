// The words that name the values of the device records' type and state
// fields, as the configuration dump writes them and the application reads
// them back. Every function returns a static text and never null.
#pragma once

#include <cstdint>

// Physical device type: Disk, Core (the core's own pseudo-device), Legacy,
// else Unknown.
inline constexpr uint32_t KV_PhysicalTypeDisk = 0x1200;
inline constexpr uint32_t KV_PhysicalTypeCore = 0x1201;
inline constexpr uint32_t KV_PhysicalTypeLegacy = 0x1203;
const char *KV_PhysicalTypeWord(uint32_t type);

// Physical device state: Online, Offline, SMART_error, Locked, else Unknown.
const char *KV_PhysicalStateWord(uint32_t state);

// Global spare field: "Y" for 0x100, "N" otherwise.
const char *KV_GlobalSpareWord(uint32_t globalSpare);

// Logical device state. NORMAL reads READY while the array is still being
// created (transform type CREATE).
inline constexpr uint32_t KV_TransformCreate = 0x5355;
const char *KV_LogicalStateWord(uint32_t state, uint32_t transformType);

// Array type from the type code and the two counts (member sets, members
// per set): RAID5, RAID50, RAID1, RAID1N, RAID0, RAID10, RAID10N, VOLUME,
// LEGACY, RAID6, RAID60, RAIDABLE, RAIDTIER, else UNKNOWN.
const char *KV_ArrayTypeWord(uint32_t typeCode, uint32_t firstCount, uint32_t secondCount);

const char *KV_TransformTypeWord(uint32_t transformType);
const char *KV_TransformStateWord(uint32_t transformState);

// Error flags of a member extent, first match wins: Fail_Offline,
// Fail(NP)_Offline, Fail, Offline, Fail(NP), else NoError.
const char *KV_ElementErrorWord(uint32_t errorFlags);

// Cache attribute: bits 31 and 30 both RW, 31 only R, 30 only W, else NC.
const char *KV_CacheWord(uint32_t cacheAttribute);
