#include "kv_core.h"

#include "kv_record.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

constexpr int OpenAlwaysShared = 8;
constexpr int UnbufferedOverlapped = 3;
constexpr uint32_t ChannelIdBlockSize = 1024;
constexpr uint32_t SectorSize = 512;

void putU32(uint8_t *block, size_t offset, uint32_t value)
{
    std::memcpy(block + offset, &value, sizeof value);
}
void putU64(uint8_t *block, size_t offset, uint64_t value)
{
    std::memcpy(block + offset, &value, sizeof value);
}

// Allocates a tracked array of `count` pointers, or null for none.
template <typename T> T **pointerArray(uint32_t count)
{
    if (count == 0)
        return nullptr;
    auto **array =
        static_cast<T **>(KVTL_Alloc(uint64_t(count) * sizeof(T *), "KV_Core::KV_BuildConfig"));
    if (array != nullptr)
        std::memset(array, 0, count * sizeof(T *));
    return array;
}

template <typename T> void destroyArray(T **&array, uint32_t &count)
{
    if (array != nullptr) {
        for (uint32_t i = 0; i < count; ++i)
            delete array[i];
        KVTL_Free(array);
    }
    array = nullptr;
    count = 0;
}

// Copies `text` into a fixed field, always terminated.
template <size_t N> void copyText(char (&field)[N], const char *text)
{
    std::snprintf(field, N, "%s", text);
}

} // namespace

int KV_CoreNumberOf(const char *text)
{
    if (text == nullptr)
        return 0;
    for (const char *p = text; *p != '\0'; ++p) {
        if (std::tolower(static_cast<unsigned char>(p[0])) == 'c' &&
            std::tolower(static_cast<unsigned char>(p[1])) == 'o' &&
            std::tolower(static_cast<unsigned char>(p[2])) == 'r' &&
            std::tolower(static_cast<unsigned char>(p[3])) == 'e') {
            int number = 0;
            for (const char *d = p + 4; std::isdigit(static_cast<unsigned char>(*d)); ++d) {
                if (number > 100000000)
                    return 0;
                number = number * 10 + (*d - '0');
            }
            return number;
        }
    }
    return 0;
}

KV_Core::KV_Core(const char *host, const char *coreName, int previous)
{
    if (host != nullptr && host[0] != '\0')
        std::snprintf(hostPart, sizeof hostPart, "//%.13s", host);
    if (coreName != nullptr && coreName[0] != '\0')
        std::snprintf(corePart, sizeof corePart, "/%.14s", coreName);
    coreNumber = KV_CoreNumberOf(corePart);

    std::snprintf(configPath, sizeof configPath, "%s%s/Route0/Device0", hostPart, corePart);
    std::snprintf(routePrefix, sizeof routePrefix, "%s%s/Route", hostPart, corePart);

    endpoint = KV_OpenEndpoint(configPath, OpenAlwaysShared, UnbufferedOverlapped);
    if (!endpoint)
        return;
    KV_GetChannelID();
    readImage(previous, uint32_t(previous));
}

KV_Core::~KV_Core()
{
    destroyDevices();
}

void KV_Core::destroyDevices()
{
    destroyArray(physicalDevices, physicalCount);
    destroyArray(logicalDevices, logicalCount);
    destroyArray(controllers, controllerCount);
    destroyArray(enclosures, enclosureCount);
}

void KV_Core::KV_GetChannelID()
{
    channelId = 0;
    KV_RequestBlock block(ChannelIdBlockSize, "KV_Core::KV_GetChannelID");
    if (!block || !endpoint)
        return;
    if (KV_Transfer(KV_TransferRead, endpoint.get(), block.data(), 0, ChannelIdBlockSize) ==
        KV_STS_SUCCESS)
        channelId = kv::record::u32(block.data(), 0);
}

void KV_Core::fillReadHeader(uint8_t *block, uint32_t readCode, uint64_t argument) const
{
    putU32(block, 0, 1);
    putU32(block, 4, channelId);
    putU64(block, 8, generation);
    putU32(block, 24, 2);
    putU32(block, 28, 1);
    putU32(block, 32, readCode);
    if (readCode == KV_ReadConfiguration || readCode == KV_ReadUserMessage)
        putU32(block, 36, uint32_t(argument));
    else if (readCode == KV_ReadLastStatus)
        putU64(block, 36, argument);
}

KV_STS KV_Core::KV_ConfigRead(void *block, uint32_t responseLength, uint32_t readCode,
                              uint64_t argument)
{
    auto *bytes = static_cast<uint8_t *>(block);
    fillReadHeader(bytes, readCode, argument);
    if (!endpoint || channelId == 0)
        return KV_STS_SUCCESS;

    // The mailbox offset is computed in 32 bits, as the driver expects.
    const uint64_t mailbox = uint32_t(channelId * SectorSize);
    KV_STS status =
        KV_Transfer(KV_TransferWrite, endpoint.get(), bytes, mailbox, KV_MailboxBlockSize);
    if (status != KV_STS_SUCCESS)
        return status;
    status = KV_Transfer(KV_TransferRead, endpoint.get(), bytes, mailbox, responseLength);
    if (status != KV_STS_FAILURE)
        return status;

    // The read was refused: the driver's answer to 0x1016 says why.
    fillReadHeader(bytes, KV_ReadLastStatus, generation);
    status = KV_Transfer(KV_TransferWrite, endpoint.get(), bytes, mailbox, KV_MailboxBlockSize);
    if (status != KV_STS_SUCCESS)
        return status;
    status = KV_Transfer(KV_TransferRead, endpoint.get(), bytes, mailbox, responseLength);
    if (status != KV_STS_SUCCESS)
        return status;
    return kv::record::u32(bytes, 0);
}

KV_STS KV_Core::KV_ConfigWrite(void *block, uint32_t length, uint32_t commandCode)
{
    auto *bytes = static_cast<uint8_t *>(block);
    putU32(bytes, 0, commandCode);
    putU32(bytes, 4, channelId);
    putU64(bytes, 8, generation);
    putU32(bytes, 24, 2);
    putU32(bytes, 28, 1);
    if (!endpoint || channelId == 0)
        return KV_STS_SUCCESS;

    const uint64_t mailbox = uint32_t(channelId * SectorSize);
    const KV_STS status = KV_Transfer(KV_TransferWrite, endpoint.get(), bytes, mailbox, length);
    if (status != KV_STS_FAILURE)
        return status;

    // The command was refused; its reason is the status of the last command.
    KV_RequestBlock answer(KV_MailboxBlockSize, "KV_Core::KV_ConfigWrite");
    if (!answer)
        return KV_STS_NO_MEMORY_AVAILABLE;
    const KV_STS readStatus =
        KV_ConfigRead(answer.data(), KV_MailboxBlockSize, KV_ReadLastStatus, generation);
    if (readStatus != KV_STS_SUCCESS)
        return readStatus;
    return kv::record::u32(answer.data(), 0);
}

void KV_Core::readImage(int previous, uint32_t argument)
{
    destroyDevices();
    imageStatus = KV_STS_NO_MEMORY_AVAILABLE;
    KV_RequestBlock image(KV_ConfigImageSize,
                          previous ? "KV_Core::KV_GetPrevConfig" : "KV_Core::KV_GetConfig");
    if (!image)
        return;
    // A failed read leaves the block zeroed: the lists are then empty.
    imageStatus = channelId == 0 ? KV_STS_FAILURE
                                 : KV_ConfigRead(image.data(), KV_ConfigImageSize,
                                                 KV_ReadConfiguration, argument);
    if (imageStatus != KV_STS_SUCCESS)
        std::memset(image.data(), 0, KV_ConfigImageSize);
    KV_CountRecords(image.data(), KV_ConfigImageSize, previous);
    KV_BuildConfig(image.data(), KV_ConfigImageSize, previous);
}

void KV_Core::KV_CountRecords(const uint8_t *image, uint32_t length, int previous)
{
    destroyDevices(); // the counts size the next build, not the lists held now
    if (image == nullptr || length < KV_ImageRecordsOffset)
        return;
    generation = kv::record::u64(image, KV_ImageGenerationOffset);
    KV_WalkRecords(image, length, previous != 0, [&](uint32_t tag, const uint8_t *, uint32_t) {
        switch (tag) {
        case KV_TagPhysicalDevice:
            ++physicalCount;
            break;
        case KV_TagLogicalDevice:
            ++logicalCount;
            break;
        case KV_TagController:
            ++controllerCount;
            break;
        case KV_TagEnclosure:
            ++enclosureCount;
            break;
        }
    });
}

void KV_Core::KV_BuildConfig(const uint8_t *image, uint32_t length, int previous)
{
    // The counts of the counting pass size the lists; a list is filled only
    // as far as it was counted, whatever the second walk finds.
    const uint32_t physicalRoom = physicalCount, logicalRoom = logicalCount,
                   controllerRoom = controllerCount, enclosureRoom = enclosureCount;
    destroyDevices();
    if (image == nullptr || length < KV_ImageRecordsOffset)
        return;
    physicalDevices = pointerArray<KV_C_PhysicalDevice>(physicalRoom);
    logicalDevices = pointerArray<KV_C_LogicalDevice>(logicalRoom);
    controllers = pointerArray<KV_C_ControllerDevice>(controllerRoom);
    enclosures = pointerArray<KV_C_SEPDevice>(enclosureRoom);

    generation = kv::record::u64(image, KV_ImageGenerationOffset);
    KV_WalkRecords(
        image, length, previous != 0, [&](uint32_t tag, const uint8_t *record, uint32_t size) {
            switch (tag) {
            case KV_TagPhysicalDevice:
                if (physicalDevices != nullptr && physicalCount < physicalRoom)
                    physicalDevices[physicalCount++] =
                        new KV_C_PhysicalDevice(record, routePrefix, previous != 0);
                break;
            case KV_TagLogicalDevice:
                if (logicalDevices != nullptr && logicalCount < logicalRoom)
                    logicalDevices[logicalCount++] =
                        new KV_C_LogicalDevice(record, size, routePrefix, coreNumber);
                break;
            case KV_TagController:
                if (controllers != nullptr && controllerCount < controllerRoom)
                    controllers[controllerCount++] = new KV_C_ControllerDevice(record);
                break;
            case KV_TagEnclosure:
                if (enclosures != nullptr && enclosureCount < enclosureRoom)
                    enclosures[enclosureCount++] = new KV_C_SEPDevice(record, routePrefix);
                break;
            }
        });
}

void KV_Core::KV_GetConfig()
{
    if (endpoint)
        readImage(0, 0);
}

void KV_Core::KV_GetPrevConfig(uint32_t argument)
{
    if (endpoint)
        readImage(1, argument);
}

bool KV_DevicePathMatches(const char *stored, const char *path)
{
    if (stored == nullptr || path == nullptr)
        return false;
    auto trimmedLength = [](const char *text) {
        size_t length = std::strlen(text);
        if (length > 0 && text[length - 1] == ' ')
            --length;
        return length;
    };
    const size_t storedLength = trimmedLength(stored);
    return storedLength != 0 && storedLength == trimmedLength(path) &&
           std::memcmp(stored, path, storedLength) == 0;
}

uint32_t KV_Core::KV_FindPhysicalDevice(const char *path) const
{
    if (path == nullptr)
        return physicalCount;
    for (uint32_t i = 0; i < physicalCount; ++i)
        if (KV_DevicePathMatches(physicalDevices[i]->path, path))
            return i;
    return physicalCount;
}

uint32_t KV_Core::KV_FindPhysicalDevice(uint64_t id) const
{
    for (uint32_t i = 0; id != 0 && i < physicalCount; ++i)
        if (physicalDevices[i]->id == id)
            return i;
    return physicalCount;
}

uint32_t KV_Core::KV_FindLogicalDevice(const char *path) const
{
    for (uint32_t i = 0; path != nullptr && i < logicalCount; ++i)
        if (KV_DevicePathMatches(logicalDevices[i]->path, path))
            return i;
    return logicalCount;
}

uint32_t KV_Core::KV_FindLogicalDevice(uint64_t id) const
{
    for (uint32_t i = 0; id != 0 && i < logicalCount; ++i)
        if (logicalDevices[i]->id == id)
            return i;
    return logicalCount;
}

uint32_t KV_Core::KV_FindController(uint64_t id) const
{
    for (uint32_t i = 0; id != 0 && i < controllerCount; ++i)
        if (controllers[i]->id == id)
            return i;
    return controllerCount;
}

// --- Cores and device lists ----------------------------------------------

KV_STS KV_ApiEnumerateCores(KV_CoreId *buffer, uint32_t bufferBytes, uint32_t *count)
{
    KV_CoreLock lock;
    uint32_t found = 0;
    // Only the first core is probed: the stack runs one core per machine.
    for (int number = 1; number <= 1; ++number) {
        char coreName[16];
        std::snprintf(coreName, sizeof coreName, "Core%d", number);
        auto core = std::make_unique<KV_Core>(".", coreName);
        if (!core->endpoint)
            continue;
        if (buffer == nullptr || uint64_t(found + 1) * sizeof(KV_CoreId) > bufferBytes) {
            if (count != nullptr)
                *count = found;
            return KV_STS_BUFFER_TOO_SMALL;
        }
        KV_CoreId &id = buffer[found++];
        std::memset(&id, 0, sizeof id);
        id.coreNumber = number;
        copyText(id.host, ".");
        copyText(id.coreName, coreName);
    }
    if (count != nullptr)
        *count = found;
    return KV_STS_SUCCESS;
}

namespace {

// The number every path of the list names after "core", 0 when they differ
// or one names none.
int commonCoreNumber(const KV_DevicePath *list, uint32_t count)
{
    int common = 0;
    for (uint32_t i = 0; i < count; ++i) {
        char path[KV_DevicePathLength + 1];
        std::memcpy(path, list[i], KV_DevicePathLength);
        path[KV_DevicePathLength] = '\0';
        const int number = KV_CoreNumberOf(path);
        if (number == 0 || (i > 0 && number != common))
            return 0;
        common = number;
    }
    return common;
}

// A list resolves when at least one of its paths names core 1.
bool namesCoreOne(const KV_DevicePath *list, uint32_t count)
{
    for (uint32_t i = 0; i < count; ++i) {
        char path[KV_DevicePathLength + 1];
        std::memcpy(path, list[i], KV_DevicePathLength);
        path[KV_DevicePathLength] = '\0';
        if (KV_CoreNumberOf(path) == 1)
            return true;
    }
    return false;
}

} // namespace

KV_STS KV_ValidateCoreDeviceLists(const KV_CoreId *core, uint32_t countA, uint32_t countB,
                                  const KV_DevicePath *listA, const KV_DevicePath *listB,
                                  int32_t *coreNumber)
{
    if ((countA == 0 && countB == 0) || (listA == nullptr && listB == nullptr))
        return KV_STS_INVALID_DEVICE_LIST;
    if ((countA != 0 && listA == nullptr) || (countB != 0 && listB == nullptr))
        return KV_STS_INVALID_DEVICE_LIST;

    KV_CoreLock lock;
    KV_RequestBlock resolved(sizeof(KV_CoreId), "KV_ValidateCoreDeviceLists");
    if (!resolved)
        return KV_STS_NO_MEMORY_AVAILABLE;
    auto *id = reinterpret_cast<KV_CoreId *>(resolved.data());

    if (!namesCoreOne(listA, countA))
        return KV_STS_INVALID_DEVICE_LIST;
    id->coreNumber = 1;
    if (core != nullptr)
        copyText(id->host, core->host);
    copyText(id->coreName, "Core1");
    const int numberA = commonCoreNumber(listA, countA);

    int numberB = 0;
    if (countB != 0) {
        numberB = commonCoreNumber(listB, countB);
        // A second list on another core is a list spanning cores, whether or
        // not it also resolves on its own.
        if (numberB != 0 && numberB != numberA)
            return KV_STS_DEVICE_LIST_SPAN_MULTI_CORE;
        if (!namesCoreOne(listB, countB))
            return KV_STS_INVALID_DEVICE_LIST;
    }
    if (numberA == 0)
        return KV_STS_INVALID_DEVICE_LIST;
    if (coreNumber != nullptr)
        *coreNumber = numberA;
    return KV_STS_SUCCESS;
}
