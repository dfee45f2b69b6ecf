#include "kv_words.h"

#include <cstddef>

namespace {

struct Word {
    uint32_t value;
    const char *word;
};

template <std::size_t N>
const char *lookUp(const Word (&table)[N], uint32_t value, const char *otherwise)
{
    for (const Word &entry : table)
        if (entry.value == value)
            return entry.word;
    return otherwise;
}

constexpr Word physicalTypes[] = {
    {KV_PhysicalTypeDisk, "Disk"},
    {KV_PhysicalTypeCore, "Core"},
    {KV_PhysicalTypeLegacy, "Legacy"},
};

constexpr Word physicalStates[] = {
    {0x3000, "Online"},
    {0x3001, "Offline"},
    {0x3002, "SMART_error"},
    {0x3004, "Locked"},
};

constexpr Word logicalStates[] = {
    {0x200, "NORMAL"},  {0x201, "CRITICAL"}, {0x202, "OFFLINE"},
    {0x203, "OUTDATE"}, {0x204, "LOCKED"},
};

constexpr Word transformTypes[] = {
    {0, "NOT_ACTIVE"},        {0x5354, "TRANSFORM"},    {KV_TransformCreate, "CREATE"},
    {0x5356, "CHECK"},        {0x5357, "COPY"},         {0x5358, "RESTORE"},
    {0x5359, "CHECK_BITMAP"}, {0x535A, "FLUSH_BITMAP"}, {0x535B, "ZERO"},
    {0x535C, "SECURE_ERASE"}, {0x535E, "TIER_MOVE"},
};

constexpr Word transformStates[] = {
    {0, "NOT_ACTIVE"},   {0xA1A1, "STARTED"},    {0xA1A2, "PAUSED"},    {0xA1A3, "SHUTDOWN"},
    {0xA1A4, "FAILED"},  {0xA1A5, "STOPPED"},    {0xA1A6, "COMPLETED"}, {0xA1A7, "NOT_COMPLETED"},
    {0xA1A8, "REMOVED"}, {0xA1A9, "NOT_ACTIVE"},
};

} // namespace

const char *KV_PhysicalTypeWord(uint32_t type)
{
    return lookUp(physicalTypes, type, "Unknown");
}

const char *KV_PhysicalStateWord(uint32_t state)
{
    return lookUp(physicalStates, state, "Unknown");
}

const char *KV_GlobalSpareWord(uint32_t globalSpare)
{
    return globalSpare == 0x100 ? "Y" : "N";
}

const char *KV_LogicalStateWord(uint32_t state, uint32_t transformType)
{
    if (state == 0x200 && transformType == KV_TransformCreate)
        return "READY";
    return lookUp(logicalStates, state, "UNKNOWN");
}

const char *KV_ArrayTypeWord(uint32_t typeCode, uint32_t firstCount, uint32_t secondCount)
{
    const uint32_t f = firstCount, s = secondCount;
    switch (typeCode) {
    case 0x1BF5:
        if (s > 2 && f == 1)
            return "RAID5";
        if (s > 2 && f > 1)
            return "RAID50";
        break;
    case 0x1BF6:
        if (f == 1 && s == 2)
            return "RAID1";
        if (f == 1 && s > 2)
            return "RAID1N";
        if (f > 1 && s == 1)
            return "RAID0";
        if (f > 1 && s == 2)
            return "RAID10";
        if (f > 1 && s > 2)
            return "RAID10N";
        break;
    case 0x1BF7:
        return "VOLUME";
    case 0x1BF9:
        return "LEGACY";
    case 0x1BFA:
        if (s > 2 && f == 1)
            return "RAID6";
        if (s > 2 && f > 1)
            return "RAID60";
        break;
    case 0x1BFB:
        return "RAIDABLE";
    case 0x1BFD:
        return "RAIDTIER";
    }
    return "UNKNOWN";
}

const char *KV_TransformTypeWord(uint32_t transformType)
{
    return lookUp(transformTypes, transformType, "UNKNOWN");
}

const char *KV_TransformStateWord(uint32_t transformState)
{
    return lookUp(transformStates, transformState, "UNKNOWN");
}

const char *KV_ElementErrorWord(uint32_t errorFlags)
{
    constexpr uint32_t Failed = 0x10, Offline = 0x20, FailedNotPresent = 0x4000;
    const bool failed = errorFlags & Failed, offline = errorFlags & Offline,
               notPresent = errorFlags & FailedNotPresent;
    if (failed && offline)
        return "Fail_Offline";
    if (notPresent && offline)
        return "Fail(NP)_Offline";
    if (failed)
        return "Fail";
    if (offline)
        return "Offline";
    if (notPresent)
        return "Fail(NP)";
    return "NoError";
}

const char *KV_CacheWord(uint32_t cacheAttribute)
{
    const bool read = cacheAttribute & 0x80000000u, write = cacheAttribute & 0x40000000u;
    if (read && write)
        return "RW";
    if (read)
        return "R";
    if (write)
        return "W";
    return "NC";
}
