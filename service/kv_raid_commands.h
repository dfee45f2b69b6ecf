// The records the disk dialogs fill for the service's disk commands.
#pragma once

#include <QMetaType>

#include <cstdint>

inline constexpr int KV_MaxCommandDisks = 64;

// Filled by the disk properties dialog: the disks and six switches.
struct KV_DiskOptions {
    int diskIds[KV_MaxCommandDisks] = {};
    int count = 0;
    uint8_t readAheadOn = 0;
    uint8_t writeCacheOn = 0;
    uint8_t smartPollingOn = 0;
    uint8_t readAheadOff = 0;
    uint8_t writeCacheOff = 0;
    uint8_t smartPollingOff = 0; // never read: polling goes off whenever it is not switched on
};

// Filled by the initialize and clear-metadata dialogs: the disks and the
// initialize mode (0 initialize; non-zero clears the metadata and asks for
// a rescan afterwards).
struct KV_InitDisks {
    int diskIds[KV_MaxCommandDisks] = {};
    int count = 0;
    uint8_t mode = 0;
};
