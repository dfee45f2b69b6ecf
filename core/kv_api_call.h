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

#include <memory>

inline constexpr int KV_MaxAttempts = 3;

// KV_STS_INVALID_LOGICAL_DEVICE when `path` names no core or another core
// than `core`; KV_STS_SUCCESS otherwise. Needs no lock.
KV_STS KV_CheckDevicePath(const KV_CoreId *core, const char *path);

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
        auto handle = std::make_unique<KV_Core>(core.host, core.coreName);
        if (!handle->endpoint)
            return KV_STS_INVALID_CORE_HANDLE;
        std::memset(block, 0, blockLength);
        status = attempt(*handle, block);
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
