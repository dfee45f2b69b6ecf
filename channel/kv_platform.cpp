#include "kv_platform.h"

#include "kv_posix_platform.h"

#include <mutex>

#include <unistd.h>

namespace kv {

namespace {
std::shared_ptr<Platform> &currentPlatform()
{
    static std::shared_ptr<Platform> current;
    return current;
}
std::mutex &platformMutex()
{
    static std::mutex mutex;
    return mutex;
}
} // namespace

std::string Platform::computerName()
{
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0)
        return {};
    return name;
}

void setPlatform(std::shared_ptr<Platform> platform)
{
    std::lock_guard lock(platformMutex());
    currentPlatform() = std::move(platform);
}

std::shared_ptr<Platform> platform()
{
    std::lock_guard lock(platformMutex());
    if (!currentPlatform())
        currentPlatform() = std::make_shared<PosixPlatform>();
    return currentPlatform();
}

} // namespace kv
