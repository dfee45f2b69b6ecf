// The configurations the benchmarks measure: the demo with a log of events,
// and the demo grown to more arrays (mirrors over new disks on five more
// eight-port controllers) through the service's own commands, so that the
// driver's records are what a real grown configuration would hold.
#pragma once

#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"

#include <cstring>
#include <memory>
#include <string>

namespace bench {

// The demo with `events` check-consistency completions after the driver's
// own start-up records.
inline kvemu::StoredState demoWithEvents(uint32_t events)
{
    kvemu::StoredState stored{kvemu::demoModel(), kvemu::demoModel(), kvemu::EventLog::fresh()};
    for (uint32_t i = 0; i < events; ++i)
        stored.events.add(1024, {1 + i % 4});
    return stored;
}

// Grows the emulator's model to `arrays` arrays over at least `disks` disks
// (not counting the core's own record): new disks are inserted and
// initialized, then mirrored in pairs. The channel must reach `emulator`.
// Says which step the emulator refused, or nothing.
inline std::string growTo(kvemu::Emulator &emulator, int arrays, int disks)
{
    constexpr uint64_t NewDiskSectors = 2000ull * 1953125; // 2000 GB
    KV_RaidApi api;
    int present = 0;
    for (int i = 0; i < api.GetDiskCount(); ++i)
        present += std::strcmp(api.GetDisk(i)->type, "Core") != 0 ? 1 : 0;
    const int wanted = std::max(disks, present + 2 * std::max(0, arrays - api.GetArrayCount()));
    for (int controller = 3; present < wanted; ++controller) {
        for (int channel = 0; channel < 8 && present < wanted; ++channel, ++present) {
            const std::string command = "insert new " + std::to_string(controller) + " " +
                                        std::to_string(channel) + " 2000";
            if (!emulator.control(command).ok)
                return "refused: " + command;
        }
    }
    api.Refresh();
    KV_InitDisks fresh;
    for (int i = 0; i < api.GetDiskCount() && fresh.count < KV_MaxCommandDisks; ++i) {
        if (std::strcmp(api.GetDisk(i)->type, "Unknown") == 0)
            fresh.diskIds[fresh.count++] = api.GetDisk(i)->deviceRoute;
    }
    if (fresh.count > 0 && api.InitializeDisks(fresh) != 1)
        return "the new disks were not initialized";
    api.Refresh();
    QList<int> unused;
    for (int i = 0; i < api.GetDiskCount(); ++i) {
        const KV_DiskRec *disk = api.GetDisk(i);
        if (std::strcmp(disk->type, "Disk") == 0 && disk->capacity == NewDiskSectors &&
            api.CountArraysOfDisk(disk->deviceRoute) == 0)
            unused.append(disk->deviceRoute);
    }
    while (api.GetArrayCount() < arrays && unused.size() >= 2) {
        KV_Create params;
        params.type = QStringLiteral("RAID1");
        params.cacheMode = QStringLiteral("NC");
        params.memberIds[0] = unused.takeFirst();
        params.memberIds[1] = unused.takeFirst();
        params.memberCount = 2;
        params.capacityMB = api.CreateArray(params, true);
        if (params.capacityMB <= 0 || api.CreateArray(params, false) <= 0)
            return "create refused: " + std::to_string(params.capacityMB);
        api.Refresh();
    }
    if (api.GetArrayCount() != arrays)
        return std::to_string(api.GetArrayCount()) + " arrays over " +
               std::to_string(unused.size()) + " disks left";
    return {};
}

// The demo with `events` logged events and five more eight-port
// controllers, like the demo's first, for new disks.
inline kvemu::StoredState demoWithControllers(uint32_t events)
{
    kvemu::Model model = kvemu::demoModel();
    const kvemu::Controller first = model.controllers.front();
    for (uint32_t number = 3; number <= 7; ++number) {
        kvemu::Controller more = first;
        more.number = number;
        more.ports = 8;
        more.id = first.id + number;
        more.serial = first.serial + number;
        more.pciLocation = first.pciLocation + (number << 8);
        model.controllers.push_back(more);
    }
    kvemu::StoredState stored = demoWithEvents(events);
    stored.current = stored.previous = model;
    return stored;
}

// An emulator in this process, with the channel set to reach it.
inline std::shared_ptr<kvemu::Emulator> emulatorOf(kvemu::StoredState stored)
{
    auto emulator = std::make_shared<kvemu::Emulator>(std::move(stored),
                                                      std::make_shared<kvemu::ManualClock>());
    kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
    return emulator;
}

// The demo grown to `arrays` arrays over at least `disks` disks, as state
// to start a daemon on; `problem` says why the growth failed.
inline kvemu::StoredState grownState(int arrays, int disks, uint32_t events, std::string &problem)
{
    const auto emulator = emulatorOf(demoWithControllers(events));
    problem = growTo(*emulator, arrays, disks);
    return {emulator->model(), emulator->previousModel(), emulator->events()};
}

} // namespace bench
