// The emulator's state file: the current and the previous configuration as
// versioned, checksummed text. Saved atomically on every change, so a killed
// daemon comes back exactly where it was.
//
// Layout (one record per line, fields as key=value, text percent-encoded):
//   kvemu-state
//   version 4
//   model current | model previous
//     generation N, core, controller, disk, array (its element lines and,
//     while a transform or rebuild runs, its source-element lines follow
//     it), pulled (disks out of their bays), enclosure, raidport N,
//     hostdevice, volume, driver
//   end
//   events next=N (the number the next record gets), then one line per kept
//     record, oldest first: "event SEQUENCE NUMBER P1 P2 ... P8" (decimal)
//   end
//   checksum <FNV-1a 64 of every byte before this line, 16 hex digits>
#pragma once

#include "event_log.h"
#include "model.h"

#include <string>

namespace kvemu {

struct StoredState {
    Model current;
    Model previous;    // the configuration before the last change
    EventLog events{}; // empty: no message space yet (the emulator starts a fresh one)
    bool operator==(const StoredState &) const = default;
};

namespace statefile {

// Version 2 added the tasks' old layouts, pulled disks and the disks'
// identify, S.M.A.R.T. and removal fields; version 3 the event log; version
// 4 the volumes' in-use flag and the driver files. Files of versions 2 and 3
// are migrated: their configurations are kept, a version 2 event log starts
// afresh, and before version 4 the volumes are free and the host has the
// demo's driver files. Files of version 1 are refused.
inline constexpr int Version = 4;
inline constexpr int OldestMigratedVersion = 2;

std::string serialize(const StoredState &state);

// Parses a whole file's text. Returns an empty string on success, else a
// message that names the problem; `out` is only written on success.
std::string parse(const std::string &text, StoredState &out);

enum class LoadResult { Loaded, Missing, Refused };
// Reads `path`. A corrupt file, a file of another version and one that cannot
// be read are refused with `error` set; the file is never modified.
LoadResult load(const std::string &path, StoredState &out, std::string &error);

// Writes `path` atomically: a temporary file beside it is written and
// flushed, renamed over `path`, and the directory is flushed. Returns an
// empty string on success, else the reason; `path` is then unchanged.
std::string save(const std::string &path, const StoredState &state);

} // namespace statefile
} // namespace kvemu
