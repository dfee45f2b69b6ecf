// What one full refresh of the window's bundle costs against the emulator
// daemon: time, and through a counting platform the opens, exchanges and
// connections behind it, on the demo configuration (with 0, 100 and 1000
// events new since the sequence asked for) and on the demo grown to 5 and
// to 12 arrays; and what one statistics request costs.
//
//   bench_service --write-state ARRAYS EVENTS FILE
// writes the state a daemon of these runs starts from (ARRAYS 0: the demo
// itself), so that other tools can be pointed at the same configuration.
#include "bench_configs.h"
#include "bench_daemon.h"
#include "counting_platform.h"
#include "kv_raid_api.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr uint32_t LoggedEvents = 1000;
constexpr int LargestDisks = 48;

// The configuration of `arrays` arrays (0: the demo as it is) with a log of
// LoggedEvents events.
kvemu::StoredState configuration(int arrays, uint32_t events)
{
    if (arrays == 0)
        return bench::demoWithEvents(events);
    std::string problem;
    kvemu::StoredState stored =
        bench::grownState(arrays, arrays >= 12 ? LargestDisks : 0, events, problem);
    if (!problem.empty()) {
        std::fprintf(stderr, "bench: growing to %d arrays: %s\n", arrays, problem.c_str());
        std::exit(1);
    }
    return stored;
}

// One daemon per configuration, for the whole run.
bench::Daemon &daemonOf(int arrays)
{
    static std::map<int, std::unique_ptr<bench::Daemon>> daemons;
    auto &daemon = daemons[arrays];
    if (!daemon)
        daemon = std::make_unique<bench::Daemon>("arrays" + std::to_string(arrays),
                                                 configuration(arrays, LoggedEvents));
    return *daemon;
}

void BM_FullRefresh_Demo(benchmark::State &state)
{
    kv::setPlatform(daemonOf(0).platform());
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

// A refresh with nothing new in the log, as the window's timer makes them,
// counted: per refresh, the opens (and refused opens), the exchanges and the
// connections its platform calls would make over the daemon's socket.
// range(0): the demo (5 arrays) as it is (0), or grown to that many arrays.
void BM_RefreshCost(benchmark::State &state)
{
    const int arrays = int(state.range(0));
    const auto counting = std::make_shared<bench::CountingPlatform>(daemonOf(arrays).platform());
    kv::setPlatform(counting);
    KV_RaidApi api;
    const RaidDataBundle all = api.BuildBundle(0, 0);
    if (all.arrays.size() < arrays) {
        state.SkipWithError("the daemon served fewer arrays than asked for");
        return;
    }
    counting->reset();
    uint64_t refreshes = 0;
    for (auto _ : state) {
        // Each refresh of the window runs on a worker of its own, whose
        // service is made for it without a refresh of its own.
        KV_RaidApi worker(KV_RaidApi::Unrefreshed{}, nullptr);
        const RaidDataBundle bundle = worker.BuildBundle(all.nextEventSeq, 0);
        benchmark::DoNotOptimize(bundle.arrays.size());
        ++refreshes;
    }
    const bench::PlatformCounts counts = counting->counts();
    const auto perRefresh = [refreshes](uint64_t count) { return double(count) / refreshes; };
    state.counters["arrays"] = double(all.arrays.size());
    state.counters["disks"] = double(all.disks.size());
    state.counters["opens"] = perRefresh(counts.opens);
    state.counters["failed_opens"] = perRefresh(counts.failedOpens);
    state.counters["exchanges"] = perRefresh(counts.exchanges());
    state.counters["connections"] = perRefresh(counts.connections());
}

void BM_StatisticsRequest(benchmark::State &state)
{
    kv::setPlatform(daemonOf(0).platform());
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
BENCHMARK(BM_RefreshCost)->Arg(0)->Arg(8)->Arg(12)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatisticsRequest)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && std::string(argv[1]) == "--write-state") {
        const kvemu::StoredState stored =
            configuration(std::atoi(argv[2]), uint32_t(std::atoi(argv[3])));
        const std::string problem = kvemu::statefile::save(argv[4], stored);
        if (!problem.empty())
            std::fprintf(stderr, "bench: %s\n", problem.c_str());
        return problem.empty() ? 0 : 1;
    }
    if (argc == 3 && std::string(argv[1]) == "--trace-refresh") {
        // One line per call a refresh with nothing new makes, in order.
        const int arrays = std::atoi(argv[2]);
        const auto counting =
            std::make_shared<bench::CountingPlatform>(daemonOf(arrays).platform());
        kv::setPlatform(counting);
        const quint32 next = KV_RaidApi().BuildBundle(0, 0).nextEventSeq;
        std::vector<std::string> trace;
        counting->reset();
        counting->setTrace(&trace);
        KV_RaidApi(KV_RaidApi::Unrefreshed{}, nullptr).BuildBundle(next, 0);
        counting->setTrace(nullptr);
        for (const std::string &line : trace)
            std::printf("%s\n", line.c_str());
        const bench::PlatformCounts counts = counting->counts();
        std::printf("opens %llu (refused %llu), exchanges %llu, connections %llu\n",
                    static_cast<unsigned long long>(counts.opens),
                    static_cast<unsigned long long>(counts.failedOpens),
                    static_cast<unsigned long long>(counts.exchanges()),
                    static_cast<unsigned long long>(counts.connections()));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
