// What the modelled driver does with the array and disk commands: the
// request decoder (fixed offsets in the request block), the commands
// themselves, the background tasks and disk failures.
//
// Every command works on a copy of the model and answers a status (1:
// success). The emulator keeps the copy only on success, so a refused
// command leaves the model and its generation as they were.
#pragma once

#include "model.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace kvemu::raid {

// Bounds-checked little-endian reads of a request block. A read that reaches
// past the block yields 0 and marks the reader as overrun; commands then
// answer status 21.
class RequestReader {
public:
    RequestReader(const uint8_t *block, uint32_t length) : block_(block), length_(length) {}
    uint16_t u16(size_t offset) { return uint16_t(read(offset, 2)); }
    uint32_t u32(size_t offset) { return uint32_t(read(offset, 4)); }
    uint64_t u64(size_t offset) { return read(offset, 8); }
    // The 16-byte device entry: identifier, device route, core route.
    struct Entry {
        uint64_t id = 0;
        uint16_t deviceRoute = 0, coreRoute = 0;
    };
    Entry entry(size_t offset) { return {u64(offset), u16(offset + 8), u16(offset + 10)}; }
    std::vector<Entry> entries(size_t offset, uint32_t count);
    // `width` bytes from `offset`, up to the first zero byte.
    std::string text(size_t offset, size_t width);
    bool overrun() const { return overrun_; }

private:
    uint64_t read(size_t offset, size_t width);
    const uint8_t *block_;
    uint32_t length_;
    bool overrun_ = false;
};

// Request codes.
inline constexpr uint32_t CommandCreate = 2;
inline constexpr uint32_t CommandDelete = 3;
inline constexpr uint32_t CommandInitialize = 4;
inline constexpr uint32_t CommandManageArray = 7;
inline constexpr uint32_t CommandTransform = 8;
inline constexpr uint32_t CommandOffline = 17;
inline constexpr uint32_t CommandManageDisk = 29;
inline constexpr uint32_t CommandManageDiskAlt = 30;
inline constexpr uint32_t CommandTaskControl = 34;
inline constexpr uint32_t ReadTransformInfo = 0x100C;
inline constexpr uint32_t ReadCreateInfo = 0x100D;
inline constexpr uint32_t ReadDiskData = 0x1014;

// Option flags of the create request.
inline constexpr uint32_t OptionBackgroundScan = 0x400;
inline constexpr uint32_t OptionSkipInitialize = 0x1000;
inline constexpr uint32_t OptionInfoOnly = 0x2000; // set by the create-information read
inline constexpr uint32_t OptionLeaveData = 0x4000;
inline constexpr uint32_t OptionZero = 0x10000;

// The most arrays the driver keeps in one core.
inline constexpr size_t MaxArrays = 24;
inline constexpr size_t MaxDedicatedSpares = 4;

// --- Write commands ------------------------------------------------------
uint32_t create(Model &m, RequestReader &r);
uint32_t deleteArrays(Model &m, RequestReader &r);
uint32_t initializeDisks(Model &m, RequestReader &r);
uint32_t manageArray(Model &m, RequestReader &r);
uint32_t transform(Model &m, RequestReader &r);
uint32_t offline(Model &m, RequestReader &r);
uint32_t taskControl(Model &m, RequestReader &r);
// Commands 29 and 30. A data-returning sub-operation leaves its answer in
// `data` (read back with 0x1014). `now` dates the S.M.A.R.T. values.
uint32_t manageDisk(Model &m, RequestReader &r, std::chrono::milliseconds now,
                    std::vector<uint8_t> &data);

// --- Read commands -------------------------------------------------------
// The answers are raw data from offset 0: the largest capacity in MiB
// (uint64 at 0) and the present capacity in MiB or 0 (uint64 at 8).
uint32_t createInfo(const Model &m, RequestReader &r, std::vector<uint8_t> &answer);
uint32_t transformInfo(const Model &m, RequestReader &r, std::vector<uint8_t> &answer);

// --- Tasks and failures --------------------------------------------------
// Moves every running task on by `units` (100000 units make a whole task).
// Returns true when a task finished, which changes the configuration.
bool advanceTasks(Model &m, uint32_t units);
// A disk fails (stays in its bay, state Offline) or is pulled out.
void failDisk(Model &m, uint64_t diskId, bool pulled);
// A pulled disk (by serial) goes back into its bay; false when none is out.
bool insertPulled(Model &m, const std::string &serial);
// A brand new, uninitialized disk; returns its route, 0 when no port is free.
uint16_t insertNew(Model &m, uint32_t controller, uint32_t channel, uint64_t sectors, bool nvme);
// Starts a rebuild on every critical array that has a usable spare.
void startRebuilds(Model &m);
// NORMAL, CRITICAL or OFFLINE from the array's members.
uint32_t healthOf(const Model &m, const LogicalDevice &a);

// --- S.M.A.R.T. pages (512 bytes each) -----------------------------------
std::vector<uint8_t> ataSmartTable(const PhysicalDisk &d, std::chrono::milliseconds now);
std::vector<uint8_t> nvmeHealthPage(const PhysicalDisk &d, std::chrono::milliseconds now);
uint32_t temperatureCelsius(const PhysicalDisk &d, std::chrono::milliseconds now);
uint64_t powerOnHours(const PhysicalDisk &d, std::chrono::milliseconds now);

} // namespace kvemu::raid
