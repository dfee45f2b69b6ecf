// What one full refresh of the window's bundle costs against the emulator
// daemon on the demo configuration, with 0, 100 and 1000 events new since
// the sequence asked for, and what one statistics request costs. Each event
// is one read of the driver's log on a handle of its own, so the cost per
// event sits beside the handle build of bench_core.
#include "bench_daemon.h"
#include "demo_config.h"
#include "kv_raid_api.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr uint32_t LoggedEvents = 1000;

// The demo configuration with a log of LoggedEvents check-consistency
// completions after the driver's own start-up records.
kvemu::StoredState demoWithEvents()
{
    kvemu::StoredState stored{kvemu::demoModel(), kvemu::demoModel(), kvemu::EventLog::fresh()};
    for (uint32_t i = 0; i < LoggedEvents; ++i)
        stored.events.add(1024, {1 + i % 4});
    return stored;
}

bench::Daemon &eventDaemon()
{
    static bench::Daemon daemon("events", demoWithEvents());
    return daemon;
}

void BM_FullRefresh_Demo(benchmark::State &state)
{
    kv::setPlatform(eventDaemon().platform());
    KV_RaidApi api;
    const auto wanted = int(state.range(0));
    // Find the log's end: a bundle from 0 holds every kept record.
    const RaidDataBundle all = api.BuildBundle(0, 0);
    if (all.events.size() < wanted || all.arrays.isEmpty()) {
        state.SkipWithError("the daemon served too few events or no arrays");
        return;
    }
    const quint32 first = all.nextEventSeq - quint32(wanted);
    qsizetype events = 0;
    for (auto _ : state) {
        const RaidDataBundle bundle = api.BuildBundle(first, 0);
        events = bundle.events.size();
        benchmark::DoNotOptimize(events);
    }
    state.counters["events"] = double(events);
    if (events != wanted)
        state.SkipWithError("the bundle did not hold the events asked for");
}

void BM_StatisticsRequest(benchmark::State &state)
{
    kv::setPlatform(eventDaemon().platform());
    KV_RaidApi api;
    KV_IoStats last;
    QObject::connect(&api, &KV_RaidApi::StatsRetrieved,
                     [&last](KV_IoStats stats) { last = stats; });
    for (auto _ : state)
        api.RetrieveIoStats();
    if (last.hostRate.isEmpty())
        state.SkipWithError("no statistics came back");
}

} // namespace

BENCHMARK(BM_FullRefresh_Demo)->Arg(0)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatisticsRequest)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
