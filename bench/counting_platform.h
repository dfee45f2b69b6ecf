// A platform that passes every call on to another and counts what crosses
// it: opens (and those refused), transfers and I/O-control requests on the
// open files, and the host questions that are not files. Over the daemon's
// socket every open and every host question is one connection, and every
// one of these is one request/answer exchange, so the counts say what a
// refresh costs independently of how loaded the machine is.
#pragma once

#include "kv_platform.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace bench {

struct PlatformCounts {
    uint64_t opens = 0;       // open() calls, refused ones included
    uint64_t failedOpens = 0; // open() calls that gave no file
    uint64_t transfers = 0;   // read, write and I/O-control requests on open files
    uint64_t hostQueries = 0; // drive types, registry, drivers, files, interfaces, eject

    // Over the socket: an open is a connection with one exchange, a host
    // question a connection with one exchange, a transfer one exchange.
    uint64_t connections() const { return opens + hostQueries; }
    uint64_t exchanges() const { return opens + hostQueries + transfers; }
};

class CountingPlatform : public kv::Platform {
public:
    explicit CountingPlatform(std::shared_ptr<kv::Platform> inner) : inner_(std::move(inner)) {}

    PlatformCounts counts() const
    {
        return {opens_.load(), failedOpens_.load(), transfers_.load(), hostQueries_.load()};
    }
    void reset() { opens_ = failedOpens_ = transfers_ = hostQueries_ = 0; }

    // When set, every counted call also writes one line here (single thread).
    void setTrace(std::vector<std::string> *trace) { trace_ = trace; }

    std::unique_ptr<kv::PlatformFile> open(const std::string &name, uint32_t disposition,
                                           uint32_t shareMode, uint32_t flags,
                                           uint32_t *error = nullptr) override
    {
        ++opens_;
        auto file = inner_->open(name, disposition, shareMode, flags, error);
        if (trace_)
            note((file ? "open " : "open refused ") + name);
        if (!file) {
            ++failedOpens_;
            return nullptr;
        }
        return std::make_unique<File>(std::move(file), *this, name);
    }
    int driveType(const std::string &rootPath) override
    {
        ++hostQueries_;
        note("host driveType");
        return inner_->driveType(rootPath);
    }
    std::vector<int> driveTypes(const std::vector<std::string> &rootPaths) override
    {
        ++hostQueries_;
        note("host driveTypes");
        return inner_->driveTypes(rootPaths);
    }
    std::string systemDirectory() override { return inner_->systemDirectory(); }
    std::string computerName() override { return inner_->computerName(); }
    bool processIsElevated() override
    {
        ++hostQueries_;
        note("host processIsElevated");
        return inner_->processIsElevated();
    }
    std::string windowsDirectory() override { return inner_->windowsDirectory(); }
    std::string expandEnvironment(const std::string &text) override
    {
        return inner_->expandEnvironment(text);
    }
    bool registryString(const std::string &key, const std::string &value, std::string *out) override
    {
        ++hostQueries_;
        note("host registryString");
        return inner_->registryString(key, value, out);
    }
    std::vector<std::string> loadedDrivers() override
    {
        ++hostQueries_;
        note("host loadedDrivers");
        return inner_->loadedDrivers();
    }
    std::vector<kv::FileDescription> findFiles(const std::string &pattern) override
    {
        ++hostQueries_;
        note("host findFiles");
        return inner_->findFiles(pattern);
    }
    uint32_t diskInterfaces(std::vector<kv::DiskInterface> *out) override
    {
        ++hostQueries_;
        note("host diskInterfaces");
        return inner_->diskInterfaces(out);
    }
    uint32_t requestDeviceEject(uint32_t deviceInstance, uint32_t *vetoType,
                                std::string *vetoName) override
    {
        ++hostQueries_;
        note("host requestDeviceEject");
        return inner_->requestDeviceEject(deviceInstance, vetoType, vetoName);
    }
    void sleep(uint32_t milliseconds) override { inner_->sleep(milliseconds); }

private:
    class File : public kv::PlatformFile {
    public:
        File(std::unique_ptr<kv::PlatformFile> inner, CountingPlatform &owner, std::string name)
            : inner_(std::move(inner)), owner_(owner), name_(std::move(name))
        {
        }
        uint32_t read(void *buffer, uint64_t offset, uint32_t count) override
        {
            owner_.transfer("read", count, offset);
            return inner_->read(buffer, offset, count);
        }
        uint32_t write(const void *buffer, uint64_t offset, uint32_t count) override
        {
            owner_.transfer("write", count, offset);
            return inner_->write(buffer, offset, count);
        }
        uint32_t deviceIoControl(uint32_t code, const void *in, uint32_t inLength, void *out,
                                 uint32_t outLength, uint32_t *bytesReturned) override
        {
            owner_.transfer("ioctl", code, outLength);
            return inner_->deviceIoControl(code, in, inLength, out, outLength, bytesReturned);
        }

    private:
        std::unique_ptr<kv::PlatformFile> inner_;
        CountingPlatform &owner_;
        std::string name_;
    };

    void note(const std::string &line)
    {
        if (trace_)
            trace_->push_back(line);
    }
    void transfer(const char *kind, uint64_t a, uint64_t b)
    {
        ++transfers_;
        if (trace_)
            trace_->push_back(std::string("  ") + kind + " " + std::to_string(a) + " " +
                              std::to_string(b));
    }

    std::shared_ptr<kv::Platform> inner_;
    std::atomic<uint64_t> opens_{0}, failedOpens_{0}, transfers_{0}, hostQueries_{0};
    std::vector<std::string> *trace_ = nullptr;
};

} // namespace bench
