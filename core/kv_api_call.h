// The calling convention every KV_Api operation follows, written once.
//
//  1. The caller checks its arguments first (KV_CheckDevicePath for paths).
//  2. The process-wide lock is taken here and held to the end; it is
//     released on every path out.
//  3. The request block is allocated here (tracked, page aligned, tagged
//     with the operation's name): KV_STS_NO_MEMORY_AVAILABLE when it cannot
//     be.
//  4. A fresh KV_Core handle is built for the core:
//     KV_STS_INVALID_CORE_HANDLE when its endpoint does not open.
//  5. `attempt(core, block)` looks its devices up in the handle (10 or 11
//     when one is missing), fills the cleared block and sends it.
//  6. When the driver answers KV_STS_INVALID_GENERATION_NUMBER, the handle
//     is rebuilt (re-reading the configuration and its generation) and the
//     attempt repeated, at most 3 attempts in all.
//  7. The block is freed and the handle destroyed before the lock is
//     released; the last status is returned.
#pragma once

#include "kv_core.h"

#include <cstring>
#include <memory>

inline constexpr int KV_MaxAttempts = 3;

// KV_STS_INVALID_LOGICAL_DEVICE when `path` names no core or another core
// than `core`; KV_STS_SUCCESS otherwise. Needs no lock.
KV_STS KV_CheckDevicePath(const KV_CoreId *core, const char *path);

// The core a device path names: host ".", core name "Core<n>".
KV_CoreId KV_CoreOfPath(const char *path);

// The core a device list belongs to (KV_ValidateCoreDeviceLists): the
// caller's host (or "." without a caller's identifier) and the core the
// list names. KV_STS_INVALID_DEVICE_LIST when the list names none.
KV_STS KV_ResolveListCore(const KV_CoreId *core, uint32_t count, const KV_DevicePath *list,
                          KV_CoreId *resolved);

// Lists the cores and calls `perCore(id)` for each; the last status, or
// KV_STS_INVALID_CORE_HANDLE when there is no core. Takes the lock.
template <typename PerCore> KV_STS KV_ForEachEnumeratedCore(PerCore perCore);

// Releases the process-wide lock (which the caller holds once), sleeps for
// `milliseconds` through the platform and takes the lock again. The one
// sleep of the library.
void KV_SleepUnlocked(uint32_t milliseconds);

// --- Request blocks ------------------------------------------------------

// Writes `value` at byte `offset` of a request block.
template <typename T> void KV_PutField(uint8_t *block, size_t offset, T value)
{
    std::memcpy(block + offset, &value, sizeof value);
}

// The 16-byte device entry of every list inside a request: identifier,
// device route, core route, 4 zero bytes. `device` is a physical or a
// logical device.
inline constexpr uint32_t KV_DeviceEntrySize = 16;
template <typename Device>
void KV_PutDeviceEntry(uint8_t *block, size_t offset, const Device &device)
{
    KV_PutField<uint64_t>(block, offset, device.id);
    KV_PutField<uint16_t>(block, offset + 8, device.deviceRoute);
    KV_PutField<uint16_t>(block, offset + 10, device.coreRoute);
    KV_PutField<uint32_t>(block, offset + 12, 0);
}

// Most devices of one kind a configuration image can hold; a request that
// lists every array or every disk of a core is sized for this many.
inline constexpr uint32_t KV_MaxLogicalDevices =
    (KV_ConfigImageSize - KV_ImageRecordsOffset) / KV_LogicalFixedSize;
inline constexpr uint32_t KV_MaxPhysicalDevices =
    (KV_ConfigImageSize - KV_ImageRecordsOffset) / KV_PhysicalRecordSize;
// Longest list a request carries; longer ones are refused rather than sized.
inline constexpr uint64_t KV_MaxListEntries = 65536;

// Length of a request that carries `entries` device entries after its
// 1024-byte fixed part: 1024 + 16 per entry, rounded up to 512.
inline uint32_t KV_ListBlockLength(uint64_t entries)
{
    return uint32_t((entries * KV_DeviceEntrySize + 1024 + 511) / 512 * 512);
}

// A disk that a request "on every disk" selects: type 0x1200, 0x1202 or
// 0x1203; never the core's own pseudo-device 0x1201.
bool KV_IsSelectableDisk(const KV_C_PhysicalDevice &device);

// Lookups by a list entry, which need not be terminated: an index, or the
// list's count when nothing matches.
uint32_t KV_FindPhysicalEntry(const KV_Core &core, const KV_DevicePath &entry);
uint32_t KV_FindLogicalEntry(const KV_Core &core, const KV_DevicePath &entry);

// Writes the device entries of the `count` devices that `list` names from
// byte `offset`, looked up as disks or as arrays. KV_STS_SUCCESS, or
// KV_STS_PHYSICAL_DEVICE_NOT_FOUND / KV_STS_LOGICAL_DEVICE_NOT_FOUND for the
// first one missing.
enum class KV_EntryKind { Disk, Array };
KV_STS KV_PutListEntries(const KV_Core &core, uint8_t *block, size_t offset,
                         const KV_DevicePath *list, uint32_t count, KV_EntryKind kind);

// The core a request on a device list goes to: the core the list names, or,
// for a request on every device (`everyDevice`) without a list, the
// caller's. KVTL_STS_INVALID_PARAMETER without either.
KV_STS KV_RequestCore(const KV_CoreId *core, uint32_t count, const KV_DevicePath *list,
                      bool everyDevice, KV_CoreId *target);

// --- The calling convention ----------------------------------------------

// Builds a fresh handle on `core` and returns `use(handle)`;
// KV_STS_INVALID_CORE_HANDLE when its endpoint does not open. The caller
// holds the lock; the handle is destroyed before this returns.
template <typename Use> KV_STS KV_WithFreshHandle(const KV_CoreId &core, Use use)
{
    KV_Core handle(core.host, core.coreName);
    if (!handle.endpoint)
        return KV_STS_INVALID_CORE_HANDLE;
    return use(handle);
}

// Steps 4 to 6 for a caller that already holds the lock and owns its block
// (an operation that reads its answer out of the block after the attempts,
// or answers its own code when the block cannot be had): the handle is
// built fresh for every attempt and `block` cleared before each.
template <typename Attempt>
KV_STS KV_RetryOnStaleGeneration(const KV_CoreId &core, uint8_t *block, uint32_t blockLength,
                                 Attempt attempt)
{
    KV_STS status = KV_STS_FAILURE;
    for (int tries = 0; tries < KV_MaxAttempts; ++tries) {
        status = KV_WithFreshHandle(core, [&](KV_Core &handle) -> KV_STS {
            std::memset(block, 0, blockLength);
            return attempt(handle, block);
        });
        if (status != KV_STS_INVALID_GENERATION_NUMBER)
            break;
    }
    return status;
}

// Sends the request that `attempt` writes into `block` (of `blockLength`
// bytes, cleared before every attempt) through a fresh handle on `core`,
// with the retry on a stale generation.
template <typename Attempt>
KV_STS KV_CallWithRetry(const KV_CoreId &core, const char *tag, uint32_t blockLength,
                        Attempt attempt)
{
    KV_CoreLock lock;
    KV_RequestBlock block(blockLength, tag);
    if (!block)
        return KV_STS_NO_MEMORY_AVAILABLE;
    return KV_RetryOnStaleGeneration(core, block.data(), blockLength, attempt);
}

template <typename PerCore> KV_STS KV_ForEachEnumeratedCore(PerCore perCore)
{
    KV_CoreLock lock;
    KV_CoreId cores[8];
    uint32_t count = 0;
    if (const KV_STS listed = KV_ApiEnumerateCores(cores, sizeof cores, &count);
        listed != KV_STS_SUCCESS)
        return listed;
    if (count == 0)
        return KV_STS_INVALID_CORE_HANDLE;
    KV_STS status = KV_STS_SUCCESS;
    for (uint32_t i = 0; i < count; ++i)
        status = perCore(cores[i]);
    return status;
}
