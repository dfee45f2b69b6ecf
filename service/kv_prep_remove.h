// Prepare-to-remove: the records and result codes of KV_RaidApi's
// PrepareArrayForRemoval and of the device eject it asks Windows for.
#pragma once

#include <cstdint>

// What IOCTL_STORAGE_GET_DEVICE_NUMBER answers (12 bytes).
struct KV_StorageDeviceNumber {
    uint32_t deviceType = 0;
    uint32_t deviceNumber = 0;
    uint32_t partitionNumber = 0;
};
static_assert(sizeof(KV_StorageDeviceNumber) == 12);

// Results of PrepareArrayForRemoval.
inline constexpr int KV_PrepRemoveOffline = 1;      // the array was taken offline
inline constexpr int KV_PrepRemoveRefused = 3;      // refused, or a step failed
inline constexpr int KV_PrepRemoveSharedDisk = -9;  // a member disk serves another array too
inline constexpr int KV_PrepRemoveVolumeBusy = -10; // the volume could not be locked or dismounted
inline constexpr int KV_PrepRemoveNoDevice = -100;  // no disk device matches the volume

// Results of EjectVolumeDevice.
inline constexpr int KV_EjectDone = 1;
inline constexpr int KV_EjectNoDevice = -100;
inline constexpr int KV_EjectFailed = -101; // every attempt failed; the eject is optional
inline constexpr int KV_EjectAttempts = 3;
inline constexpr uint32_t KV_EjectRetryMilliseconds = 50;
