// Names one core of the RAID stack for the core operations.
#pragma once

#include <cstdint>

// 36 bytes: the number after "Core" in the core name, the host ("." for the
// local machine) and the core name ("Core1"). Empty texts are all zero.
struct KV_CoreId {
    int32_t coreNumber;
    char host[16];
    char coreName[16];
};
static_assert(sizeof(KV_CoreId) == 36);

// A device path entry as callers pass lists of them: at most 80 bytes.
inline constexpr int KV_DevicePathLength = 80;
using KV_DevicePath = char[KV_DevicePathLength];

// The number that follows "core" (case-insensitive) in `text`, 0 if none.
int KV_CoreNumberOf(const char *text);
