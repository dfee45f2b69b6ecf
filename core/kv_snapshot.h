// The configuration snapshot: the compact configuration dump of a core
// parsed back into flat tables of fixed capacity. The application reads only
// these tables; it never holds core objects.
//
// Every text field holds at most its width minus one characters and is
// always terminated; a longer value is cut to the field. Tables are indexed
// as follows:
//  1. controllers in the order of their lines;
//  2. physical devices by the number of their line;
//  3. arrays in the order of their lines, two consecutive lines with the
//     same device route sharing one record (the two configurations of an
//     array under transform or rebuild);
//  4. enclosures by the number of their line.
#pragma once

#include "kv_coreid.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

inline constexpr int KV_SnapshotMaxControllers = 19;
inline constexpr int KV_SnapshotMaxDisks = 304;
inline constexpr int KV_SnapshotMaxArrays = 384;
inline constexpr int KV_SnapshotMaxEnclosures = 76;
inline constexpr int KV_SnapshotMaxMembers = 32;
// Spare and parent entries kept per configuration; an array with more keeps
// the first ones.
inline constexpr int KV_SnapshotMaxReferences = 32;

struct KV_ControllerRec {
    int32_t number;
    char coreBuild[32]; // build text of the core the controller belongs to
    char name[17];
    char biosBuild[33];
    uint64_t maxArraySize; // sectors
    uint64_t serialNumber;
    int32_t numberOfPorts;
    uint16_t pciVendorId;
    uint16_t pciDeviceId;
    uint16_t pciSubVendorId;
    uint16_t pciSubDeviceId;
    uint64_t id;
    uint16_t OrigPciVendorID;
    uint16_t OrigPciDeviceID;
    // Where the controller sits on the PCI bus, read from the driver's
    // location word (LOC: bus << 16 | device << 8 | function); all three
    // are -1 when the line carries no location.
    int32_t pciBus;
    int32_t pciSlot;
    int32_t pciFunction;
};

// The bits of the records' flag words that the application decodes, named
// once for every layer above the parser.
namespace KV_RecordBits {
// KV_DiskRec::portType
inline constexpr uint32_t PortSataSolidState = 0x800;
inline constexpr uint32_t PortSimpleTrim = 0x100000;
inline constexpr uint32_t PortAdvancedTrim = 0x400000;
inline constexpr uint32_t PortInformedHotSwap = 0x800000;
inline constexpr uint32_t PortNvme = 0x80000000u;
// KV_ArrayConfig::attributes
inline constexpr uint32_t AttributeHidden = 0x200; // no operating-system disk
inline constexpr uint32_t AttributeBackgroundScan = 0x400;
} // namespace KV_RecordBits

struct KV_DiskRec {
    char type[8];   // "Disk", "Core", "Legacy", "Unknown" or "Vorlane"
    char state[12]; // "Online", "Offline", "SMART_error", "Locked", "Unknown"
    char path[40];
    int32_t coreRoute;
    int32_t deviceRoute;
    uint64_t id;
    uint64_t capacity;   // sectors
    int32_t globalSpare; // 1 or 0
    uint32_t features;
    uint64_t largestFree; // sectors
    uint64_t totalFree;   // sectors
    char serialNumber[64];
    char model[64];
    char firmware[32];
    uint32_t portType;
    int32_t controller;
    int32_t channel;
    char vendor[9];
};

// One member extent of an array.
struct KV_MemberRec {
    int32_t coreRoute;
    int32_t deviceRoute;
    uint64_t id;
    uint64_t offset;     // sectors
    uint64_t size;       // sectors
    uint64_t dataOffset; // sectors
    uint64_t dataSize;   // sectors
    char error[32];      // "NoError", "Fail", "Offline", ...
};

enum KV_ReferenceKind : int32_t {
    KV_ReferenceSpare = 1,  // a dedicated spare disk of the array
    KV_ReferenceParent = 2, // an array built on this one
};

// A dedicated spare or a parent of an array.
struct KV_ReferenceRec {
    KV_ReferenceKind kind;
    int32_t coreRoute;
    int32_t deviceRoute;
    uint64_t id;
};

// One configuration of an array.
struct KV_ArrayConfig {
    char path[40];
    int32_t coreRoute;
    int32_t deviceRoute;
    uint64_t id;
    uint64_t capacity;   // sectors
    int32_t firstCount;  // member sets
    int32_t secondCount; // members per set
    char cache[4];       // "RW", "R", "W" or "NC"
    int32_t cacheTagSize;
    char state[12];
    char type[9];
    uint32_t generation;
    uint64_t transformProtectStart;
    int32_t transformProtectSize;
    float percentComplete;
    char transformType[16];
    char transformState[16];
    int32_t distributedSpareCount;
    int32_t preferredElement;
    int32_t taskPriority;
    uint32_t attributes; // 0x200: hidden, no operating-system disk
    char deviceName[40];
    int32_t referenceCount; // users of the array; non-zero means busy
    uint64_t copyFromId;
    uint64_t copyToId;
    char osDiskName[64]; // the operating system's disk number, or "NONE"
    KV_MemberRec members[KV_SnapshotMaxMembers];
    int32_t linkCount; // filled entries of `links`
    KV_ReferenceRec links[KV_SnapshotMaxReferences];
};

// The members an array record lists: its sets times their width, bounded
// by the record's member table.
inline int KV_MemberCount(const KV_ArrayConfig &config)
{
    const int64_t count = int64_t(config.firstCount) * config.secondCount;
    return int(std::clamp<int64_t>(count, 0, KV_SnapshotMaxMembers));
}

// True when a text field of a record reads `word` exactly.
inline bool KV_FieldIs(const char *field, const char *word)
{
    return std::strcmp(field, word) == 0;
}

// While an array is transformed or rebuilt the driver lists it twice: first
// the new layout, then the old one. `config[0]` is therefore the destination
// and `config[1]` the source; with one half `config[0]` is the array.
struct KV_ArrayRec {
    int32_t halves; // 1, or 2 while a task keeps two layouts
    KV_ArrayConfig config[2];
};

struct KV_EnclosureRec {
    uint64_t id;
    char path[40];
    char vendor[9];
    char product[17];
    char revision[5];
    char serialNumber[9];
};

// About 3 MB: callers allocate it, never on the stack.
struct KV_SnapshotTables {
    int32_t controllerCount;
    KV_ControllerRec controllers[KV_SnapshotMaxControllers];
    KV_DiskRec disks[KV_SnapshotMaxDisks];
    int32_t diskCount;
    KV_ArrayRec arrays[KV_SnapshotMaxArrays];
    int32_t arrayCount;
    KV_EnclosureRec enclosures[KV_SnapshotMaxEnclosures];
    int32_t enclosureCount;
};
static_assert(std::is_trivially_copyable_v<KV_SnapshotTables>);

// Whether two snapshots hold the same records: the same counts, and byte for
// byte the same records below them (what lies past a count is not compared).
bool KV_SameTables(const KV_SnapshotTables &a, const KV_SnapshotTables &b);

// Parses `length` bytes of compact dump text (or up to its first zero byte)
// into `snapshot`. The counts and the controller, physical and enclosure
// tables are cleared first; array records are cleared when their line is
// read, and those at or past the array count keep old contents. 1 when the whole text was read;
// 0 when a core, controller or array line lacks a key or has a bad value, a
// physical line's number is not below 304, an array line's number is not
// below 384, or a table would overflow. On 0 the tables keep what was
// parsed before the faulty line.
int KV_ParseSnapshotText(const char *text, size_t length, KV_SnapshotTables *snapshot);

// The snapshot of the first core of `cores`: its compact dump (with the
// operating-system disk lookup when `lookup` is set) parsed into `snapshot`.
// `value` is kept in the head of the work buffer, for whoever inspects it.
// 1 on success; 0 when the work buffer cannot be had, the dump fails or the
// text does not parse (the tables then keep what was read).
int KV_ApiGetSnapshot(const KV_CoreId *cores, KV_SnapshotTables *snapshot, uint64_t value,
                      int lookup);
