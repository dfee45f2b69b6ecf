#include "kv_inprocess_platform.h"

#include <thread>

namespace kvemu {

namespace {

class InProcessFile : public kv::PlatformFile {
public:
    InProcessFile(std::shared_ptr<Emulator> emulator, SessionId session)
        : emulator_(std::move(emulator)), session_(session)
    {
    }
    ~InProcessFile() override { emulator_->close(session_); }

    uint32_t read(void *buffer, uint64_t offset, uint32_t count) override
    {
        if (const uint32_t stalled = stall(); stalled != kv::winerr::Success)
            return stalled;
        return emulator_->read(session_, buffer, offset, count);
    }

    uint32_t write(const void *buffer, uint64_t offset, uint32_t count) override
    {
        if (const uint32_t stalled = stall(); stalled != kv::winerr::Success)
            return stalled;
        return emulator_->write(session_, buffer, offset, count);
    }

    uint32_t deviceIoControl(uint32_t code, const void *in, uint32_t inLength, void *out,
                             uint32_t outLength, uint32_t *bytesReturned) override
    {
        return emulator_->deviceIoControl(session_, code, in, inLength, out, outLength,
                                          bytesReturned);
    }

private:
    // A timed stall blocks the calling thread for its length, as a slow
    // driver would. A stall until the caller goes away cannot be waited out
    // in-process (the caller is the one waiting), so it reports the timeout a
    // socket client would see.
    uint32_t stall()
    {
        const std::optional<Stall> pending = emulator_->takeStall();
        if (!pending)
            return kv::winerr::Success;
        if (pending->untilClosed)
            return kv::winerr::Timeout;
        std::this_thread::sleep_for(pending->duration);
        return kv::winerr::Success;
    }

    std::shared_ptr<Emulator> emulator_;
    SessionId session_;
};

} // namespace

InProcessPlatform::InProcessPlatform(std::shared_ptr<Emulator> emulator, bool elevated)
    : emulator_(std::move(emulator)), elevated_(elevated)
{
}

std::unique_ptr<kv::PlatformFile> InProcessPlatform::open(const std::string &name,
                                                          uint32_t disposition, uint32_t, uint32_t,
                                                          uint32_t *error)
{
    SessionId session = 0;
    const uint32_t result = emulator_->open(name, disposition, session, elevated_);
    if (error != nullptr)
        *error = result;
    if (result != kv::winerr::Success)
        return nullptr;
    return std::make_unique<InProcessFile>(emulator_, session);
}

int InProcessPlatform::driveType(const std::string &rootPath)
{
    return emulator_->driveType(rootPath);
}

bool InProcessPlatform::registryString(const std::string &key, const std::string &value,
                                       std::string *out)
{
    std::string text;
    if (emulator_->hostFrame() != kv::winerr::Success ||
        !emulator_->registryString(key, value, text))
        return false;
    *out = text;
    return true;
}

std::vector<std::string> InProcessPlatform::loadedDrivers()
{
    // A failed query lists nothing, as the socket platform reads it.
    if (emulator_->hostFrame() != kv::winerr::Success)
        return {};
    return emulator_->loadedDrivers();
}

std::vector<kv::FileDescription> InProcessPlatform::findFiles(const std::string &pattern)
{
    if (emulator_->hostFrame() != kv::winerr::Success)
        return {};
    return emulator_->findFiles(pattern);
}

uint32_t InProcessPlatform::diskInterfaces(std::vector<kv::DiskInterface> *out)
{
    out->clear();
    if (const uint32_t error = emulator_->hostFrame(); error != kv::winerr::Success)
        return error;
    *out = emulator_->diskInterfaces();
    return kv::winerr::Success;
}

uint32_t InProcessPlatform::requestDeviceEject(uint32_t deviceInstance, uint32_t *vetoType,
                                               std::string *vetoName)
{
    if (emulator_->hostFrame() != kv::winerr::Success) {
        *vetoType = kv::vetotype::None;
        vetoName->clear();
        return kv::cmresult::Failure;
    }
    return emulator_->requestDeviceEject(deviceInstance, *vetoType, *vetoName);
}

} // namespace kvemu
