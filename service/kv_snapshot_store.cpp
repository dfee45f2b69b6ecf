#include "kv_snapshot_store.h"

#include "kv_core.h"

#include <chrono>
#include <cstdlib>
#include <mutex>
#include <new>

namespace {

// A snapshot that reads as all zeros. The tables are large (about 3 MB) and a
// refresh fills only their first records: calloc hands a block this large
// out as fresh pages the system zeroes as they are first touched, so what
// the refresh does not write costs neither time nor resident memory.
std::shared_ptr<KV_Snapshot> blankSnapshot()
{
    void *block = std::calloc(1, sizeof(KV_Snapshot));
    if (block == nullptr)
        throw std::bad_alloc();
    return std::shared_ptr<KV_Snapshot>(static_cast<KV_Snapshot *>(block), std::free);
}

std::mutex &storeMutex()
{
    static std::mutex mutex;
    return mutex;
}

KV_SnapshotRef &current()
{
    static KV_SnapshotRef snapshot = blankSnapshot();
    return snapshot;
}

} // namespace

namespace KV_SnapshotStore {

KV_SnapshotRef latest()
{
    std::lock_guard lock(storeMutex());
    return current();
}

void publish(KV_SnapshotRef snapshot)
{
    if (!snapshot)
        return;
    std::lock_guard lock(storeMutex());
    current() = std::move(snapshot);
}

int refresh()
{
    auto next = blankSnapshot();
    uint32_t count = 0;
    int result = 0;
    if (KV_ApiEnumerateCores(next->cores, sizeof next->cores, &count) == KV_STS_SUCCESS) {
        next->coreCount = count < KV_MaxCores ? count : KV_MaxCores;
        if (next->coreCount > 0)
            result = KV_ApiGetSnapshot(next->cores, &next->tables, 0, 0);
    }
    if (result != 1)
        return 0;
    next->readAtMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    publish(std::move(next));
    return 1;
}

} // namespace KV_SnapshotStore
