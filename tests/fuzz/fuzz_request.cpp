// Fuzz target: the emulator's request decoder, reached as a client reaches
// it. A fresh demo emulator takes up to eight request blocks in one mailbox,
// each followed by a read of its response. Unless the first byte's bit 0 is
// set, every block is stamped with the current generation and the header's
// signature words, so that the commands' own fields are what varies.
//
// Input: a flag byte, then per block a little-endian u16 length and the
// block's bytes (padded with zeros to whole sectors).
//
// No request may read past its block, corrupt memory, leave the model
// inconsistent (the emulator answers that as an I/O error) or leave a
// response that cannot be read back.
#include "demo_config.h"
#include "emulator.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr uint32_t IoErrorStatus = 25; // the emulator's answer to an inconsistent model
constexpr size_t MaxBlocks = 8;
constexpr uint32_t ResponseBytes = 8192;

template <typename T> void put(std::vector<uint8_t> &block, size_t offset, T value)
{
    std::memcpy(block.data() + offset, &value, sizeof value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const kvemu::Model demo = kvemu::demoModel();
    if (size < 1)
        return 0;
    const bool raw = data[0] & 1;
    size_t at = 1;

    kvemu::Emulator emulator(kvemu::StoredState{demo, demo},
                             std::make_shared<kvemu::ManualClock>());
    kvemu::SessionId session = 0;
    if (emulator.open("\\\\.\\KVConfig0", 3, session) != 0)
        __builtin_trap();
    std::vector<uint8_t> response(ResponseBytes);
    if (emulator.read(session, response.data(), 0, 512) != 0)
        __builtin_trap();
    uint32_t mailbox = 0;
    std::memcpy(&mailbox, response.data(), 4);
    const uint64_t offset = uint64_t(mailbox) * kvemu::SectorBytes;

    for (size_t n = 0; n < MaxBlocks && at + 2 <= size; ++n) {
        const size_t length = std::min<size_t>(data[at] | data[at + 1] << 8, size - at - 2);
        at += 2;
        const size_t padded =
            std::clamp<size_t>((length + 511) / 512 * 512, 512, kvemu::MaxRequestBytes);
        std::vector<uint8_t> block(padded, 0);
        std::memcpy(block.data(), data + at, std::min(length, padded));
        at += length;
        if (!raw) {
            put<uint64_t>(block, 8, emulator.generation());
            put<uint32_t>(block, 24, 2);
            put<uint32_t>(block, 28, 1);
        }
        uint32_t command = 0;
        std::memcpy(&command, block.data(), 4);
        emulator.write(session, block.data(), offset, uint32_t(block.size()));
        const uint32_t error = emulator.read(session, response.data(), offset, ResponseBytes);
        uint32_t status = 0;
        std::memcpy(&status, response.data(), 4);
        if (command != 1 && error == 0 && status == IoErrorStatus)
            __builtin_trap(); // a command left the model inconsistent
    }
    if (!emulator.model().validate().empty())
        __builtin_trap();
    emulator.close(session);
    return 0;
}
