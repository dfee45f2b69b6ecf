// The driver channel: tracked request buffers, the library's process-wide
// lock, endpoint opening, positioned transfers and the disk-number and
// drive-letter lookups over the host's storage queries.
#pragma once

#include "kv_platform.h"
#include "kv_status.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// --- Tracked allocations -------------------------------------------------

// Most live allocations the table holds; KVTL_Alloc refuses (returns null)
// beyond it.
inline constexpr size_t KVTL_MaxAllocations = 20000;

// Allocates `size` bytes from the heap and records {pointer, size, tag}.
// Returns null when memory is exhausted or the table is full.
void *KVTL_Alloc(uint64_t size, const char *tag);
// KV_STS_SUCCESS when `pointer` was tracked and is now freed,
// KV_STS_SPACE_NOT_ALLOCATED when it is not in the table.
KV_STS KVTL_Free(void *pointer);
// True when [pointer, pointer + length) lies inside one tracked allocation.
bool KVTL_CheckBuffer(const void *pointer, uint64_t length);
// Number of live tracked allocations (what a test checks for leaks).
size_t KVTL_LiveCount();

// A page-aligned request block inside a tracked allocation 4096 bytes larger
// than the block, freed when this object goes away. Every operation gets its
// request and response blocks from here.
class KV_RequestBlock {
public:
    KV_RequestBlock(uint32_t blockLength, const char *tag);
    ~KV_RequestBlock();
    KV_RequestBlock(const KV_RequestBlock &) = delete;
    KV_RequestBlock &operator=(const KV_RequestBlock &) = delete;

    // Null when the allocation failed.
    uint8_t *data() const { return block_; }
    uint32_t length() const { return length_; }
    explicit operator bool() const { return block_ != nullptr; }

private:
    void *allocation_ = nullptr;
    uint8_t *block_ = nullptr;
    uint32_t length_ = 0;
};

// --- The process-wide lock -----------------------------------------------

// One recursive lock serialises every library call from any thread for its
// whole duration; the allocator takes it again inside an operation.
void KV_LockCore();
void KV_UnlockCore();

class KV_CoreLock {
public:
    KV_CoreLock() { KV_LockCore(); }
    ~KV_CoreLock() { KV_UnlockCore(); }
    KV_CoreLock(const KV_CoreLock &) = delete;
    KV_CoreLock &operator=(const KV_CoreLock &) = delete;
};

// --- Endpoints and transfers ---------------------------------------------

using KV_Endpoint = kv::PlatformFile;

// The parts of an endpoint path "//host/Core1/Route3/Device2" as the
// endpoint opener reads them.
struct KV_EndpointPath {
    int coreNumber = 0;
    int routeNumber = 0;
    int deviceNumber = 0;
};
KV_EndpointPath KV_ParseEndpointPath(const std::string &path);

// The host file name a path opens: the path itself when it does not begin
// with "//", "\\.\Device<route>_<device>" for a non-zero device number,
// "\\.\KVConfig<core - 1>" otherwise, and "" when the core number is 0.
std::string KV_EndpointFileName(const std::string &path);

// Opens `path` with open mode 1..8 (creation disposition and share mode) and
// flag type 1..3 (overlapped, write-through, unbuffered). Null on failure.
std::unique_ptr<KV_Endpoint> KV_OpenEndpoint(const std::string &path, int openMode, int flagType);

inline constexpr int KV_TransferRead = 1;
inline constexpr int KV_TransferWrite = 0;

// Moves `count` bytes between the endpoint at byte `offset` and a tracked,
// page-aligned buffer. KVTL_STS_INVALID_BUFFER without I/O for an untracked,
// overrunning or unaligned buffer; KV_STS_SUCCESS, KV_STS_EOF (end of data)
// or KV_STS_FAILURE otherwise.
KV_STS KV_Transfer(int direction, KV_Endpoint *endpoint, void *buffer, uint64_t offset,
                   uint32_t count);

// --- Disk numbers and drive letters --------------------------------------

// SCSI ports (16 down to 0) whose inquiry data names the RAID configuration
// device, in descending order. 1, or 3 when a port's inquiry query fails.
KV_STS KV_ListConfigPorts(std::vector<int> *ports);
// Array number that physical drive `diskNumber` presents, or -1.
int KV_GetDiskArrayNumber(int diskNumber);
// The first physical drive 0..47 that presents array `arrayNumber`, written
// as decimal text: 1, or 3 when none does.
KV_STS KV_FindArrayDisk(int arrayOrdinal, int arrayNumber, std::string *diskText);
// Appends the array numbers of the disks under volume `volumeName` ("C:")
// and returns how many; -1 for a null list. `answered` (when given) tells
// whether every host query behind the answer succeeded: it is false when
// the volume or one of its disks did not open or a query of theirs failed,
// and the list may then lack arrays that are there.
int KV_GetVolumeArrays(const std::string &volumeName, std::vector<int32_t> *arrays,
                       bool *answered = nullptr);
// Clears `buffer` and fills it with the letters of the fixed drives, always
// leaving a terminating zero. 1.
KV_STS KV_ListFixedDrives(uint32_t length, char *buffer);

// Highest physical drive number the array lookups examine.
inline constexpr int KV_MaxArrayDiskNumber = 47;

// One scan of the host for many lookups. While an object of this class
// lives, the lookups above on its thread ask the host for the SCSI port
// list, each physical drive's array number and each volume's disk extents
// once and answer every later question from what they read, messages and
// failures included, so the answers are those the host would give again.
// A bundle build holds one for all its lookups, which then cost one scan
// instead of one per array and per drive letter. Nothing is kept beyond the
// object: drive letters and volumes change without a new driver generation.
// An object made while another lives on the same thread shares its scan.
class KV_HostScan {
public:
    KV_HostScan();
    ~KV_HostScan();
    KV_HostScan(const KV_HostScan &) = delete;
    KV_HostScan &operator=(const KV_HostScan &) = delete;

    struct Seen;

private:
    std::unique_ptr<Seen> seen_; // null while an outer scan is in use
};
