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

// --- Arrays (logical devices) ----------------------------------------------

// Array type codes a create accepts: 0x1BF5, 0x1BF6, 0x1BF7, 0x1BFA, 0x1BFB
// and 0x1BFD. A transform accepts all but 0x1BFD.
bool KV_IsCreatableType(uint32_t typeCode);
bool KV_IsTransformTarget(uint32_t typeCode);

// Most spares a create or transform request carries: the room between the
// spare list and the member list of the request.
inline constexpr uint32_t KV_MaxRequestSpares = 4;

// The parameters of a create, and of the question how large it may be.
// Capacities are in MiB.
struct KV_CreateParameters {
    uint32_t typeCode = 0;
    uint32_t memberCount = 0;  // firstCount × secondCount
    uint32_t spareCount = 0;   // at most KV_MaxRequestSpares
    uint32_t firstCount = 0;   // member sets
    uint32_t secondCount = 0;  // members per set
    uint64_t capacity = 0;     // wanted; KV_ApiGetCreateInfo writes the largest possible here
    uint32_t cacheTagSize = 0; // 64, 128 or 256; 0 chooses by the members
    uint32_t cacheFlags = 0;   // bit 31 read cache, bit 30 write-back cache
    uint32_t optionFlags = 0;
    const KV_DevicePath *members = nullptr; // disks, or arrays for type 0x1BFD
    const KV_DevicePath *spares = nullptr;
    const char *name = nullptr; // its first 32 bytes are sent
    uint32_t nameLength = 0;
    uint64_t identifier = 0; // 0: the library draws an unused one
    uint32_t furtherValues[3] = {};
};

// Creates an array on `core` (command 2). With `wait` set, returns once the
// new array's initial task has ended (KV_STS_TRANSFORM_FAILURE when it
// failed). `outputPath` (80 bytes, may be null) receives the new array's
// device path.
KV_STS KV_ApiCreateLogicalDevice(const KV_CoreId *core, const KV_CreateParameters *parameters,
                                 int wait, char *outputPath);

// Asks the driver how large the array that `parameters` describes may be
// (read 0x100D) and writes that capacity (MiB) back into
// `parameters->capacity`. The same checks as a create: the capacity must
// not be 0 on the way in. Nothing is created.
KV_STS KV_ApiGetCreateInfo(const KV_CoreId *core, KV_CreateParameters *parameters);

// Deletes `count` arrays named by `paths`, or every array of `core` with
// `allArrays` (command 3). An array in use is deleted only with `force`.
// A deleted LEGACY array whose first member is a Legacy disk has that disk
// initialized afterwards (command 4).
KV_STS KV_ApiDeleteLogicalDevice(const KV_CoreId *core, uint32_t count, const KV_DevicePath *paths,
                                 int allArrays, int force, uint32_t parameter);

// The parameters of a transform of the array at `arrayPath` into a new
// layout. Capacities are in MiB.
struct KV_TransformParameters {
    const char *arrayPath = nullptr;
    uint32_t typeCode = 0;
    uint32_t memberCount = 0; // of the new layout: firstCount × secondCount
    uint32_t spareCount = 0;  // at most KV_MaxRequestSpares
    uint32_t callerValue = 0;
    uint64_t capacity = 0;
    uint32_t firstCount = 0;
    uint32_t secondCount = 0;
    const KV_DevicePath *members = nullptr; // disks
    const KV_DevicePath *spares = nullptr;
    uint32_t furtherValues[3] = {};
};

// The driver's answer to the question how large a transform may be (MiB).
struct KV_TransformInfo {
    uint64_t largestCapacity = 0;
    uint64_t presentCapacity = 0;
};

// Transforms an array (command 8).
KV_STS KV_ApiTransformLogicalDevice(const KV_CoreId *core,
                                    const KV_TransformParameters *parameters);
// Asks how large that transform may be (read 0x100C); nothing is changed.
// The capacity must not be 0, as for the transform.
KV_STS KV_ApiGetTransformInfo(const KV_CoreId *core, const KV_TransformParameters *parameters,
                              KV_TransformInfo *info);

// Starts (`start` set: 0x7CA7) or otherwise controls (0x7CA0) the
// consistency check of the array at `path`. In mode 1 the request carries
// 0x10000000 and `parameter`; in other modes a non-zero `parameter` makes
// the call wait until the array's task has ended.
KV_STS KV_ApiCheckLogicalDevice(const char *path, int start, uint32_t mode, uint32_t parameter);
// Secure erase of the array at `path` (0x7CAE); mode 1 as for the check.
KV_STS KV_ApiSecureEraseLogicalDevice(const char *path, uint32_t mode, uint32_t parameter);

// Pause 0x6000, resume 0x6001, remove 0x6002: the background tasks of
// `count` arrays, or of every array of every core with `allArrays`
// (command 34).
KV_STS KV_ApiTaskControlLogicalDevice(const KV_CoreId *core, uint32_t action, uint32_t count,
                                      const KV_DevicePath *paths, int allArrays,
                                      uint32_t parameter);

// Takes arrays offline (command 17).
KV_STS KV_ApiOfflineLogicalDevice(const KV_CoreId *core, uint32_t count, const KV_DevicePath *paths,
                                  int allArrays);

// Sends sub-operation 0x7CAC (the array's own data: its name) for the array
// at `path`. The name's length goes to offset 60 and its bytes, at most 32
// and not terminated, from offset 64; the parameters to 56 and 16.
KV_STS KV_ApiManageDevicePrivateLogicalDevice(const char *path, const char *name,
                                              uint32_t nameLength, uint32_t parameter = 0,
                                              uint32_t secondParameter = 0);

// --- Disks (physical devices) and spares -----------------------------------

// Initializes `count` disks, or every disk of the core with `allDisks`
// (command 4). `parameter` goes to offset 16, `mode` to offset 40.
KV_STS KV_ApiInitializePhysicalDevice(const KV_CoreId *core, uint32_t count,
                                      const KV_DevicePath *paths, int allDisks, uint32_t parameter,
                                      uint32_t mode);

// Sends disk sub-operation `subOperation` to each disk in turn (command 29,
// or 30 with `command30`); the status of the last one.
KV_STS KV_ApiManagePhysicalDevice(const KV_CoreId *core, uint32_t count, const KV_DevicePath *paths,
                                  int allDisks, uint32_t subOperation, uint32_t parameter,
                                  int command30 = 0);

// Sends a data-returning sub-operation (0x400E to 0x4014) to one disk and
// reads its answer back (read 0x1014) into `buffer`, `length` bytes. With
// `allDisks` the core must hold exactly one disk. KVTL_STS_INVALID_PARAMETER
// for any other sub-operation, after it was sent.
KV_STS KV_ApiManagePhysicalDeviceBuf(const KV_CoreId *core, uint32_t count,
                                     const KV_DevicePath *paths, int allDisks,
                                     uint32_t subOperation, void *buffer, uint32_t length,
                                     uint32_t parameter);

// Spare kinds.
inline constexpr uint32_t KV_DedicatedSpare = 0;
inline constexpr uint32_t KV_GlobalSpare = 1;

// Assigns (`assign` set) or removes the `count` disks of `disks` as spares:
// dedicated spares of the array at `arrayPath` (kind 0), or global spares
// (any other kind; kind 1 finds the core by the disks).
KV_STS KV_ApiManageSpare(const KV_CoreId *core, const char *arrayPath, uint32_t count,
                         const KV_DevicePath *disks, int assign, uint32_t kind, uint32_t parameter);
