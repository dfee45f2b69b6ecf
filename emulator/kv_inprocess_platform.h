// kv::Platform over an emulator in the same process: no sockets, no daemon.
// Tests give it to the channel with kv::setPlatform().
#pragma once

#include "emulator.h"
#include "kv_platform.h"

#include <memory>

namespace kvemu {

class InProcessPlatform : public kv::Platform {
public:
    // The platform and every file it opens share `emulator`. A platform that
    // is not `elevated` stands for a user without the right to destroy:
    // processIsElevated() says so and the emulator refuses its files the
    // destructive commands.
    explicit InProcessPlatform(std::shared_ptr<Emulator> emulator, bool elevated = true);

    // Destroying the returned file closes its emulator session (its mailboxes
    // are freed).
    std::unique_ptr<kv::PlatformFile> open(const std::string &name, uint32_t disposition,
                                           uint32_t shareMode, uint32_t flags,
                                           uint32_t *error = nullptr) override;
    int driveType(const std::string &rootPath) override;
    bool processIsElevated() override { return elevated_; }
    bool registryString(const std::string &key, const std::string &value,
                        std::string *out) override;
    std::vector<std::string> loadedDrivers() override;
    std::vector<kv::FileDescription> findFiles(const std::string &pattern) override;
    uint32_t diskInterfaces(std::vector<kv::DiskInterface> *out) override;
    uint32_t requestDeviceEject(uint32_t deviceInstance, uint32_t *vetoType,
                                std::string *vetoName) override;

    Emulator &emulator() { return *emulator_; }

private:
    std::shared_ptr<Emulator> emulator_;
    bool elevated_;
};

} // namespace kvemu
