// The flat KV_Api operations of the core library. Every one returns a
// KV_STS status (1 is success) and follows the calling convention of
// kv_api_call.h.
#pragma once

#include "kv_coreid.h"
#include "kv_status.h"

#include <cstdint>

// The name of a status code ("KV_STS_SUCCESS"), or "" for a value that has
// none (13 to 19, and anything not in the table).
const char *KV_StatusName(KV_STS status);

// Sub-operations of the manage-logical-device command (command 7).
inline constexpr uint32_t KV_ManageLogicalCommand = 7;
inline constexpr uint32_t KV_SubCheck = 0x7CA0;
inline constexpr uint32_t KV_SubCheckBitmap = 0x7CA7;
inline constexpr uint32_t KV_SubSimple7CA6 = 0x7CA6;
inline constexpr uint32_t KV_SubSetCache = 0x7CA8;
inline constexpr uint32_t KV_SubSimple7CA9 = 0x7CA9;
inline constexpr uint32_t KV_SubSetTaskPriority = 0x7CAA;
inline constexpr uint32_t KV_SubSetFlags = 0x7CAB;
inline constexpr uint32_t KV_SubPrivate = 0x7CAC;
inline constexpr uint32_t KV_SubRemoveSpares = 0x7CAD;
inline constexpr uint32_t KV_SubSecureErase = 0x7CAE;

// Sends command 7 with `subOperation` for the array at `path` (which also
// names its core): the parameter goes to offset 56 of the request, the
// second one to offset 16.
KV_STS KV_SimpleManageLogicalDevice(const char *path, uint32_t subOperation, uint32_t parameter,
                                    uint32_t secondParameter);

// The six thin entry points over it.
KV_STS KV_ApiManageLogicalDevice7CA6(const char *path, uint32_t parameter,
                                     uint32_t secondParameter);
// Cache flags of the array.
KV_STS KV_ApiSetLogicalDeviceCache(const char *path, uint32_t flags, uint32_t secondParameter);
KV_STS KV_ApiManageLogicalDevice7CA9(const char *path, uint32_t parameter,
                                     uint32_t secondParameter);
// Priority of the array's background task.
KV_STS KV_ApiSetLogicalDeviceTaskPriority(const char *path, uint32_t priority,
                                          uint32_t secondParameter);
// Hide, un-hide and background scan, by flag word.
KV_STS KV_ApiSetLogicalDeviceFlags(const char *path, uint32_t flags, uint32_t secondParameter);
// Removes every spare of the array.
KV_STS KV_ApiRemoveLogicalDeviceSpares(const char *path, uint32_t parameter,
                                       uint32_t secondParameter);

// Fills the fields every manage-logical-device request shares: the
// sub-operation at 32, the array's identifier at 36 and its routes at 44
// and 46, the parameter at 56 and the second parameter at 16.
class KV_C_LogicalDevice;
void KV_FillManageLogicalRequest(uint8_t *block, const KV_C_LogicalDevice &array,
                                 uint32_t subOperation, uint32_t parameter,
                                 uint32_t secondParameter);

// Asks the driver to scan for devices again (command 16, the parameter at
// offset 16): on `core`, or on every core when `allCores` is set (then
// KV_STS_INVALID_CORE_HANDLE when there is none). The last status.
KV_STS KV_ApiRescan(const KV_CoreId *core, int allCores, uint32_t parameter = 0);
