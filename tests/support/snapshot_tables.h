// Snapshots written record by record, for tests of what the service and the
// window make of given tables.
#pragma once

#include "kv_snapshot_store.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <memory>

namespace test {

template <size_t N> void set(char (&field)[N], const char *text)
{
    const size_t length = std::min(std::strlen(text), N - 1);
    std::memcpy(field, text, length);
    field[length] = '\0';
}

// A snapshot written record by record.
struct Tables {
    std::shared_ptr<KV_Snapshot> snapshot = std::make_shared<KV_Snapshot>();
    Tables()
    {
        std::memset(snapshot.get(), 0, sizeof *snapshot);
        disk(0, "Core", "Online");
    }
    KV_SnapshotTables &t() { return snapshot->tables; }

    KV_DiskRec &disk(int route, const char *type = "Disk", const char *state = "Online",
                     uint32_t portType = 0, uint64_t capacity = 0x100000)
    {
        KV_DiskRec &d = t().disks[t().diskCount++];
        set(d.type, type);
        set(d.state, state);
        d.deviceRoute = route;
        d.id = 0x5000 + uint64_t(route);
        d.portType = portType;
        d.capacity = capacity;
        d.controller = route / 10;
        d.channel = route % 10;
        std::snprintf(d.path, sizeof d.path, "//./Core1/Route1/Device%d", route);
        return d;
    }
    KV_ArrayConfig &array(int route, const char *type, std::initializer_list<int> members,
                          const char *error = "NoError")
    {
        KV_ArrayRec &a = t().arrays[t().arrayCount++];
        a.halves = 1;
        KV_ArrayConfig &c = a.config[0];
        c.deviceRoute = route;
        c.id = 0xA000 + uint64_t(route);
        set(c.type, type);
        set(c.state, "NORMAL");
        set(c.transformType, "NOT_ACTIVE");
        c.firstCount = 1;
        c.secondCount = int(members.size());
        int m = 0;
        for (int disk : members) {
            c.members[m].deviceRoute = disk;
            c.members[m].id = 0x5000 + uint64_t(disk);
            set(c.members[m].error, m == 0 ? error : "NoError");
            ++m;
        }
        return c;
    }
    void publish() { KV_SnapshotStore::publish(snapshot); }
};

} // namespace test
