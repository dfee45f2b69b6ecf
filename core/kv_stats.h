// The I/O statistics report: the driver's statistics block turned into text,
// one value per line, for the status bar and the support log.
#pragma once

#include "kv_coreid.h"
#include "kv_status.h"

#include <cstddef>
#include <cstdint>

// Read command codes: counters since the driver started, or (interval) the
// request and sector counts since the previous interval read, which starts
// a new interval.
inline constexpr uint32_t KV_ReadStatistics = 0x1007;
inline constexpr uint32_t KV_ReadStatisticsInterval = 0x1008;
inline constexpr uint32_t KV_StatisticsBlockSize = 8192;

// Writes the statistics report of `core` into `output` (`capacity` bytes,
// always terminated when capacity is at least 1): the 26 lines every level
// has, and from `level` 1 to 4 (higher counts as 4) the further groups.
// `flag` set reads the interval counters (0x1008), otherwise those since
// start (0x1007).
//
// The application reads the lines by position, so their order and count
// are fixed and the driver's texts are bounded to their fields with control
// characters made blanks. A failed read still writes the report, from a
// zeroed block ("PCI", "OFF", zeros).
//
// Returns the read's status (1 on success); KVTL_STS_INVALID_PARAMETER for a
// missing core, output or capacity; KV_STS_INVALID_CORE_HANDLE when the
// core does not open; KV_STS_SPACE_NOT_ALLOCATED when the block cannot be
// allocated; KV_STS_BUFFER_TOO_SMALL when a successful report did not fit
// (the text is then cut at the capacity).
KV_STS KV_BufferPrintApiGetStats(const KV_CoreId *core, char *output, uint32_t capacity, int level,
                                 int flag);

// Where the driver keeps each value in its statistics block. Numbers are
// little-endian uint32; texts are fixed fields that need not be terminated.
// The block begins with the usual 32-byte response header.
namespace kv::stats {
inline constexpr size_t TextBytes = 128;
inline constexpr size_t BuildText = 64;
inline constexpr size_t HardwareText = 192;

inline constexpr size_t RunMode = 320; // non-zero: external
inline constexpr size_t DebugMode = 324;
inline constexpr size_t HostSectors = 328; // cumulative
inline constexpr size_t DiskSectors = 332; // cumulative
inline constexpr size_t BusRequests = 336;
inline constexpr size_t BusActive = 340;
inline constexpr size_t BusActiveMax = 344;
inline constexpr size_t BusSectorsRead = 348;
inline constexpr size_t BusSectorsWritten = 352;
inline constexpr size_t CoreRequests = 356;
inline constexpr size_t CoreActive = 360;
inline constexpr size_t CoreActiveMax = 364;
inline constexpr size_t CoreSectorsRead = 368;
inline constexpr size_t CoreSectorsWritten = 372;
inline constexpr size_t AvailableMemory = 376;
inline constexpr size_t IocCount = 380;
inline constexpr size_t CleanBuffers = 384;
inline constexpr size_t DirtyBuffers = 388;
inline constexpr size_t FreeBuffers = 392;
inline constexpr size_t StreamReadLookups = 396;
inline constexpr size_t StreamHits = 400;
inline constexpr size_t StreamPrefetches = 404;
inline constexpr size_t StreamDataHits = 408;
inline constexpr size_t InitConfigFlushDone = 412;
inline constexpr size_t ConfigRescanOn = 416;
inline constexpr size_t LogMemoryIsNV = 420;
inline constexpr size_t DoSmart = 424;
inline constexpr size_t SmartPollInterval = 428;
inline constexpr size_t MemMoveActive = 432;
inline constexpr size_t MemMoveActiveMax = 436;
inline constexpr size_t MemXorActive = 440;
inline constexpr size_t MemXorActiveMax = 444;
inline constexpr size_t DirectIoActive = 448;
inline constexpr size_t SimpleIoActive = 452;
inline constexpr size_t LockQueueHead = 456;
inline constexpr size_t LockQueueTail = 460;
inline constexpr size_t DataMemoryQueueHead = 464;
inline constexpr size_t IocQueueHeadReserved = 468;
inline constexpr size_t ReservedIocCount = 472;
inline constexpr size_t BuffersInProgress = 476;
inline constexpr size_t BuffersInProgressLimit = 480;
inline constexpr size_t ActiveBuffersLimitUpper = 484;
inline constexpr size_t BootDirtyBuffers = 488;
inline constexpr size_t MergeTotal = 492;
inline constexpr size_t MergeBlocked = 496;
inline constexpr size_t TouchedRegionMapWrites = 500;
inline constexpr size_t BootTimeLogEntryCount = 504;
inline constexpr size_t PagePromoteCount = 508;
inline constexpr size_t ReadCacheAccess = 512;
inline constexpr size_t WriteCacheAccess = 516;
inline constexpr size_t ReadGhostCacheHit = 520;
inline constexpr size_t ReadCacheHit = 524;
inline constexpr size_t WriteGhostCacheHit = 528;
inline constexpr size_t WriteCacheHit = 532;
inline constexpr size_t ReadDataBlocked = 536;
inline constexpr size_t WriteDataBlocked = 540;
inline constexpr size_t ParityReadAccess = 544;
inline constexpr size_t ParityReadHit = 548;
inline constexpr size_t RmwCacheAccess = 552;
inline constexpr size_t RmwCacheHit = 556;
inline constexpr size_t OldDataReadAccess = 560;
inline constexpr size_t OldDataReadHit = 564;
inline constexpr size_t FlushAccessed = 568;
inline constexpr size_t FlushResourcePoolAccessed = 572;
inline constexpr size_t StripeWrites = 576;
inline constexpr size_t StripeWritesPartial = 580;
inline constexpr size_t NonStripeWrites = 584;
inline constexpr size_t WorstLatency = 588; // tenths of a millisecond
inline constexpr size_t WorstLatencyRoute = 592;
inline constexpr size_t WorstLatencyDevice = 596;
inline constexpr size_t WorstSimpleIoLatency = 600; // tenths
inline constexpr size_t WorstDirectIoLatency = 604; // tenths
inline constexpr size_t WorstFileIoLatency = 608;   // tenths
inline constexpr size_t TwoTripWriteRate = 612;
inline constexpr size_t OneTripWriteRate = 616;
inline constexpr size_t DoWriteBypass = 620;
inline constexpr size_t WriteBypassThreshold = 624;
inline constexpr size_t ActiveRaid5FlushesLimit = 628;
inline constexpr size_t UnbufferedStrategy = 632;
inline constexpr size_t BufferedStrategy = 636;
inline constexpr size_t WriteCacheStrategy = 640;
inline constexpr size_t ReadCacheStrategy = 644;
inline constexpr size_t WorstLatencyLower = 768; // 32 slots, tenths
inline constexpr size_t WorstLatencySlots = 32;
} // namespace kv::stats
