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

// One daemon's claim on a state file, so that no second daemon loads and
// saves the same file (whose acknowledged changes would then be lost): an
// exclusive lock on "FILE.lock" beside the file, named after the file's
// resolved path so that every spelling of it meets the same lock. (The lock
// cannot sit on the state file itself, which every save replaces.) The claim
// lasts as long as the object.
class Claim;
enum class ClaimResult { Claimed, Busy, Failed };
// Claims `path` for this process; Busy when another process holds it,
// Failed (with `error`) when the lock file cannot be made.
ClaimResult claim(const std::string &path, Claim &out, std::string &error);

class Claim {
public:
    Claim() = default;
    ~Claim();
    Claim(const Claim &) = delete;
    Claim &operator=(const Claim &) = delete;
    bool held() const { return fd_ >= 0; }

private:
    friend ClaimResult claim(const std::string &, Claim &, std::string &);
    int fd_ = -1;
};

} // namespace statefile
} // namespace kvemu
