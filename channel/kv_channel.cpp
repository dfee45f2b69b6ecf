#include "kv_channel.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace {

std::recursive_mutex &coreMutex()
{
    // Created on first use and alive until the process ends.
    static std::recursive_mutex mutex;
    return mutex;
}

struct Allocation {
    void *pointer;
    uint64_t size;
    const char *tag;
};

std::vector<Allocation> &allocationTable()
{
    static std::vector<Allocation> table;
    return table;
}

constexpr uintptr_t PageSize = 4096;
constexpr uint32_t SectorSize = 512;

// The decimal number that starts at the first digit of `text` (0 when it has
// no digit).
int numberAtFirstDigit(const std::string &text)
{
    auto digit = std::find_if(text.begin(), text.end(),
                              [](unsigned char c) { return std::isdigit(c) != 0; });
    int value = 0;
    for (; digit != text.end() && std::isdigit(static_cast<unsigned char>(*digit)); ++digit) {
        if (value > 100000000)
            break; // longer numbers name nothing that exists
        value = value * 10 + (*digit - '0');
    }
    return value;
}

// Tokens of a path split at "/" and ","; empty tokens are skipped as strtok
// skips them. Each token is kept to 16 bytes.
std::vector<std::string> pathTokens(const std::string &path)
{
    std::vector<std::string> tokens;
    std::string current;
    auto flush = [&] {
        if (!current.empty())
            tokens.push_back(current.substr(0, 16));
        current.clear();
    };
    for (char c : path) {
        if (c == '/' || c == ',')
            flush();
        else
            current += c;
    }
    flush();
    return tokens;
}

struct OpenMode {
    uint32_t disposition;
    uint32_t share;
};

constexpr uint32_t CreateNew = 1, CreateAlways = 2, OpenExisting = 3, OpenAlways = 4;
constexpr uint32_t ShareReadWrite = 0x1 | 0x2;
constexpr uint32_t FlagOverlapped = 0x40000000, FlagWriteThrough = 0x80000000,
                   FlagNoBuffering = 0x20000000;

} // namespace

// --- Tracked allocations -------------------------------------------------

void *KVTL_Alloc(uint64_t size, const char *tag)
{
    KV_CoreLock lock;
    auto &table = allocationTable();
    if (table.size() >= KVTL_MaxAllocations || size == 0 || size > SIZE_MAX)
        return nullptr;
    void *pointer = std::malloc(static_cast<size_t>(size));
    if (pointer == nullptr)
        return nullptr;
    table.push_back({pointer, size, tag});
    return pointer;
}

KV_STS KVTL_Free(void *pointer)
{
    KV_CoreLock lock;
    auto &table = allocationTable();
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i].pointer == pointer) {
            table[i] = table.back();
            table.pop_back();
            std::free(pointer);
            return KV_STS_SUCCESS;
        }
    }
    return KV_STS_SPACE_NOT_ALLOCATED;
}

bool KVTL_CheckBuffer(const void *pointer, uint64_t length)
{
    KV_CoreLock lock;
    const auto address = reinterpret_cast<uintptr_t>(pointer);
    for (const Allocation &entry : allocationTable()) {
        const auto start = reinterpret_cast<uintptr_t>(entry.pointer);
        // Compared without a sum that could wrap past 2^64.
        if (start <= address && address - start < entry.size &&
            length <= entry.size - (address - start))
            return true;
    }
    return false;
}

size_t KVTL_LiveCount()
{
    KV_CoreLock lock;
    return allocationTable().size();
}

KV_RequestBlock::KV_RequestBlock(uint32_t blockLength, const char *tag) : length_(blockLength)
{
    allocation_ = KVTL_Alloc(uint64_t(blockLength) + PageSize, tag);
    if (allocation_ == nullptr)
        return;
    const auto address = reinterpret_cast<uintptr_t>(allocation_);
    block_ = static_cast<uint8_t *>(allocation_) + ((PageSize - address % PageSize) % PageSize);
    std::memset(block_, 0, blockLength);
}

KV_RequestBlock::~KV_RequestBlock()
{
    if (allocation_ != nullptr)
        KVTL_Free(allocation_);
}

// --- Lock ----------------------------------------------------------------

void KV_LockCore()
{
    coreMutex().lock();
}
void KV_UnlockCore()
{
    coreMutex().unlock();
}

// --- Endpoints -----------------------------------------------------------

KV_EndpointPath KV_ParseEndpointPath(const std::string &path)
{
    const auto tokens = pathTokens(path);
    KV_EndpointPath parts;
    // tokens[0] is the host, which names nothing further here.
    if (tokens.size() > 1)
        parts.coreNumber = numberAtFirstDigit(tokens[1]);
    if (tokens.size() > 2)
        parts.routeNumber = numberAtFirstDigit(tokens[2]);
    if (tokens.size() > 3)
        parts.deviceNumber = numberAtFirstDigit(tokens[3]);
    return parts;
}

std::string KV_EndpointFileName(const std::string &path)
{
    if (path.rfind("//", 0) != 0)
        return path;
    const KV_EndpointPath parts = KV_ParseEndpointPath(path);
    char name[64];
    if (parts.deviceNumber != 0) {
        std::snprintf(name, sizeof name, "%s%d_%d", "\\\\.\\Device", parts.routeNumber,
                      parts.deviceNumber);
        return name;
    }
    if (parts.coreNumber == 0)
        return {};
    std::snprintf(name, sizeof name, "%s%d", "\\\\.\\KVConfig", parts.coreNumber - 1);
    return name;
}

std::unique_ptr<KV_Endpoint> KV_OpenEndpoint(const std::string &path, int openMode, int flagType)
{
    static constexpr OpenMode modes[8] = {
        {CreateNew, 0},    {CreateNew, ShareReadWrite},
        {CreateAlways, 0}, {CreateAlways, ShareReadWrite},
        {OpenExisting, 0}, {OpenExisting, ShareReadWrite},
        {OpenAlways, 0},   {OpenAlways, ShareReadWrite},
    };
    static constexpr uint32_t flags[3] = {FlagOverlapped, FlagWriteThrough | FlagOverlapped,
                                          FlagOverlapped | FlagNoBuffering};
    if (openMode < 1 || openMode > 8 || flagType < 1 || flagType > 3)
        return nullptr;
    const std::string fileName = KV_EndpointFileName(path);
    if (fileName.empty())
        return nullptr;
    const OpenMode mode = modes[openMode - 1];
    return kv::platform()->open(fileName, mode.disposition, mode.share, flags[flagType - 1]);
}

KV_STS KV_Transfer(int direction, KV_Endpoint *endpoint, void *buffer, uint64_t offset,
                   uint32_t count)
{
    // The endpoint is unbuffered: blocks start on a page and lengths are
    // whole sectors. Anything else is refused before any I/O, as is a range
    // outside the tracked allocations.
    if (!KVTL_CheckBuffer(buffer, count) || reinterpret_cast<uintptr_t>(buffer) % PageSize != 0 ||
        count % SectorSize != 0)
        return KVTL_STS_INVALID_BUFFER;

    KV_CoreLock lock; // the mailbox sector is shared by the whole process
    if (endpoint == nullptr) {
        std::printf(direction == KV_TransferRead ? "Read from file failed, error=%d\n"
                                                 : "Write to file failed, error=%d\n",
                    int(kv::winerr::InvalidHandle));
        return KV_STS_FAILURE;
    }
    const uint32_t error = direction == KV_TransferRead ? endpoint->read(buffer, offset, count)
                                                        : endpoint->write(buffer, offset, count);
    switch (error) {
    case kv::winerr::Success:
        return KV_STS_SUCCESS;
    case kv::winerr::HandleEof:
        return KV_STS_EOF;
    default:
        return KV_STS_FAILURE;
    }
}
