// What applying one snapshot costs the GUI thread: handleFullRefresh on the
// demo configuration and on the largest one the console is built to hold
// (12 arrays over 48 disks) with 100 new events, and with nothing new over
// 0, 1,000 and 10,000 rows already in the event list; and the time from
// start to a first populated window, with a short and with a full log. The bundles are built once
// beforehand against an emulator in this process, so only the window's own work is timed.
#include "bench_configs.h"
#include "bench_daemon.h"
#include "main_window.h"
#include "startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <string>

using bench::emulatorOf;

namespace {

constexpr int NewEvents = 100;
constexpr uint32_t FullLog = 4096; // the records the driver keeps

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
    const auto emulator = emulatorOf(bench::demoWithEvents(NewEvents));
    QuietWindow quiet;
    KV_RaidApi api;
    const RaidDataBundle bundle = api.BuildBundle(3, 0);
    applyRepeatedly(state, bundle, quiet.window);
}

// The emulator grown to 12 arrays over 48 disks, built once for the run.
std::shared_ptr<kvemu::Emulator> largestEmulator(std::string &problem)
{
    static std::shared_ptr<kvemu::Emulator> emulator;
    static std::string growth;
    if (!emulator) {
        emulator = emulatorOf(bench::demoWithControllers(NewEvents));
        growth = bench::growTo(*emulator, 12, 48);
    }
    kv::setPlatform(std::make_shared<kvemu::InProcessPlatform>(emulator));
    problem = growth;
    return emulator;
}

void BM_HandleFullRefresh_Largest(benchmark::State &state)
{
    std::string problem;
    const auto emulator = largestEmulator(problem);
    if (!problem.empty()) {
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

// The refresh the window makes most: range(2) new events (0 or 1),
// range(0) rows already in the event list, on the demo (range(1) 0) or on
// 12 arrays over 48 disks (range(1) 1), applied as a command's refresh
// (range(3) 0: the lists rebuilt) or as the timer's (range(3) 1: the lists
// left alone, since nothing in them changed). The rows are put in through
// the window's own apply beforehand, untimed. What the apply leaves for the
// event loop (a pending sort, the lists' layout) is timed with it.
void BM_ApplyWithRows(benchmark::State &state)
{
    const int rows = int(state.range(0));
    std::shared_ptr<kvemu::Emulator> emulator;
    if (state.range(1) == 0) {
        emulator = emulatorOf(bench::demoWithEvents(NewEvents));
    } else {
        std::string problem;
        emulator = largestEmulator(problem);
        if (!problem.empty()) {
            state.SkipWithError(problem.c_str());
            return;
        }
    }
    QuietWindow quiet;
    KV_RaidApi api;
    const RaidDataBundle all = api.BuildBundle(0, 0);
    RaidDataBundle history = all;
    history.events.clear();
    quint32 sequence = all.nextEventSeq;
    for (int i = 0; i < rows; ++i) {
        KV_EventRec event;
        event.sequence = sequence++;
        event.code = 1024;
        event.severity = 1;
        event.text = QStringLiteral("Consistency check completed on array %1.").arg(1 + i % 4);
        event.status = KV_STS_VALID_USER_MESSAGE;
        history.events.append(event);
    }
    history.nextEventSeq = sequence;
    quiet.window.handleFullRefresh(history);
    QCoreApplication::processEvents();
    RaidDataBundle next = api.BuildBundle(sequence, 0);
    if (quiet.window.eventList()->topLevelItemCount() < rows || !next.events.isEmpty()) {
        state.SkipWithError("the event list did not take the rows");
        return;
    }
    if (state.range(2) != 0) {
        KV_EventRec event;
        event.sequence = sequence;
        event.code = 1024;
        event.severity = 1;
        event.text = QStringLiteral("Consistency check completed on array 1.");
        event.status = KV_STS_VALID_USER_MESSAGE;
        next.events.append(event);
        next.nextEventSeq = sequence + 1;
    }
    const bool periodic = state.range(3) != 0;
    for (auto _ : state) {
        quiet.window.handleFullRefresh(next, periodic);
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(quiet.window.diskList()->topLevelItemCount());
    }
    state.counters["arrays"] = double(next.arrays.size());
    state.counters["rows"] = double(quiet.window.eventList()->topLevelItemCount());
}

// The event log file the window keeps in its data folder: removed before a
// start is timed, so that it does not hold what earlier runs appended.
void forgetEventLog()
{
    QFile::remove(KV_Startup::DataFilePath(QCoreApplication::applicationDirPath(),
                                           QStringLiteral("EventsLog.xml")));
}

// Construction to a window with its trees filled from the first refresh,
// with a full driver log (range(0) 1) or a short one, from an emulator in
// this process (range(1) 0) or from the emulator's daemon over its socket
// (range(1) 1), as the console reaches it.
void BM_StartToPopulatedWindow(benchmark::State &state)
{
    const kvemu::StoredState stored =
        bench::demoWithEvents(state.range(0) != 0 ? FullLog : NewEvents);
    std::shared_ptr<kvemu::Emulator> emulator;
    std::unique_ptr<bench::Daemon> daemon;
    if (state.range(1) == 0) {
        emulator = emulatorOf(stored);
    } else {
        daemon = std::make_unique<bench::Daemon>("window", stored);
        kv::setPlatform(daemon->platform());
    }
    for (auto _ : state) {
        state.PauseTiming();
        forgetEventLog();
        state.ResumeTiming();
        KV_MainWindow window;
        window.show();
        while (window.arrayList()->topLevelItemCount() == 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        state.PauseTiming();
        // The rest of the backlog, outside the time: the next start begins
        // without a refresh of this one running.
        while (window.refreshInProgress())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        window.close();
        state.ResumeTiming();
    }
    state.counters["events"] = double(stored.events.records().size());
}

} // namespace

BENCHMARK(BM_HandleFullRefresh_Demo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HandleFullRefresh_Largest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplyWithRows)
    ->ArgsProduct({{0, 1000, 10000}, {0, 1}, {0, 1}, {0, 1}})
    ->ArgNames({"rows", "largest", "new", "timer"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartToPopulatedWindow)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"full_log", "daemon"})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("OXV"));
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    KV_RegisterServiceTypes();
    // The event log file of the test-mode data folder grows with every run.
    forgetEventLog();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    forgetEventLog();
    return 0;
}
