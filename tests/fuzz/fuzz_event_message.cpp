// Fuzz target: the event message reader and the line it writes. The driver's
// user-message answer is arbitrary; the first input byte picks the event
// language, the second the length of the caller's line. The line must stay
// inside its length and be terminated, and a line that was not cut must be
// one the service's event line parser accepts, with the message number the
// answer carried.
#include "kv_messages.h"
#include "kv_raid_api.h"
#include "recording_platform.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static auto host = [] {
        auto platform = std::make_shared<test::RecordingPlatform>();
        kv::setPlatform(platform);
        return platform;
    }();
    static const KV_CoreId core{1, ".", "Core1"};
    if (size < 2)
        return 0;
    const uint32_t language = data[0] % 40;
    const uint32_t length = data[1] < 128 ? 8192 : data[1] - 127; // 1..128 units when cut
    data += 2;
    size -= 2;

    host->transfers.clear();
    host->readAnswers.clear();
    host->readAnswers.push_back({}); // the configuration image: all zeros
    host->readAnswers.push_back(
        {0, std::vector<uint8_t>(data, data + std::min<size_t>(size, kv::usermsg::BlockSize))});

    constexpr uint32_t Guard = 16;
    std::vector<char16_t> line(length + Guard, u'G');
    uint32_t sequence = 5;
    const KV_STS status = KV_ApiGetUserMessage(&core, line.data(), length, &sequence, 0, language);
    if (std::find(line.begin(), line.begin() + length, u'\0') == line.begin() + length)
        __builtin_trap(); // not terminated inside its length
    for (uint32_t i = length; i < length + Guard; ++i)
        if (line[i] != u'G')
            __builtin_trap();
    if (status != KV_STS_VALID_USER_MESSAGE || length != 8192)
        return 0;

    const QString text = QString::fromUtf16(line.data());
    KV_EventRec event;
    // The answer's bytes past the input read as zeros.
    auto byteAt = [&](size_t offset) { return offset < size ? data[offset] : uint8_t(0); };
    const uint16_t number =
        uint16_t(byteAt(kv::usermsg::Number) | byteAt(kv::usermsg::Number + 1) << 8);
    if (KV_RaidApi::ParseEventLine(text, sequence, &event) != 53 || event.code != number)
        __builtin_trap(); // the service cannot read the line the core wrote
    return 0;
}
