// Fuzz target: the statistics answer. The driver's 8192-byte statistics
// block is arbitrary; the first input byte picks the report level and the
// interval flag, the second the caller's capacity. The report must stay
// inside its capacity, be terminated, and (when it fits) have the same
// number of lines as the report of a zeroed block at that level, since the
// status bar reads the lines by position; the status bar's sample is then
// read from it.
#include "kv_io_stats.h"
#include "kv_stats.h"
#include "recording_platform.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

const KV_CoreId Core{1, ".", "Core1"};

KV_STS report(test::RecordingPlatform &host, const uint8_t *block, size_t size, int level, int flag,
              std::vector<char> &text, uint32_t capacity)
{
    host.transfers.clear();
    host.readAnswers.clear();
    host.readAnswers.push_back({}); // the configuration image: all zeros
    host.readAnswers.push_back(
        {0, std::vector<uint8_t>(block, block + std::min<size_t>(size, KV_StatisticsBlockSize))});
    return KV_BufferPrintApiGetStats(&Core, text.data(), capacity, level, flag);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static auto host = [] {
        auto platform = std::make_shared<test::RecordingPlatform>();
        kv::setPlatform(platform);
        return platform;
    }();
    constexpr uint32_t Large = 64 * 1024, Guard = 16;
    // Lines of the report of a zeroed block, by level 0..5.
    static const std::vector<long> expectedLines = [] {
        std::vector<long> lines;
        std::vector<char> text(Large + Guard);
        for (int level = 0; level <= 5; ++level) {
            report(*host, nullptr, 0, level, 0, text, Large);
            lines.push_back(std::count(text.data(), text.data() + std::strlen(text.data()), '\n'));
        }
        return lines;
    }();
    if (size < 2)
        return 0;
    const int level = data[0] % 6, flag = (data[0] >> 3) & 1;
    const uint32_t capacity = data[1] < 128 ? Large : 1 + (data[1] - 128) * 16;
    data += 2;
    size -= 2;

    std::vector<char> text(capacity + Guard, 'G');
    const KV_STS status = report(*host, data, size, level, flag, text, capacity);
    const char *end = static_cast<const char *>(std::memchr(text.data(), '\0', capacity));
    if (end == nullptr)
        __builtin_trap(); // not terminated inside its capacity
    for (uint32_t i = capacity; i < capacity + Guard; ++i)
        if (text[i] != 'G')
            __builtin_trap();
    if (capacity != Large)
        return 0;
    if (status != KV_STS_SUCCESS ||
        std::count(static_cast<const char *>(text.data()), end, '\n') != expectedLines[level])
        __builtin_trap(); // a line went missing or a driver text broke one
    // Over a measured interval, and for the first sample, whose interval is
    // unknown.
    const QString report = QString::fromLatin1(text.data(), end - text.data());
    KV_IoStatsFromReport(report, 3.0);
    KV_IoStatsFromReport(report, 0.0);
    return 0;
}
