// A scripted stand-in for the host, for tests that check exactly what the
// channel sends and how it handles each kind of answer. It records every
// transfer and answers reads from a queue of scripted responses.
#pragma once

#include "kv_platform.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace test {

struct Transfer {
    bool isRead;
    std::string file;
    uint64_t offset;
    std::vector<uint8_t> bytes; // what was written (writes only)
    uint32_t count;
};

struct ScriptedAnswer {
    uint32_t error = kv::winerr::Success;
    std::vector<uint8_t> bytes; // copied to the start of the caller's buffer
};

class RecordingPlatform : public kv::Platform {
public:
    std::vector<Transfer> transfers;
    std::vector<std::string> opened;
    std::deque<ScriptedAnswer> readAnswers; // for reads past sector 0
    std::deque<uint32_t> writeErrors;       // for writes; Success when empty
    uint32_t channelId = 7;                 // answer of the sector-0 read
    std::function<bool(const std::string &)> canOpen = [](const std::string &) { return true; };
    // Answers device I/O controls by file name; returns a Windows error.
    std::function<uint32_t(const std::string &, uint32_t, const void *, uint32_t, void *, uint32_t,
                           uint32_t *)>
        ioctlHandler;
    std::function<int(const std::string &)> driveTypeHandler = [](const std::string &) {
        return kv::drivetype::NoRootDir;
    };

    struct OpenCall {
        std::string name;
        uint32_t disposition, share, flags;
    } lastOpen{};

    std::unique_ptr<kv::PlatformFile> open(const std::string &name, uint32_t disposition,
                                           uint32_t share, uint32_t flags, uint32_t *error) override
    {
        opened.push_back(name);
        lastOpen = {name, disposition, share, flags};
        if (!canOpen(name)) {
            if (error)
                *error = kv::winerr::FileNotFound;
            return nullptr;
        }
        return std::make_unique<File>(*this, name);
    }

    int driveType(const std::string &root) override { return driveTypeHandler(root); }

    // Sleeps pass at once; they are recorded, and `onSleep` runs in their
    // place (with the library's lock as the sleeper left it).
    std::vector<uint32_t> sleeps;
    std::function<void()> onSleep;
    void sleep(uint32_t milliseconds) override
    {
        sleeps.push_back(milliseconds);
        if (onSleep)
            onSleep();
    }

    size_t countOf(bool isRead) const
    {
        size_t n = 0;
        for (const auto &t : transfers)
            n += t.isRead == isRead ? 1 : 0;
        return n;
    }

private:
    class File : public kv::PlatformFile {
    public:
        File(RecordingPlatform &owner, std::string name) : owner_(owner), name_(std::move(name)) {}

        uint32_t read(void *buffer, uint64_t offset, uint32_t count) override
        {
            owner_.transfers.push_back({true, name_, offset, {}, count});
            std::memset(buffer, 0, count);
            if (offset == 0) {
                std::memcpy(buffer, &owner_.channelId, 4);
                return kv::winerr::Success;
            }
            if (owner_.readAnswers.empty())
                return kv::winerr::Success;
            ScriptedAnswer answer = owner_.readAnswers.front();
            owner_.readAnswers.pop_front();
            if (!answer.bytes.empty())
                std::memcpy(buffer, answer.bytes.data(),
                            std::min<size_t>(count, answer.bytes.size()));
            return answer.error;
        }

        uint32_t write(const void *buffer, uint64_t offset, uint32_t count) override
        {
            const auto *bytes = static_cast<const uint8_t *>(buffer);
            owner_.transfers.push_back(
                {false, name_, offset, std::vector<uint8_t>(bytes, bytes + count), count});
            if (owner_.writeErrors.empty())
                return kv::winerr::Success;
            const uint32_t error = owner_.writeErrors.front();
            owner_.writeErrors.pop_front();
            return error;
        }

        uint32_t deviceIoControl(uint32_t code, const void *in, uint32_t inLength, void *out,
                                 uint32_t outLength, uint32_t *returned) override
        {
            if (!owner_.ioctlHandler)
                return kv::winerr::NotSupported;
            return owner_.ioctlHandler(name_, code, in, inLength, out, outLength, returned);
        }

    private:
        RecordingPlatform &owner_;
        std::string name_;
    };
};

// Little-endian field access for test buffers.
inline uint32_t u32At(const std::vector<uint8_t> &bytes, size_t offset)
{
    uint32_t v = 0;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}
inline uint64_t u64At(const std::vector<uint8_t> &bytes, size_t offset)
{
    uint64_t v = 0;
    std::memcpy(&v, bytes.data() + offset, 8);
    return v;
}
template <typename T> inline void put(std::vector<uint8_t> &bytes, size_t offset, T value)
{
    if (bytes.size() < offset + sizeof value)
        bytes.resize(offset + sizeof value);
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

} // namespace test
