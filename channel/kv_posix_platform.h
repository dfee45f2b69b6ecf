// The platform that reaches the driver emulator's daemon over its
// Unix-domain socket (see emulator_wire.h for the frames).
#pragma once

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

    // Sends one control command line to the daemon; false when it cannot be
    // reached. Used by tools and tests.
    bool control(const std::string &command, std::string *answer);

    const std::string &socketPath() const { return socketPath_; }

private:
    static std::string wireDefaultDirectory();
    std::string socketPath_;
    std::chrono::milliseconds timeout_;
};

} // namespace kv
