#include "kv_stats.h"

#include "kv_api_call.h"
#include "kv_record.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

namespace st = kv::stats;
using kv::record::u32;

constexpr const char *StatsTag = "KV_BufferPrintApiGetStats";

// Appends formatted lines to the caller's buffer and never past it: the text
// stays terminated, and a line that does not fit is cut and ends the report.
class ReportWriter {
public:
    ReportWriter(char *output, uint32_t capacity) : output_(output), capacity_(capacity)
    {
        output_[0] = '\0';
    }

    // One line: `label` left-justified in 30 columns, then the value.
    [[gnu::format(printf, 3, 4)]] void line(const char *label, const char *format, ...)
    {
        append("%-30s", label);
        va_list args;
        va_start(args, format);
        appendV(format, args);
        va_end(args);
        append("\n");
    }

    bool truncated() const { return truncated_; }

private:
    [[gnu::format(printf, 2, 3)]] void append(const char *format, ...)
    {
        va_list args;
        va_start(args, format);
        appendV(format, args);
        va_end(args);
    }

    [[gnu::format(printf, 2, 0)]] void appendV(const char *format, va_list args)
    {
        if (truncated_)
            return;
        const uint32_t room = capacity_ - length_; // at least 1: the terminator
        const int written = std::vsnprintf(output_ + length_, room, format, args);
        if (written < 0 || uint32_t(written) >= room) {
            truncated_ = true;
            length_ = capacity_ - 1;
            output_[length_] = '\0';
            return;
        }
        length_ += uint32_t(written);
    }

    char *output_;
    uint32_t capacity_;
    uint32_t length_ = 0;
    bool truncated_ = false;
};

// A text field of the driver, bounded to its width. Control characters
// become blanks: the report is read by line position, so a line break in a
// driver's text would shift every line after it.
std::array<char, st::TextBytes + 1> driverText(const uint8_t *block, size_t offset)
{
    std::array<char, st::TextBytes + 1> text{};
    for (size_t i = 0; i < st::TextBytes; ++i) {
        const auto c = static_cast<unsigned char>(block[offset + i]);
        if (c == 0)
            break;
        text[i] = (c < 0x20 || c == 0x7F) ? ' ' : char(c);
    }
    return text;
}

// Hits as a percentage of accesses; 0 unless both are non-zero.
double percent(uint32_t hits, uint32_t accesses)
{
    return hits != 0 && accesses != 0 ? double(hits) / double(accesses) * 100.0 : 0.0;
}

double ratio(double numerator, double denominator)
{
    return numerator != 0 && denominator != 0 ? numerator / denominator : 0.0;
}

// MiB of a count of 512-byte sectors; 0 below two sectors.
double sectorsToMB(uint64_t sectors)
{
    return sectors >= 2 ? double(sectors) / 2.0 / 1024.0 : 0.0;
}

// Average request size in KiB.
double ioSizeKB(uint64_t sectors, uint32_t requests)
{
    return sectors != 0 && requests != 0 ? double(sectors) / (2.0 * double(requests)) : 0.0;
}

double tenths(uint32_t value)
{
    return value * 0.1;
}

// Counters are unsigned 32-bit: they are printed with %u so that one past
// 2^31 does not come out negative; below that the text is what %d gives.
void writeReport(const uint8_t *b, int level, ReportWriter &w)
{
    const auto v = [b](size_t offset) { return u32(b, offset); };

    const uint64_t busSectors = uint64_t(v(st::BusSectorsRead)) + v(st::BusSectorsWritten);
    const uint64_t coreSectors = uint64_t(v(st::CoreSectorsRead)) + v(st::CoreSectorsWritten);
    const double busMB = sectorsToMB(busSectors);
    const double coreMB = sectorsToMB(coreSectors);
    const double busIoSize = ioSizeKB(busSectors, v(st::BusRequests));
    const double coreIoSize = ioSizeKB(coreSectors, v(st::CoreRequests));
    // Host and disk totals are in decimal MB: 1953 sectors are about 10^6 bytes.
    const uint32_t hostMB = v(st::HostSectors) / 1953;
    const uint32_t diskMB = v(st::DiskSectors) / 1953;

    w.line("BUILD:", "%-s", driverText(b, st::BuildText).data());
    w.line("Hardware:", "%-s", driverText(b, st::HardwareText).data());
    w.line("RunMode:", "%-s", v(st::RunMode) ? "External" : "PCI");
    w.line("DebugMode:", "%-8s", v(st::DebugMode) ? "ON" : "OFF");
    w.line("HostTotalMB:", "%-8u", hostMB);
    w.line("DiskTotalMB:", "%-8u", diskMB);
    w.line("TotalBusR/W:", "%-4.2f MB", busMB);
    w.line("TotalCoreR/W:", "%-4.2f MB", coreMB);
    w.line("BusMB/CoreMB:", "%-4.2f", ratio(busMB, coreMB));
    w.line("BusIoSize/CoreIoSize:", "%-4.2f", ratio(busIoSize, coreIoSize));
    w.line("BusRequests/CoreRequests:", "%-4.2f", ratio(v(st::BusRequests), v(st::CoreRequests)));
    w.line("BusIocTotalRequests:", "%-u", v(st::BusRequests));
    w.line("BusIocActive:", "%-u", v(st::BusActive));
    w.line("CoreIocActive:", "%-u", v(st::CoreActive));
    w.line("CoreIocTotalRequests:", "%-u", v(st::CoreRequests));
    w.line("AvailableMemory:", "%-8u", v(st::AvailableMemory));
    w.line("IocCount:", "%-u", v(st::IocCount));
    w.line("CleanBufferCount:", "%-u", v(st::CleanBuffers));
    w.line("DirtyBufferCount:", "%-u", v(st::DirtyBuffers));
    w.line("FreeBufferCount:", "%-u", v(st::FreeBuffers));
    w.line("StreamHits:", "%-u  %-6.2f%% ", v(st::StreamHits),
           percent(v(st::StreamHits), v(st::StreamReadLookups)));
    w.line("KV_InitConfigFlushDone:", "%-8u", v(st::InitConfigFlushDone));
    w.line("KV_ConfigRescanOn:", "%-8u", v(st::ConfigRescanOn));
    w.line("KV_LogMemoryIsNV:", "%-8u", v(st::LogMemoryIsNV));
    w.line("KV_DoSmart:", "%-u", v(st::DoSmart));
    w.line("KV_SmartPollInterval:", "%-u", v(st::SmartPollInterval));
    if (level < 1)
        return;

    w.line("BusIocActiveMax:", "%-u", v(st::BusActiveMax));
    w.line("CoreIocActiveMax:", "%-u", v(st::CoreActiveMax));
    w.line("MemMoveActive:", "%-u", v(st::MemMoveActive));
    w.line("MemMoveActiveMax:", "%-u", v(st::MemMoveActiveMax));
    w.line("MemXorActive:", "%-u", v(st::MemXorActive));
    w.line("MemXorActiveMax:", "%-u", v(st::MemXorActiveMax));
    w.line("DirectIoActive:", "%-8u", v(st::DirectIoActive));
    w.line("SimpleIoActive:", "%-8u", v(st::SimpleIoActive));
    if (level < 2)
        return;

    w.line("pLockWaitingQueueHead:", "%-8x", v(st::LockQueueHead));
    w.line("pLockWaitingQueueTail:", "%-8x", v(st::LockQueueTail));
    w.line("pDataMemoryWaitingQueueHead:", "%-8x", v(st::DataMemoryQueueHead));
    w.line("pIocWaitingQueueHeadReserved:", "%-8x", v(st::IocQueueHeadReserved));
    w.line("KV_ReservedIocCount:", "%-8u", v(st::ReservedIocCount));
    w.line("KV_BuffersInProgress:", "%-8u", v(st::BuffersInProgress));
    w.line("BootDirtyBuffers:", "%-u", v(st::BootDirtyBuffers));
    if (level < 3)
        return;

    w.line("BusIocTotalSectorsRead:", "%-u", v(st::BusSectorsRead));
    w.line("BusIocTotalSectorsWrite:", "%-u", v(st::BusSectorsWritten));
    w.line("CoreTotalSectorsRead:", "%-u", v(st::CoreSectorsRead));
    w.line("CoreTotalSectorsWrite:", "%-u", v(st::CoreSectorsWritten));
    w.line("MergeTotal:", "%-u", v(st::MergeTotal));
    w.line("MergeBlocked:", "%-u", v(st::MergeBlocked));
    w.line("TouchedRegionMapWrites:", "%-u", v(st::TouchedRegionMapWrites));
    w.line("BootTimeLogEntryCount:", "%-u", v(st::BootTimeLogEntryCount));
    w.line("KV_BuffersInProgressLimit:", "%-8u", v(st::BuffersInProgressLimit));
    w.line("KV_ActiveBuffersLimitUpper:", "%-8u", v(st::ActiveBuffersLimitUpper));
    w.line("PagePromoteCount:", "%-8u", v(st::PagePromoteCount));
    if (level < 4)
        return;

    const uint32_t readAccess = v(st::ReadCacheAccess);
    const uint32_t writeAccess = v(st::WriteCacheAccess);
    w.line("ReadCacheAccess:", "%-u", readAccess);
    w.line("StreamReadLookups:", "%-u", v(st::StreamReadLookups));
    w.line("StreamPrefetches:", "%-u", v(st::StreamPrefetches));
    w.line("StreamDataHit:", "%-u  %-6.2f%% ", v(st::StreamDataHits),
           percent(v(st::StreamDataHits), readAccess));
    w.line("StripeWrites:", "%-u", v(st::StripeWrites));
    w.line("StripeWritesPartial:", "%-u", v(st::StripeWritesPartial));
    w.line("NonStripeWrites:", "%-u", v(st::NonStripeWrites));
    w.line("WriteCacheAccess:", "%-u", writeAccess);
    w.line("ReadGhostCacheHit:", "%-u  %-6.2f%%", v(st::ReadGhostCacheHit),
           percent(v(st::ReadGhostCacheHit), readAccess));

    const auto hitLine = [&](const char *label, uint32_t hits, uint32_t accesses) {
        w.line(label, "%-u  %-4.2f%%", hits, percent(hits, accesses));
    };
    hitLine("ReadCacheHit:", v(st::ReadCacheHit), readAccess);
    hitLine("WriteGhostCacheHit:", v(st::WriteGhostCacheHit), writeAccess);
    hitLine("WriteCacheHit:", v(st::WriteCacheHit), writeAccess);
    hitLine("ReadDataBlocked:", v(st::ReadDataBlocked), readAccess);
    hitLine("WriteDataBlocked:", v(st::WriteDataBlocked), writeAccess);

    // Access counts, each followed by its hits as a percentage of it.
    const struct {
        const char *accessLabel;
        size_t access;
        const char *hitLabel;
        size_t hit;
    } pairs[] = {
        {"ParityReadAccess:", st::ParityReadAccess, "ParityReadHit:", st::ParityReadHit},
        {"RMWCacheAccess:", st::RmwCacheAccess, "RMWCacheHit:", st::RmwCacheHit},
        {"OldDataReadAccess:", st::OldDataReadAccess, "OldDataReadHit:", st::OldDataReadHit},
        {"FlushAccessed:", st::FlushAccessed,
         "FlushResourcePoolAccessed:", st::FlushResourcePoolAccessed},
    };
    for (const auto &pair : pairs) {
        w.line(pair.accessLabel, "%-u", v(pair.access));
        hitLine(pair.hitLabel, v(pair.hit), v(pair.access));
    }

    w.line("WorstLatency:", "%1.1f", tenths(v(st::WorstLatency)));
    w.line("WorstLatencyRoute:", "%-u", v(st::WorstLatencyRoute));
    w.line("WorstLatencyDevice:", "%-u", v(st::WorstLatencyDevice));
    for (unsigned slot = 0; slot < st::WorstLatencySlots; ++slot) {
        char label[32];
        std::snprintf(label, sizeof label, "WorstLatencyLower[%2u]:", slot);
        w.line(label, "%1.1f", tenths(v(st::WorstLatencyLower + 4 * slot)));
    }
    w.line("WorstSimpleIoLatency:", "%1.1f", tenths(v(st::WorstSimpleIoLatency)));
    w.line("WorstDirectIoLatency:", "%1.1f", tenths(v(st::WorstDirectIoLatency)));
    w.line("WorstFileIoLatency:", "%1.1f", tenths(v(st::WorstFileIoLatency)));

    const struct {
        const char *label;
        size_t offset;
    } tail[] = {
        {"TwoTripWriteRate:", st::TwoTripWriteRate},
        {"OneTripWriteRate:", st::OneTripWriteRate},
        {"DoWriteBypass:", st::DoWriteBypass},
        {"WriteBypassThreshold:", st::WriteBypassThreshold},
        {"ActiveRaid5FlushesLimit:", st::ActiveRaid5FlushesLimit},
        {"UnbufferedStrategy:", st::UnbufferedStrategy},
        {"BufferedStrategy:", st::BufferedStrategy},
        {"WriteCacheStrategy:", st::WriteCacheStrategy},
        {"ReadCacheStrategy:", st::ReadCacheStrategy},
    };
    for (const auto &entry : tail)
        w.line(entry.label, "%-u", v(entry.offset));
}

} // namespace

// Follows the calling convention of kv_api_call.h, owning its block: an
// allocation failure is KV_STS_SPACE_NOT_ALLOCATED (not
// KV_STS_NO_MEMORY_AVAILABLE), and the block must outlive the attempts
// because the report is written from it.
KV_STS KV_BufferPrintApiGetStats(const KV_CoreId *core, char *output, uint32_t capacity, int level,
                                 int flag)
{
    if (core == nullptr || output == nullptr || capacity == 0)
        return KVTL_STS_INVALID_PARAMETER;
    output[0] = '\0';
    const uint32_t readCode = flag ? KV_ReadStatisticsInterval : KV_ReadStatistics;

    KV_CoreLock lock;
    KV_RequestBlock block(KV_StatisticsBlockSize, StatsTag);
    if (!block)
        return KV_STS_SPACE_NOT_ALLOCATED;
    const KV_STS status = KV_RetryOnStaleGeneration(
        *core, block.data(), KV_StatisticsBlockSize, [&](KV_Core &handle, uint8_t *request) {
            return handle.KV_ConfigRead(request, KV_StatisticsBlockSize, readCode, 0);
        });
    if (status == KV_STS_INVALID_CORE_HANDLE)
        return status;
    // A refused read may have left the driver's status answer in the block.
    if (status != KV_STS_SUCCESS)
        std::memset(block.data(), 0, KV_StatisticsBlockSize);

    ReportWriter writer(output, capacity);
    writeReport(block.data(), level, writer);
    if (status == KV_STS_SUCCESS && writer.truncated())
        return KV_STS_BUFFER_TOO_SMALL;
    return status;
}
