// Fuzz target: the SCSI inquiry chain and the queries around it. Every SCSI
// port answers the same inquiry table, every physical drive the same SCSI
// address and pass-through answer, and the volume the same disk extents, all
// taken from the input in that order (what the input lacks is absent: a
// short table reports fewer bytes returned). Following the chain must never
// read outside the answers or loop, whatever its offsets say.
#include "kv_channel.h"
#include "recording_platform.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// One answer: its bytes from the input, at most `capacity` of them.
struct Answer {
    std::vector<uint8_t> bytes;
};

Answer take(const uint8_t *&data, size_t &size, size_t capacity)
{
    const size_t n = std::min(size, capacity);
    Answer a{std::vector<uint8_t>(data, data + n)};
    data += n;
    size -= n;
    return a;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static auto host = [] {
        auto platform = std::make_shared<test::RecordingPlatform>();
        kv::setPlatform(platform);
        return platform;
    }();
    const Answer inquiry = take(data, size, 2048);
    const Answer address = take(data, size, 8);
    const Answer passThrough = take(data, size, 256);
    const Answer extents = take(data, size, 416);

    host->transfers.clear();
    host->opened.clear();
    host->ioctlHandler = [&](const std::string &, uint32_t code, const void *, uint32_t, void *out,
                             uint32_t outLength, uint32_t *returned) -> uint32_t {
        const Answer *answer = nullptr;
        switch (code) {
        case kv::ioctl::ScsiGetInquiryData:
            answer = &inquiry;
            break;
        case kv::ioctl::ScsiGetAddress:
            answer = &address;
            break;
        case kv::ioctl::ScsiPassThrough:
            answer = &passThrough;
            break;
        case kv::ioctl::VolumeGetVolumeDiskExtents:
            answer = &extents;
            break;
        default:
            return kv::winerr::NotSupported;
        }
        if (answer->bytes.size() > outLength)
            return kv::winerr::InsufficientBuffer;
        if (!answer->bytes.empty())
            std::memcpy(out, answer->bytes.data(), answer->bytes.size());
        if (returned)
            *returned = uint32_t(answer->bytes.size());
        return kv::winerr::Success;
    };

    std::vector<int32_t> arrays;
    const int found = KV_GetVolumeArrays("C:", &arrays);
    if (found < 0 || size_t(found) != arrays.size())
        __builtin_trap();
    for (int32_t array : arrays)
        if (array < 0)
            __builtin_trap();
    std::string disk;
    if (KV_FindArrayDisk(0, arrays.empty() ? 1 : arrays.front(), &disk) == KV_STS_SUCCESS &&
        disk.empty())
        __builtin_trap();
    host->ioctlHandler = nullptr;
    return 0;
}
