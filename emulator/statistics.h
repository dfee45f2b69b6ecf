// The driver's I/O statistics (read commands 0x1007 and 0x1008): counters
// that move with a simulated workload on the arrays the host sees, measured
// against the emulator's clock.
//
// Every array the operating system sees as a disk and that is NORMAL or
// CRITICAL carries a few MiB/s of reads and writes whose rate and request
// sizes change from second to second (the same seconds give the same load,
// so a ManualClock gives repeatable numbers). What the member disks see
// follows the array's level: mirrors write every copy, parity arrays read
// and write data and parity for a partial-stripe write. How the time is cut
// into reads does not change the totals.
#pragma once

#include "model.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>

namespace kvemu {

namespace stats {
inline constexpr size_t BlockBytes = 8192;
inline constexpr size_t TextBytes = 128; // terminated within the field
inline constexpr size_t BuildText = 64;
inline constexpr size_t HardwareText = 192;
inline constexpr size_t FirstWord = 320;
inline constexpr size_t WorstLatencyLower = 768;
inline constexpr size_t LatencySlots = 32;

// The uint32 words of the block, in order from FirstWord, 4 bytes apart.
enum Word : uint32_t {
    RunMode,
    DebugMode,
    HostSectors,
    DiskSectors,
    BusRequests,
    BusActive,
    BusActiveMax,
    BusSectorsRead,
    BusSectorsWritten,
    CoreRequests,
    CoreActive,
    CoreActiveMax,
    CoreSectorsRead,
    CoreSectorsWritten,
    AvailableMemory,
    IocCount,
    CleanBuffers,
    DirtyBuffers,
    FreeBuffers,
    StreamReadLookups,
    StreamHits,
    StreamPrefetches,
    StreamDataHits,
    InitConfigFlushDone,
    ConfigRescanOn,
    LogMemoryIsNV,
    DoSmart,
    SmartPollInterval,
    MemMoveActive,
    MemMoveActiveMax,
    MemXorActive,
    MemXorActiveMax,
    DirectIoActive,
    SimpleIoActive,
    LockQueueHead,
    LockQueueTail,
    DataMemoryQueueHead,
    IocQueueHeadReserved,
    ReservedIocCount,
    BuffersInProgress,
    BuffersInProgressLimit,
    ActiveBuffersLimitUpper,
    BootDirtyBuffers,
    MergeTotal,
    MergeBlocked,
    TouchedRegionMapWrites,
    BootTimeLogEntryCount,
    PagePromoteCount,
    ReadCacheAccess,
    WriteCacheAccess,
    ReadGhostCacheHit,
    ReadCacheHit,
    WriteGhostCacheHit,
    WriteCacheHit,
    ReadDataBlocked,
    WriteDataBlocked,
    ParityReadAccess,
    ParityReadHit,
    RmwCacheAccess,
    RmwCacheHit,
    OldDataReadAccess,
    OldDataReadHit,
    FlushAccessed,
    FlushResourcePoolAccessed,
    StripeWrites,
    StripeWritesPartial,
    NonStripeWrites,
    WorstLatency, // tenths of a millisecond, like every latency here
    WorstLatencyRoute,
    WorstLatencyDevice,
    WorstSimpleIoLatency,
    WorstDirectIoLatency,
    WorstFileIoLatency,
    TwoTripWriteRate, // percent of writes
    OneTripWriteRate,
    DoWriteBypass,
    WriteBypassThreshold, // sectors
    ActiveRaid5FlushesLimit,
    UnbufferedStrategy,
    BufferedStrategy,
    WriteCacheStrategy,
    ReadCacheStrategy,
    WordCount
};
constexpr size_t offsetOf(Word word)
{
    return FirstWord + 4 * size_t(word);
}
static_assert(offsetOf(WordCount) <= WorstLatencyLower);
} // namespace stats

class Statistics {
public:
    // Counting starts at `start`.
    explicit Statistics(std::chrono::milliseconds start);

    // Runs the workload of `model` from the last call up to `now`.
    void advance(const Model &model, std::chrono::milliseconds now);

    // Advances to `now` and writes the statistics into `block` (BlockBytes,
    // its response header already written). With `interval` the bus and core
    // request and sector counts are those since the previous interval read,
    // and a new interval starts; otherwise they are those since start. Host
    // and disk sector totals are cumulative either way. Counters are 32-bit
    // in the block and wrap as the driver's do.
    void fill(const Model &model, std::chrono::milliseconds now, bool interval, uint8_t *block);

    // The amounts that accumulate, by index into Amounts.
    enum Amount {
        CoreReadSectors,
        CoreWriteSectors,
        CoreReads,
        CoreWrites,
        BusReadSectors,
        BusWriteSectors,
        BusReads,
        BusWrites,
        FullStripeWrites,
        PartialStripeWrites,
        PlainWrites,
        AmountCount
    };
    using Amounts = std::array<uint64_t, AmountCount>;

private:
    void sampleSecond(const Model &model, uint64_t second);

    std::chrono::milliseconds last_;
    Amounts total_{};
    Amounts intervalStart_{};
    // What the driver would show at the last second visited, and the peaks.
    uint32_t busActive_ = 0, busActiveMax_ = 0;
    uint32_t coreActive_ = 0, coreActiveMax_ = 0;
    uint32_t moveActive_ = 0, moveActiveMax_ = 0;
    uint32_t xorActive_ = 0, xorActiveMax_ = 0;
    uint32_t dirtyBuffers_ = 0;
    uint32_t worstLatency_ = 0, worstRoute_ = 0, worstDevice_ = 0;
    uint32_t worstSimple_ = 0, worstDirect_ = 0, worstFile_ = 0;
    std::array<uint32_t, stats::LatencySlots> worstLower_{}; // by disk, in model order
};

} // namespace kvemu
