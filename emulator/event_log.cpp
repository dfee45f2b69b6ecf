#include "event_log.h"

#include <algorithm>

namespace kvemu {

namespace {

// The records of one task kind; 0 where the catalogue has no text.
struct TaskMessages {
    uint16_t initiated, paused, resumed, completed, failed, removed, shutdown;
};

TaskMessages messagesOf(uint32_t task)
{
    switch (task) {
    case rec::TaskCreate:
    case rec::TaskZero:
        return {1138, 1100, 1026, 1027, 1028, 1105, 1110};
    case rec::TaskCheck:
        return {1141, 1098, 1023, 1024, 1025, 1103, 1108};
    case rec::TaskRestore:
        return {1139, 1099, 1017, 1018, 1019, 1158, 1109};
    case rec::TaskTransform:
        return {1140, 1097, 1020, 1021, 1022, 1102, 1107};
    case rec::TaskSecureErase:
        return {0, 1165, 1166, 1168, 1167, 1170, 1169};
    default:
        return {};
    }
}

// Where a disk is, for the records that name a controller and a channel:
// the disk of either model, in its bay or pulled out.
const PhysicalDisk *locate(const Model &before, const Model &after, uint64_t id)
{
    for (const Model *m : {&after, &before}) {
        if (const PhysicalDisk *d = m->findDisk(id))
            return d;
        for (const PhysicalDisk &d : m->pulled)
            if (d.id == id)
                return &d;
    }
    return nullptr;
}

class Recorder {
public:
    Recorder(const Model &before, const Model &after, EventLog &log)
        : before_(before), after_(after), log_(log)
    {
    }
    void array(uint16_t number, const LogicalDevice &a)
    {
        if (number != 0)
            add(number, {a.deviceRoute});
    }
    void disk(uint16_t number, const PhysicalDisk &d) { add(number, {d.controller, d.channel}); }
    void spare(uint16_t number, const LogicalDevice &a, uint64_t diskId)
    {
        if (const PhysicalDisk *d = locate(before_, after_, diskId))
            add(number, {d->controller, d->channel, a.deviceRoute});
    }
    void add(uint16_t number, std::initializer_list<uint32_t> parameters)
    {
        log_.add(number, parameters);
        ++count_;
    }
    size_t count() const { return count_; }

private:
    const Model &before_;
    const Model &after_;
    EventLog &log_;
    size_t count_ = 0;
};

void recordDisk(Recorder &r, const PhysicalDisk &old, const PhysicalDisk &now)
{
    if (now.state == rec::DiskOffline && old.state != rec::DiskOffline)
        r.disk(msg::DriveFailed, now);
    if (now.smartFailing && !old.smartFailing)
        r.disk(msg::SmartThreshold, now);
    if (now.type == rec::DiskTypeDisk && old.type != rec::DiskTypeDisk)
        r.disk(msg::DriveInitialized, now);
    if (now.type == rec::DiskTypeUnknown && old.type != rec::DiskTypeUnknown)
        r.disk(msg::DriveMetadataCleared, now);
    if (now.globalSpare != old.globalSpare)
        r.disk(now.globalSpare ? msg::GlobalSpareAssigned : msg::GlobalSpareRemoved, now);
    if ((now.identify != 0) != (old.identify != 0))
        r.disk(now.identify != 0 ? msg::IdentifySet : msg::IdentifyCleared, now);
    const uint32_t switched = now.features ^ old.features;
    if (switched & rec::FeatureWriteCache)
        r.disk(now.features & rec::FeatureWriteCache ? msg::DiskWriteCacheOn
                                                     : msg::DiskWriteCacheOff,
               now);
    if (switched & rec::FeatureReadAhead)
        r.disk(now.features & rec::FeatureReadAhead ? msg::DiskReadAheadOn : msg::DiskReadAheadOff,
               now);
}

uint16_t cacheMessage(uint32_t cache)
{
    const bool read = cache & rec::CacheRead, write = cache & rec::CacheWrite;
    return read && write ? msg::CacheReadWrite
           : read        ? msg::CacheRead
           : write       ? msg::CacheWrite
                         : msg::CacheNone;
}

void recordTask(Recorder &r, const LogicalDevice &old, const LogicalDevice &now, ChangeCause cause)
{
    const bool sameTask = old.transformType == now.transformType && old.taskActive() &&
                          now.transformProgress >= old.transformProgress;
    if (sameTask) {
        const TaskMessages m = messagesOf(now.transformType);
        if (old.transformState != now.transformState)
            r.array(now.transformState == rec::TaskPaused ? m.paused : m.resumed, now);
        return;
    }
    if (old.taskActive()) {
        // A task ends by running out, by the array going offline under it,
        // or by the user's removal.
        const TaskMessages m = messagesOf(old.transformType);
        r.array(now.state == rec::ArrayOffline  ? m.failed
                : cause == ChangeCause::TaskRun ? m.completed
                                                : m.removed,
                now);
    }
    if (now.taskActive())
        r.array(messagesOf(now.transformType).initiated, now);
}

void recordArray(Recorder &r, const LogicalDevice &old, const LogicalDevice &now, ChangeCause cause)
{
    if (now.state != old.state && now.state == rec::ArrayCritical)
        r.array(msg::ArrayCritical, now);
    if (now.state != old.state && now.state == rec::ArrayOffline)
        r.array(msg::ArrayOffline, now);
    recordTask(r, old, now, cause);
    if (now.cacheAttribute != old.cacheAttribute)
        r.array(cacheMessage(now.cacheAttribute), now);
    const uint16_t switched = now.attributes ^ old.attributes;
    if (switched & rec::AttrNoOsDisk)
        r.array(now.attributes & rec::AttrNoOsDisk ? msg::ArrayHidden : msg::ArrayShown, now);
    if (switched & rec::AttrBackgroundScan)
        r.array(now.attributes & rec::AttrBackgroundScan ? msg::ScanEnabled : msg::ScanDisabled,
                now);
    if (now.taskPriority != old.taskPriority)
        r.array(msg::TaskPriority, now);
    for (uint64_t id : now.spares)
        if (std::find(old.spares.begin(), old.spares.end(), id) == old.spares.end())
            r.spare(msg::DedicatedSpareAssigned, now, id);
    for (uint64_t id : old.spares)
        if (std::find(now.spares.begin(), now.spares.end(), id) == now.spares.end())
            r.spare(msg::DedicatedSpareRemoved, now, id);
}

} // namespace

EventLog EventLog::fresh()
{
    EventLog log;
    log.add(msg::MessageSpaceInitialized);
    log.add(msg::ConfigChange);
    return log;
}

void EventLog::add(uint16_t number, std::initializer_list<uint32_t> parameters)
{
    EventRecord record;
    record.sequence = next_++;
    record.number = number;
    std::copy_n(parameters.begin(), std::min(parameters.size(), record.parameters.size()),
                record.parameters.begin());
    records_.push_back(record);
    while (records_.size() > Capacity)
        records_.pop_front();
}

const EventRecord *EventLog::from(uint32_t sequence) const
{
    if (records_.empty() || sequence >= next_)
        return nullptr;
    const uint32_t oldest = records_.front().sequence;
    // Records are numbered without gaps, so the index is the distance.
    return &records_[sequence <= oldest ? 0 : sequence - oldest];
}

bool EventLog::restore(std::deque<EventRecord> records, uint32_t next)
{
    if (records.size() > Capacity || next == 0)
        return false;
    for (size_t i = 0; i < records.size(); ++i) {
        const uint32_t expected = next - uint32_t(records.size() - i);
        if (records[i].sequence != expected)
            return false;
    }
    records_ = std::move(records);
    next_ = next;
    return true;
}

void recordChanges(const Model &before, const Model &after, ChangeCause cause, EventLog &log)
{
    Recorder r(before, after, log);
    if (cause == ChangeCause::Rescan)
        r.add(msg::Rescan, {});

    for (const PhysicalDisk &old : before.disks)
        if (after.findDisk(old.id) == nullptr)
            r.disk(msg::DeviceDisconnected, old);
    for (const PhysicalDisk &now : after.disks) {
        if (const PhysicalDisk *old = before.findDisk(now.id))
            recordDisk(r, *old, now);
        else
            r.disk(msg::DeviceConnected, now);
    }

    for (const LogicalDevice &old : before.arrays)
        if (after.findArray(old.id) == nullptr)
            r.array(msg::ArrayDeleted, old);
    for (const LogicalDevice &now : after.arrays) {
        if (const LogicalDevice *old = before.findArray(now.id)) {
            recordArray(r, *old, now, cause);
        } else {
            // The catalogue has no text for a new array: a configuration
            // change, and the task it starts with.
            r.add(msg::ConfigChange, {});
            if (now.taskActive())
                r.array(messagesOf(now.transformType).initiated, now);
        }
    }

    if (r.count() == 0 && cause != ChangeCause::TaskRun)
        r.add(msg::ConfigChange, {});
}

void recordShutdown(const Model &m, EventLog &log)
{
    for (const LogicalDevice &a : m.arrays)
        if (a.taskActive())
            log.add(messagesOf(a.transformType).shutdown, {a.deviceRoute});
}

void recordRestart(const Model &m, EventLog &log)
{
    log.add(msg::MessageSpaceFound);
    for (const LogicalDevice &a : m.arrays)
        if (a.taskActive() && a.transformState == rec::TaskStarted)
            log.add(messagesOf(a.transformType).resumed, {a.deviceRoute});
}

} // namespace kvemu
