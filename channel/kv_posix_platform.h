// The platform that reaches the driver emulator's daemon over its
// Unix-domain socket (see emulator_wire.h for the frames).
#pragma once

#include "emulator_wire.h"
#include "kv_platform.h"

#include <chrono>
#include <string>

namespace kv {

class PosixPlatform : public Platform {
public:
    // `socketDirectory` holds the daemon's socket; `timeout` bounds every
    // exchange, so a hung or vanished daemon turns into an error instead of
    // a hang.
    explicit PosixPlatform(std::string socketDirectory = wireDefaultDirectory(),
                           std::chrono::milliseconds timeout = std::chrono::seconds(10));

    std::unique_ptr<PlatformFile> open(const std::string &name, uint32_t disposition,
                                       uint32_t shareMode, uint32_t flags,
                                       uint32_t *error = nullptr) override;
    int driveType(const std::string &rootPath) override;
    // One connection for all; a daemon that does not know the question is
    // asked one root at a time.
    std::vector<int> driveTypes(const std::vector<std::string> &rootPaths) override;
    // Root, or the user the daemon runs as; false when no daemon answers.
    bool processIsElevated() override;
    // The host model of the daemon; without a daemon there is no registry,
    // no driver file, no loaded driver and no disk device.
    bool registryString(const std::string &key, const std::string &value,
                        std::string *out) override;
    std::vector<std::string> loadedDrivers() override;
    std::vector<FileDescription> findFiles(const std::string &pattern) override;
    uint32_t diskInterfaces(std::vector<DiskInterface> *out) override;
    uint32_t requestDeviceEject(uint32_t deviceInstance, uint32_t *vetoType,
                                std::string *vetoName) override;

    // Sends one control command line to the daemon; false when it cannot be
    // reached. Used by tools and tests.
    bool control(const std::string &command, std::string *answer);

    const std::string &socketPath() const { return socketPath_; }

private:
    static std::string wireDefaultDirectory();
    // One Host frame; false when the daemon cannot be asked, else its error,
    // answer texts and value.
    bool hostQuery(wire::HostQuery query, const std::vector<std::string> &arguments,
                   std::vector<std::string> *answers, uint32_t *error, uint32_t *value = nullptr);
    static constexpr uint32_t HostAnswerCapacity = 1u << 20;
    std::string socketPath_;
    std::chrono::milliseconds timeout_;
};

} // namespace kv
