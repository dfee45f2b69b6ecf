// What a core handle costs against the emulator daemon, beside the raw
// round trip of one 64 KiB read over the same socket, and what the compact
// dump and the snapshot parse cost once the handle is built.
//
// The daemon serves two configurations from state files this program writes:
// the demo configuration, and one with disks added until the configuration
// image is full to 64 KiB.
#include "bench_daemon.h"
#include "config_image.h"
#include "demo_config.h"
#include "kv_core.h"
#include "kv_dump.h"
#include "kv_snapshot.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using bench::Daemon;

kvemu::Model filledModel()
{
    kvemu::Model model = kvemu::demoModel();
    const kvemu::PhysicalDisk pattern = model.disks.back();
    std::vector<uint8_t> image(kvemu::image::ImageSize);
    for (uint16_t n = 0;; ++n) {
        kvemu::PhysicalDisk disk = pattern;
        disk.id = 0x5000C50000000000ULL + n;
        disk.deviceRoute = uint16_t(100 + n);
        disk.serial = "ZL2F" + std::to_string(100000 + n);
        disk.globalSpare = false;
        model.disks.push_back(disk);
        if (!kvemu::image::build(model, false, image.data())) {
            model.disks.pop_back();
            return model;
        }
    }
}

// The 8 KiB read request for the current configuration image, as the core
// writes it to its mailbox.
void fillImageRequest(uint8_t *block, uint32_t mailbox)
{
    std::memset(block, 0, 8192);
    const uint32_t one = 1, two = 2, code = 0x1000;
    std::memcpy(block + 0, &one, 4);
    std::memcpy(block + 4, &mailbox, 4);
    std::memcpy(block + 24, &two, 4);
    std::memcpy(block + 28, &one, 4);
    std::memcpy(block + 32, &code, 4);
}

Daemon &demoDaemon()
{
    static Daemon daemon("demo", {kvemu::demoModel(), kvemu::demoModel()});
    return daemon;
}

Daemon &fullDaemon()
{
    static Daemon daemon("full", {filledModel(), filledModel()});
    return daemon;
}

void buildHandle(benchmark::State &state, Daemon &daemon)
{
    kv::setPlatform(daemon.platform());
    uint32_t devices = 0;
    for (auto _ : state) {
        KV_CoreLock lock;
        KV_Core core(".", "Core1");
        devices = core.physicalCount + core.logicalCount + core.controllerCount;
        benchmark::DoNotOptimize(devices);
    }
    state.counters["devices"] = devices;
    if (devices == 0)
        state.SkipWithError("the daemon served no configuration");
}

void BM_HandleBuild_Demo(benchmark::State &state)
{
    buildHandle(state, demoDaemon());
}
void BM_HandleBuild_Full64K(benchmark::State &state)
{
    buildHandle(state, fullDaemon());
}

// The full daemon's configuration endpoint with a mailbox taken (read into
// `block`); null when it does not open.
std::unique_ptr<kv::PlatformFile> openWithMailbox(uint8_t *block, uint32_t *mailbox)
{
    auto file = fullDaemon().platform()->open("\\\\.\\KVConfig0", 4, 3, 0x60000000);
    if (!file || file->read(block, 0, 1024) != 0)
        return nullptr;
    std::memcpy(mailbox, block, 4);
    return file;
}

// One read command for the image on an open mailbox: the 8 KiB request out,
// the 64 KiB answer back into `block`.
bool readImage(kv::PlatformFile &file, uint8_t *block, uint32_t mailbox)
{
    fillImageRequest(block, mailbox);
    return file.write(block, uint64_t(mailbox) * 512, 8192) == 0 &&
           file.read(block, uint64_t(mailbox) * 512, 65536) == 0;
}

// One Read frame of 64 KiB on an open mailbox: the transport's floor.
void BM_RawRead64K(benchmark::State &state)
{
    alignas(4096) static uint8_t block[65536];
    uint32_t mailbox = 0;
    auto file = openWithMailbox(block, &mailbox);
    if (!file) {
        state.SkipWithError("cannot open the configuration endpoint");
        return;
    }
    fillImageRequest(block, mailbox);
    file->write(block, uint64_t(mailbox) * 512, 8192);
    for (auto _ : state) {
        if (file->read(block, uint64_t(mailbox) * 512, 65536) != 0) {
            state.SkipWithError("read failed");
            break;
        }
        benchmark::DoNotOptimize(block[100]);
    }
}

// Opening the configuration endpoint and taking a mailbox, then closing.
void BM_OpenAndMailbox(benchmark::State &state)
{
    auto platform = fullDaemon().platform();
    alignas(4096) static uint8_t block[1024];
    for (auto _ : state) {
        auto file = platform->open("\\\\.\\KVConfig0", 4, 3, 0x60000000);
        if (!file || file->read(block, 0, 1024) != 0) {
            state.SkipWithError("cannot open the configuration endpoint");
            break;
        }
    }
}

// One read command for the image: the 8 KiB request out, the 64 KiB answer back.
void BM_ReadCommand64K(benchmark::State &state)
{
    alignas(4096) static uint8_t block[65536];
    uint32_t mailbox = 0;
    auto file = openWithMailbox(block, &mailbox);
    if (!file) {
        state.SkipWithError("cannot open the configuration endpoint");
        return;
    }
    for (auto _ : state) {
        if (!readImage(*file, block, mailbox)) {
            state.SkipWithError("read command failed");
            break;
        }
        benchmark::DoNotOptimize(block[100]);
    }
}

// The protocol floor of a handle build: the endpoint opened, a mailbox
// taken, and one read command for the image on the same socket, then closed.
void BM_HandleFloor_Full64K(benchmark::State &state)
{
    alignas(4096) static uint8_t block[65536];
    for (auto _ : state) {
        uint32_t mailbox = 0;
        auto file = openWithMailbox(block, &mailbox);
        if (!file) {
            state.SkipWithError("cannot open the configuration endpoint");
            break;
        }
        if (!readImage(*file, block, mailbox)) {
            state.SkipWithError("read command failed");
            break;
        }
        benchmark::DoNotOptimize(block[100]);
    }
}

// The compact dump of a built handle, then the parse of that text into the
// snapshot: the work that follows every handle build when the console
// refreshes (the disk lookups to the host are left out).
void dumpAndParse(benchmark::State &state, Daemon &daemon)
{
    kv::setPlatform(daemon.platform());
    KV_CoreLock lock;
    KV_Core core(".", "Core1");
    std::vector<char> text(512 * 1024);
    auto tables = std::make_unique<KV_SnapshotTables>();
    uint32_t length = 0;
    for (auto _ : state) {
        length = KV_DumpCore(core, text.data(), uint32_t(text.size()), 0, 1, 0);
        if (KV_ParseSnapshotText(text.data(), length, tables.get()) != 1) {
            state.SkipWithError("the dump did not parse");
            break;
        }
        benchmark::DoNotOptimize(tables->diskCount);
    }
    state.counters["bytes"] = length;
    state.counters["disks"] = tables->diskCount;
}

void BM_DumpAndParse_Demo(benchmark::State &state)
{
    dumpAndParse(state, demoDaemon());
}
void BM_DumpAndParse_Full64K(benchmark::State &state)
{
    dumpAndParse(state, fullDaemon());
}

} // namespace

BENCHMARK(BM_OpenAndMailbox)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadCommand64K)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawRead64K)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HandleFloor_Full64K)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HandleBuild_Demo)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HandleBuild_Full64K)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DumpAndParse_Demo)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DumpAndParse_Full64K)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
