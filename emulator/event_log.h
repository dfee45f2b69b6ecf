// The driver's event log: numbered records of message numbers with their
// parameters, as the console reads them one at a time with read 0x1002.
//
// Records are numbered 1, 2, 3, ... in the order they happen; the log keeps
// the newest `Capacity` of them. A fresh log begins with the message-space
// record (1001) and the start configuration (1037), so the console's first
// question, from sequence 3, finds the first real event.
#pragma once

#include "model.h"

#include <array>
#include <cstdint>
#include <deque>
#include <initializer_list>

namespace kvemu {

struct EventRecord {
    uint32_t sequence = 0;
    uint16_t number = 0; // the catalogue's message number
    std::array<uint32_t, 8> parameters{};
    bool operator==(const EventRecord &) const = default;
};

class EventLog {
public:
    // The newest records kept; older ones are dropped as new ones come.
    static constexpr size_t Capacity = 4096;

    // The log a driver starts with when it finds no message space.
    static EventLog fresh();

    void add(uint16_t number, std::initializer_list<uint32_t> parameters = {});
    // The record a reader asking from `sequence` gets: the oldest kept when
    // `sequence` is older, null when it is past the newest.
    const EventRecord *from(uint32_t sequence) const;
    // The number the next record will carry.
    uint32_t nextSequence() const { return next_; }
    const std::deque<EventRecord> &records() const { return records_; }
    bool empty() const { return records_.empty(); }

    // For the state file: a log as it was saved. Returns false when the
    // records are not in ascending order below `next` or exceed the bound.
    bool restore(std::deque<EventRecord> records, uint32_t next);

    bool operator==(const EventLog &) const = default;

private:
    std::deque<EventRecord> records_;
    uint32_t next_ = 1;
};

// What made a change; it tells a task the user ended from one that ran out.
enum class ChangeCause {
    Command, // a request of a client
    TaskRun, // time passed: tasks moved on and some ended
    Rescan,  // the rescan command
    Control, // a control command (disk failures, insertions, ...)
};

// Appends the records that the change from `before` to `after` makes.
// A change that no particular record describes is recorded as 1037.
void recordChanges(const Model &before, const Model &after, ChangeCause cause, EventLog &log);

// The records of a driver that stops with tasks running (each task shuts
// down) and of one that starts again on a log it finds (1002, and each
// running task resumes).
void recordShutdown(const Model &m, EventLog &log);
void recordRestart(const Model &m, EventLog &log);

// Message numbers the emulator records.
namespace msg {
inline constexpr uint16_t MessageSpaceInitialized = 1001;
inline constexpr uint16_t MessageSpaceFound = 1002;
inline constexpr uint16_t Rescan = 1012;
inline constexpr uint16_t DriveFailed = 1013;
inline constexpr uint16_t ArrayDeleted = 1014;
inline constexpr uint16_t ArrayCritical = 1015;
inline constexpr uint16_t ArrayOffline = 1016;
inline constexpr uint16_t DriveInitialized = 1029;
inline constexpr uint16_t TaskPriority = 1030;
inline constexpr uint16_t CacheRead = 1034;
inline constexpr uint16_t CacheWrite = 1035;
inline constexpr uint16_t CacheNone = 1036;
inline constexpr uint16_t ConfigChange = 1037;
inline constexpr uint16_t DeviceConnected = 1042;
inline constexpr uint16_t DeviceDisconnected = 1043;
inline constexpr uint16_t SmartThreshold = 1061;
inline constexpr uint16_t CacheReadWrite = 1067;
inline constexpr uint16_t ScanEnabled = 1116;
inline constexpr uint16_t ScanDisabled = 1117;
inline constexpr uint16_t GlobalSpareAssigned = 1132;
inline constexpr uint16_t GlobalSpareRemoved = 1133;
inline constexpr uint16_t ArrayHidden = 1135;
inline constexpr uint16_t ArrayShown = 1136;
inline constexpr uint16_t DiskWriteCacheOn = 1142;
inline constexpr uint16_t DiskWriteCacheOff = 1143;
inline constexpr uint16_t DiskReadAheadOn = 1144;
inline constexpr uint16_t DiskReadAheadOff = 1145;
inline constexpr uint16_t IdentifySet = 1150;
inline constexpr uint16_t IdentifyCleared = 1152;
inline constexpr uint16_t DedicatedSpareAssigned = 1154;
inline constexpr uint16_t DedicatedSpareRemoved = 1155;
inline constexpr uint16_t DriveMetadataCleared = 1181;
} // namespace msg

} // namespace kvemu
