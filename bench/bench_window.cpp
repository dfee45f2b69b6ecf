// What applying one snapshot costs the GUI thread: handleFullRefresh on the
// demo configuration and on the largest one the console is built to hold
// (12 arrays over 48 disks) with 100 new events, and the time from start to
// a first populated window. The bundles are built once beforehand against
// an emulator in this process, so only the window's own work is timed.
#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"
#include "kv_raid_api.h"
#include "main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int NewEvents = 100;
constexpr uint64_t NewDiskSectors = 2000ull * 1953125; // 2000 GB

std::shared_ptr<kvemu::Emulator> emulatorOf(kvemu::StoredState stored)
{
    auto emulator = std::make_shared<kvemu::Emulator>(std::move(stored),
                                                      std::make_shared<kvemu::ManualClock>());
    kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
    return emulator;
}

kvemu::StoredState demoWithEvents()
{
    kvemu::StoredState stored{kvemu::demoModel(), kvemu::demoModel(), kvemu::EventLog::fresh()};
    for (int i = 0; i < NewEvents; ++i)
        stored.events.add(1024, {uint32_t(1 + i % 4)});
    return stored;
}

// Grows the demo to 48 disks and 12 arrays through the service's own
// commands: new disks are inserted and initialized, then mirrored in pairs.
// Says which step the emulator refused, or nothing.
std::string growToLargest(kvemu::Emulator &emulator)
{
    KV_RaidApi api;
    int disks = 0;
    for (int i = 0; i < api.GetDiskCount(); ++i)
        disks += std::strcmp(api.GetDisk(i)->type, "Core") != 0 ? 1 : 0;
    for (int controller = 3; disks < 48; ++controller) {
        for (int channel = 0; channel < 8 && disks < 48; ++channel, ++disks) {
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
    while (api.GetArrayCount() < 12 && unused.size() >= 2) {
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
    if (api.GetArrayCount() != 12)
        return std::to_string(api.GetArrayCount()) + " arrays over " +
               std::to_string(unused.size()) + " disks left";
    return {};
}

// A window whose own refreshes are switched off once its first one is in.
struct QuietWindow {
    KV_MainWindow window;
    QuietWindow()
    {
        while (window.refreshInProgress())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        for (QTimer *timer : window.findChildren<QTimer *>())
            timer->stop();
    }
};

// Applies the same snapshot again and again; the event list is emptied
// between rounds, untimed, so that each round adds its events to a list of
// the same length, as each new batch of the driver's events does.
void applyRepeatedly(benchmark::State &state, const RaidDataBundle &bundle, KV_MainWindow &window)
{
    for (auto _ : state) {
        window.handleFullRefresh(bundle);
        benchmark::DoNotOptimize(window.diskList()->topLevelItemCount());
        state.PauseTiming();
        window.eventList()->clear();
        state.ResumeTiming();
    }
    state.counters["arrays"] = double(bundle.arrays.size());
    state.counters["disks"] = double(window.diskList()->topLevelItemCount());
    state.counters["events"] = double(bundle.events.size());
}

void BM_HandleFullRefresh_Demo(benchmark::State &state)
{
    const auto emulator = emulatorOf(demoWithEvents());
    QuietWindow quiet;
    KV_RaidApi api;
    const RaidDataBundle bundle = api.BuildBundle(3, 0);
    applyRepeatedly(state, bundle, quiet.window);
}

void BM_HandleFullRefresh_Largest(benchmark::State &state)
{
    // Five more eight-port controllers, like the demo's first, for the new disks.
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
    kvemu::StoredState stored = demoWithEvents();
    stored.current = stored.previous = model;
    const auto emulator = emulatorOf(std::move(stored));
    if (const std::string problem = growToLargest(*emulator); !problem.empty()) {
        state.SkipWithError(problem.c_str());
        return;
    }
    QuietWindow quiet;
    KV_RaidApi api;
    // The last 100 records of the log: the growth wrote more than that.
    const RaidDataBundle all = api.BuildBundle(0, 0);
    const RaidDataBundle bundle = api.BuildBundle(all.nextEventSeq - NewEvents, 0);
    if (bundle.events.size() != NewEvents) {
        state.SkipWithError("the log held fewer than 100 events");
        return;
    }
    applyRepeatedly(state, bundle, quiet.window);
}

// Construction to a window with its trees filled from the first refresh.
void BM_StartToPopulatedWindow(benchmark::State &state)
{
    const auto emulator = emulatorOf(demoWithEvents());
    for (auto _ : state) {
        KV_MainWindow window;
        window.show();
        while (window.refreshInProgress() || window.arrayList()->topLevelItemCount() == 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        state.PauseTiming();
        window.close();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_HandleFullRefresh_Demo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HandleFullRefresh_Largest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartToPopulatedWindow)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("OXV"));
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    KV_RegisterServiceTypes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
