// The process-wide configuration snapshot.
//
// Every refresh builds a new snapshot and publishes it whole; a published
// snapshot is never written again. Readers take a shared reference to the
// latest one and keep it for as long as they use pointers into it, so no
// reader ever sees a table half rewritten and no lock is held while a
// reader works (the window rebuilding its trees from a bundle, a dialog
// walking the disk list). A snapshot is freed when its last reader lets go.
#pragma once

#include "kv_coreid.h"
#include "kv_snapshot.h"

#include <cstdint>
#include <memory>

inline constexpr int KV_MaxCores = 8;

struct KV_Snapshot {
    KV_CoreId cores[KV_MaxCores]; // the enumerated cores; requests go to the first
    uint32_t coreCount;
    KV_SnapshotTables tables;
    // When the driver's configuration was read into it: milliseconds since
    // 1970-01-01 UTC; 0 for a snapshot that was not read from a driver.
    int64_t readAtMs;
};

using KV_SnapshotRef = std::shared_ptr<const KV_Snapshot>;

namespace KV_SnapshotStore {

// The latest published snapshot; an empty one (no cores, no devices) before
// the first refresh. Never null.
KV_SnapshotRef latest();

// Enumerates the cores and parses the first core's configuration into a new
// snapshot and, when the whole configuration was read, publishes it and
// returns 1. Otherwise (no core, the image or its dump could not be read, a
// line did not parse) it returns 0 and the last good snapshot stays the
// latest: a driver that does not answer never shows as an empty machine.
int refresh();

// Publishes `snapshot` as the latest (tests build their own).
void publish(KV_SnapshotRef snapshot);

} // namespace KV_SnapshotStore
