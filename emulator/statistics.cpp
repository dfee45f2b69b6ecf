#include "statistics.h"

#include "byte_order.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace kvemu {

using bytes::put;

namespace {

constexpr uint64_t SectorsPerMiB = 2048;
constexpr uint32_t BufferCount = 4096; // 64 KiB cache buffers: 256 MiB
constexpr uint32_t BufferSectors = 128;
constexpr uint32_t InProgressLimit = 256;

uint64_t mix(uint64_t x)
{
    // splitmix64: a fixed, well-spread hash of the second and the array.
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

uint64_t noise(uint64_t second, uint64_t arrayId, uint64_t salt)
{
    return mix(second * 0x100000001B3ull ^ mix(arrayId ^ salt));
}

bool carriesIo(const LogicalDevice &array)
{
    return (array.state == rec::ArrayNormal || array.state == rec::ArrayCritical) &&
           (array.attributes & rec::AttrNoOsDisk) == 0;
}

bool onNvme(const Model &model, const LogicalDevice &array)
{
    for (const Element &e : array.elements)
        if (const PhysicalDisk *d = model.findDisk(e.diskId); d && (d->portType & rec::PortNvme))
            return true;
    return false;
}

// One second of the array's workload, and its latency in tenths of a
// millisecond.
struct Second {
    Statistics::Amounts amounts{};
    uint32_t latency = 0;
};

Second secondOf(const Model &model, const LogicalDevice &array, uint64_t second)
{
    using A = Statistics::Amount;
    Second s;
    auto &x = s.amounts;
    const uint64_t h = noise(second, array.id, 0);
    // 2 to 4 MiB/s of reads and 1 to 2 MiB/s of writes, each at 50..149 %.
    const uint64_t readRate = (2 + array.deviceRoute % 3) * SectorsPerMiB;
    const uint64_t writeRate = (1 + array.deviceRoute % 2) * SectorsPerMiB;
    x[A::CoreReadSectors] = readRate * (50 + h % 100) / 100;
    x[A::CoreWriteSectors] = writeRate * (50 + (h >> 8) % 100) / 100;
    // Request sizes of the second: 4 KiB to 128 KiB.
    static constexpr uint64_t sizes[] = {8, 32, 64, 128, 256};
    const uint64_t readSize = sizes[(h >> 16) % 5];
    const uint64_t writeSize = sizes[(h >> 24) % 5];
    x[A::CoreReads] = std::max<uint64_t>(1, x[A::CoreReadSectors] / readSize);
    x[A::CoreWrites] = std::max<uint64_t>(1, x[A::CoreWriteSectors] / writeSize);

    x[A::BusReadSectors] = x[A::CoreReadSectors];
    x[A::BusReads] = x[A::CoreReads];
    const uint64_t members = uint64_t(array.firstCount) * array.secondCount;
    const uint64_t parity = array.typeCode == rec::TypeParity  ? 1
                            : array.typeCode == rec::TypeRaid6 ? 2
                                                               : 0;
    if (parity > 0 && members > parity) {
        if (writeSize >= 128) {
            // Whole stripes: data and parity written once, nothing read.
            x[A::FullStripeWrites] = x[A::CoreWrites];
            x[A::BusWriteSectors] = x[A::CoreWriteSectors] * members / (members - parity);
            x[A::BusWrites] = x[A::CoreWrites] * members;
        } else {
            // Read-modify-write: old data and parity read, new ones written.
            x[A::PartialStripeWrites] = x[A::CoreWrites];
            x[A::BusReadSectors] += x[A::CoreWriteSectors] * (1 + parity);
            x[A::BusReads] += x[A::CoreWrites] * (1 + parity);
            x[A::BusWriteSectors] = x[A::CoreWriteSectors] * (1 + parity);
            x[A::BusWrites] = x[A::CoreWrites] * (1 + parity);
        }
    } else {
        const uint64_t copies =
            array.typeCode == rec::TypeMirrorStripe ? std::max<uint32_t>(1, array.secondCount) : 1;
        x[A::PlainWrites] = x[A::CoreWrites];
        x[A::BusWriteSectors] = x[A::CoreWriteSectors] * copies;
        x[A::BusWrites] = x[A::CoreWrites] * copies;
    }
    const uint32_t base = onNvme(model, array) ? 2 : 45;
    s.latency = uint32_t(base * (50 + (h >> 32) % 100) / 100) + 1;
    return s;
}

// Requests in flight for `perSecond` requests of `latency` tenths each
// (Little's law), rounded up.
uint32_t inFlight(uint64_t perSecond, uint32_t latency)
{
    return uint32_t((perSecond * latency + 9999) / 10000);
}

void putText(uint8_t *block, size_t offset, const std::string &text)
{
    std::memcpy(block + offset, text.data(), std::min(text.size(), stats::TextBytes - 1));
}

} // namespace

Statistics::Statistics(std::chrono::milliseconds start) : last_(start) {}

void Statistics::advance(const Model &model, std::chrono::milliseconds now)
{
    int64_t from = last_.count();
    const int64_t to = now.count();
    while (from < to) {
        const uint64_t second = uint64_t(from / 1000);
        const int64_t secondStart = int64_t(second) * 1000;
        const int64_t until = std::min<int64_t>(to, secondStart + 1000);
        // The part of each second's amounts that falls in [from, until);
        // the parts of one second add up to the whole.
        const uint64_t a = uint64_t(from - secondStart), b = uint64_t(until - secondStart);
        for (const LogicalDevice &array : model.arrays) {
            if (!carriesIo(array))
                continue;
            const Second s = secondOf(model, array, second);
            for (size_t i = 0; i < AmountCount; ++i)
                total_[i] += s.amounts[i] * b / 1000 - s.amounts[i] * a / 1000;
        }
        sampleSecond(model, second);
        from = until;
    }
    last_ = std::max(last_, now);
}

void Statistics::sampleSecond(const Model &model, uint64_t second)
{
    uint32_t core = 0, bus = 0, moves = 0, xors = 0;
    uint64_t writeSectors = 0;
    for (const LogicalDevice &array : model.arrays) {
        if (!carriesIo(array))
            continue;
        const Second s = secondOf(model, array, second);
        const uint64_t h = noise(second, array.id, 1);
        core += inFlight(s.amounts[CoreReads] + s.amounts[CoreWrites], s.latency) + h % 2;
        bus += inFlight(s.amounts[BusReads] + s.amounts[BusWrites], s.latency) + (h >> 1) % 3;
        moves += 1 + (h >> 3) % 2;
        if (s.amounts[FullStripeWrites] + s.amounts[PartialStripeWrites] > 0)
            xors += 1 + (h >> 4) % 2;
        writeSectors += s.amounts[CoreWriteSectors];

        // A peak of 100..199 % of the second's latency on one member disk.
        if (array.elements.empty())
            continue;
        const Element &member = array.elements[(h >> 8) % array.elements.size()];
        const uint32_t peak = uint32_t(s.latency * (100 + (h >> 16) % 100) / 100);
        for (size_t i = 0; i < model.disks.size() && i < worstLower_.size(); ++i) {
            const PhysicalDisk &disk = model.disks[i];
            if (disk.id != member.diskId)
                continue;
            worstLower_[i] = std::max(worstLower_[i], peak);
            if (peak > worstLatency_) {
                worstLatency_ = peak;
                worstRoute_ = disk.coreRoute();
                worstDevice_ = disk.deviceRoute;
            }
        }
        worstSimple_ = std::max(worstSimple_, s.latency * 6 / 5);
        worstDirect_ = std::max(worstDirect_, s.latency * 11 / 10);
        worstFile_ = std::max(worstFile_, s.latency * 3 / 2);
    }
    coreActive_ = core;
    busActive_ = std::min(bus, InProgressLimit);
    moveActive_ = moves;
    xorActive_ = xors;
    coreActiveMax_ = std::max(coreActiveMax_, coreActive_);
    busActiveMax_ = std::max(busActiveMax_, busActive_);
    moveActiveMax_ = std::max(moveActiveMax_, moveActive_);
    xorActiveMax_ = std::max(xorActiveMax_, xorActive_);
    // Writes are held in the cache for about a second before they are flushed.
    dirtyBuffers_ = uint32_t(std::min<uint64_t>(BufferCount / 4, writeSectors / BufferSectors));
}

void Statistics::fill(const Model &model, std::chrono::milliseconds now, bool interval,
                      uint8_t *block)
{
    using namespace stats;
    advance(model, now);
    const auto word = [block](Word w, uint64_t value) {
        put<uint32_t>(block, offsetOf(w), uint32_t(value)); // 32-bit counters wrap
    };

    putText(block, BuildText, model.core.buildText);
    std::string hardware;
    for (const Controller &c : model.controllers) {
        char pci[16];
        std::snprintf(pci, sizeof pci, " %04X:%04X", c.pciVendor, c.pciDevice);
        hardware += (hardware.empty() ? "" : ", ") + c.name + pci;
    }
    putText(block, HardwareText, hardware);

    const Amounts &t = total_;
    Amounts shown = total_;
    if (interval) {
        for (size_t i = 0; i < AmountCount; ++i)
            shown[i] -= intervalStart_[i];
        intervalStart_ = total_;
    }
    word(HostSectors, t[CoreReadSectors] + t[CoreWriteSectors]);
    word(DiskSectors, t[BusReadSectors] + t[BusWriteSectors]);
    word(BusRequests, shown[BusReads] + shown[BusWrites]);
    word(BusSectorsRead, shown[BusReadSectors]);
    word(BusSectorsWritten, shown[BusWriteSectors]);
    word(CoreRequests, shown[CoreReads] + shown[CoreWrites]);
    word(CoreSectorsRead, shown[CoreReadSectors]);
    word(CoreSectorsWritten, shown[CoreWriteSectors]);
    word(BusActive, busActive_);
    word(BusActiveMax, busActiveMax_);
    word(CoreActive, coreActive_);
    word(CoreActiveMax, coreActiveMax_);

    // The cache: dirty buffers follow the writes, clean ones fill up with
    // what has been read, buffers in progress are the disk requests in flight.
    const uint32_t inProgress = busActive_;
    const uint32_t clean = uint32_t(std::min<uint64_t>(BufferCount - dirtyBuffers_ - inProgress,
                                                       t[CoreReadSectors] / BufferSectors));
    const uint32_t freeBuffers = BufferCount - dirtyBuffers_ - inProgress - clean;
    word(AvailableMemory, 65536 + uint64_t(freeBuffers) * 64); // KiB
    word(IocCount, 2048);
    word(CleanBuffers, clean);
    word(DirtyBuffers, dirtyBuffers_);
    word(FreeBuffers, freeBuffers);
    word(BuffersInProgress, inProgress);
    word(BuffersInProgressLimit, InProgressLimit);
    word(ActiveBuffersLimitUpper, BufferCount * 3 / 4);
    word(ReservedIocCount, 64);

    // Cache counters are fixed shares of the requests since start, so hits
    // never exceed their accesses.
    const uint64_t reads = t[CoreReads], writes = t[CoreWrites];
    const uint64_t partial = t[PartialStripeWrites];
    word(StreamReadLookups, reads);
    word(StreamHits, reads * 3 / 5);
    word(StreamPrefetches, reads * 3 / 20);
    word(StreamDataHits, reads * 2 / 5);
    word(ReadCacheAccess, reads);
    word(WriteCacheAccess, writes);
    word(ReadGhostCacheHit, reads / 20);
    word(ReadCacheHit, reads * 7 / 20);
    word(WriteGhostCacheHit, writes * 3 / 100);
    word(WriteCacheHit, writes / 5);
    word(ReadDataBlocked, reads / 100);
    word(WriteDataBlocked, writes / 50);
    word(ParityReadAccess, partial);
    word(ParityReadHit, partial / 4);
    word(RmwCacheAccess, partial);
    word(RmwCacheHit, partial * 3 / 10);
    word(OldDataReadAccess, partial);
    word(OldDataReadHit, partial / 5);
    word(FlushAccessed, writes / 8);
    word(FlushResourcePoolAccessed, writes / 80);
    word(StripeWrites, t[FullStripeWrites]);
    word(StripeWritesPartial, partial);
    word(NonStripeWrites, t[PlainWrites]);
    word(MergeTotal, writes / 6);
    word(MergeBlocked, writes / 120);
    word(TouchedRegionMapWrites, writes / 64);
    word(PagePromoteCount, reads * 7 / 200);
    word(BootTimeLogEntryCount, 12);
    word(TwoTripWriteRate, writes ? partial * 100 / writes : 0);
    word(OneTripWriteRate, writes ? 100 - partial * 100 / writes : 0);

    word(MemMoveActive, moveActive_);
    word(MemMoveActiveMax, moveActiveMax_);
    word(MemXorActive, xorActive_);
    word(MemXorActiveMax, xorActiveMax_);
    word(SimpleIoActive, coreActive_ / 2);
    word(DirectIoActive, coreActive_ - coreActive_ / 2);
    // The model never waits on a lock or for memory: the wait queues stay
    // empty (null heads and tails).

    word(WorstLatency, worstLatency_);
    word(WorstLatencyRoute, worstRoute_);
    word(WorstLatencyDevice, worstDevice_);
    for (size_t i = 0; i < LatencySlots; ++i)
        put<uint32_t>(block, WorstLatencyLower + 4 * i, worstLower_[i]);
    word(WorstSimpleIoLatency, worstSimple_);
    word(WorstDirectIoLatency, worstDirect_);
    word(WorstFileIoLatency, worstFile_);

    word(RunMode, 0);
    word(DebugMode, 0);
    word(InitConfigFlushDone, 1);
    word(ConfigRescanOn, 1);
    word(LogMemoryIsNV, 0);
    word(DoSmart, 1);
    word(SmartPollInterval, 300); // seconds
    word(DoWriteBypass, 1);
    word(WriteBypassThreshold, 256);
    word(ActiveRaid5FlushesLimit, 16);
    word(UnbufferedStrategy, 0x1);
    word(BufferedStrategy, 0x3);
    word(WriteCacheStrategy, 0x2);
    word(ReadCacheStrategy, 0x1);
}

} // namespace kvemu
