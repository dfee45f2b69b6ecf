// Helpers shared by the emulator tests: a demo emulator, little-endian field
// reads, and a configuration-endpoint client that speaks the mailbox
// protocol byte by byte (independently of the channel library).
#pragma once

#include "demo_config.h"
#include "emulator.h"
#include "kv_inprocess_platform.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace testsupport {

inline std::shared_ptr<kvemu::Emulator> demoEmulator()
{
    const kvemu::Model demo = kvemu::demoModel();
    return std::make_shared<kvemu::Emulator>(kvemu::StoredState{demo, demo},
                                             std::make_shared<kvemu::ManualClock>());
}

template <class T> T le(const uint8_t *p, size_t offset)
{
    uint64_t value = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        value |= uint64_t(p[offset + i]) << (8 * i);
    return T(value);
}
template <class T> T le(const std::vector<uint8_t> &v, size_t offset)
{
    return le<T>(v.data(), offset);
}
template <class T> void setLe(std::vector<uint8_t> &v, size_t offset, T value)
{
    for (size_t i = 0; i < sizeof(T); ++i)
        v[offset + i] = uint8_t(uint64_t(value) >> (8 * i));
}
inline std::string text(const std::vector<uint8_t> &v, size_t offset, size_t width)
{
    std::string s(reinterpret_cast<const char *>(v.data() + offset), width);
    return s.substr(0, s.find('\0'));
}

struct Walked {
    std::vector<size_t> offsets;
    std::vector<uint32_t> tags;
    size_t end = 0;
};

// Walks the stream as a reader must: by tag, with the logical record's own
// size field and the physical size of the image's kind.
inline Walked walk(const std::vector<uint8_t> &image, size_t physicalSize)
{
    Walked w;
    size_t at = 512;
    while (at + 4 <= image.size()) {
        const uint32_t tag = le<uint32_t>(image, at);
        size_t size = 0;
        switch (tag) {
        case 0x25BC:
            size = physicalSize;
            break;
        case 0x25BD:
            size = le<uint32_t>(image, at + 144);
            break;
        case 0x25BE:
            size = 136;
            break;
        case 0x25BF:
            size = 64;
            break;
        default:
            size = 0;
        }
        if (size == 0)
            break;
        w.offsets.push_back(at);
        w.tags.push_back(tag);
        at += size;
    }
    w.end = at;
    return w;
}

inline constexpr const char *ConfigEndpoint = "\\\\.\\KVConfig0";
inline constexpr uint32_t OpenAlways = 4;

// A request block with the channel's header fields.
inline std::vector<uint8_t> requestBlock(uint32_t word0, uint32_t channel, uint64_t generation,
                                         size_t length = 1024)
{
    std::vector<uint8_t> block(length, 0);
    setLe<uint32_t>(block, 0, word0);
    setLe<uint32_t>(block, 4, channel);
    setLe<uint64_t>(block, 8, generation);
    setLe<uint32_t>(block, 24, 2);
    setLe<uint32_t>(block, 28, 1);
    return block;
}

// One opener of the configuration endpoint with its mailbox.
class ConfigClient {
public:
    explicit ConfigClient(kv::Platform &platform)
    {
        file = platform.open(ConfigEndpoint, OpenAlways, 3, 0);
        if (!file)
            return;
        std::vector<uint8_t> first(1024, 0);
        if (file->read(first.data(), 0, 1024) == kv::winerr::Success)
            mailbox = le<uint32_t>(first, 0);
    }

    uint64_t offset() const { return uint64_t(mailbox) * 512; }

    // Sends a write command; returns the write's Windows error.
    uint32_t writeCommand(uint32_t command, uint64_t generation)
    {
        std::vector<uint8_t> block = requestBlock(command, mailbox, generation);
        return file->write(block.data(), offset(), uint32_t(block.size()));
    }

    // Sends a read command and reads `length` bytes of response. Returns the
    // response read's Windows error (the request write's error if that failed).
    uint32_t readCommand(uint32_t code, uint64_t argument, uint32_t length,
                         std::vector<uint8_t> &response)
    {
        std::vector<uint8_t> block = requestBlock(1, mailbox, 0, 8192);
        setLe<uint32_t>(block, 32, code);
        if (code == 0x1016)
            setLe<uint64_t>(block, 36, argument);
        else
            setLe<uint32_t>(block, 36, uint32_t(argument));
        if (const uint32_t error = file->write(block.data(), offset(), 8192); error != 0)
            return error;
        response.assign(length, 0xEE);
        return file->read(response.data(), offset(), length);
    }

    // The status 0x1016 reports; 0 when it could not be read.
    uint32_t lastStatus()
    {
        std::vector<uint8_t> response;
        if (readCommand(0x1016, 0, 8192, response) != 0)
            return 0;
        return le<uint32_t>(response, 0);
    }

    std::vector<uint8_t> image(bool previous = false)
    {
        std::vector<uint8_t> response;
        if (readCommand(0x1000, previous ? 1 : 0, 65536, response) != 0)
            response.clear();
        return response;
    }

    // Sends a write command block built by the caller; the header (command,
    // channel, the current generation, signature) is written here. Returns
    // the status 0x1016 reports.
    uint32_t command(uint32_t code, std::vector<uint8_t> block, uint64_t generation)
    {
        const std::vector<uint8_t> header = requestBlock(code, mailbox, generation, 32);
        std::copy(header.begin(), header.end(), block.begin());
        file->write(block.data(), offset(), uint32_t(block.size()));
        return lastStatus();
    }

    // Sends a read command over a block built by the caller (its code goes to
    // offset 32, as the channel writes it). Returns the status: that of
    // 0x1016 when reading the response failed.
    uint32_t readData(uint32_t code, std::vector<uint8_t> block, uint32_t length,
                      std::vector<uint8_t> &response)
    {
        block.resize(8192, 0);
        const std::vector<uint8_t> header = requestBlock(1, mailbox, 0, 32);
        std::copy(header.begin(), header.end(), block.begin());
        setLe<uint32_t>(block, 32, code);
        if (file->write(block.data(), offset(), 8192) != kv::winerr::Success)
            return lastStatus();
        response.assign(length, 0);
        return file->read(response.data(), offset(), length) == kv::winerr::Success ? 1
                                                                                    : lastStatus();
    }

    std::unique_ptr<kv::PlatformFile> file;
    uint32_t mailbox = 0;
};

} // namespace testsupport
