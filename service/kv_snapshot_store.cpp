#include "kv_snapshot_store.h"

#include "kv_core.h"

#include <chrono>
#include <cstring>
#include <mutex>

namespace {

std::mutex &storeMutex()
{
    static std::mutex mutex;
    return mutex;
}

KV_SnapshotRef &current()
{
    static KV_SnapshotRef snapshot = [] {
        auto empty = std::make_shared<KV_Snapshot>();
        std::memset(empty.get(), 0, sizeof *empty);
        return KV_SnapshotRef(std::move(empty));
    }();
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
    auto next = std::make_shared<KV_Snapshot>();
    std::memset(next.get(), 0, sizeof *next);
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
