// The configuration dump: a whole core written as text, either compact (one
// line of key and value pairs per device, what the application parses back
// into its snapshot) or tagged (XML, for diagnostic files).
//
// Every writer appends to `output` at `length` and never writes at or past
// `capacity`: the text stays terminated, and a text that does not fit is
// cut. A device is written only when enough room remains for it (512 bytes
// for a device, 256 for a member extent, spare or parent entry); otherwise
// the length comes back unchanged.
#pragma once

#include "kv_coreid.h"
#include "kv_status.h"

#include <cstdint>

class KV_Core;
class KV_C_ControllerDevice;
class KV_C_LogicalDevice;
class KV_C_LogicalElement;
class KV_C_PhysicalDevice;
class KV_C_SEPDevice;

// Capacities below this produce no dump at all.
inline constexpr uint32_t KV_DumpMinimumCapacity = 0x8000;
inline constexpr uint32_t KV_DumpDeviceRoom = 512;
inline constexpr uint32_t KV_DumpEntryRoom = 256;

// Dumps of one device: `index` is its position in its list (a controller is
// numbered by its own controller number instead). Each returns the new
// length. `compact` drops the tagged form's indentation and newlines.
uint32_t KV_DumpController(const KV_C_ControllerDevice &controller, uint32_t index, uint32_t length,
                           char *output, uint32_t capacity, int compact, int tagged);
uint32_t KV_DumpPhysicalDevice(const KV_C_PhysicalDevice &device, uint32_t index, uint32_t length,
                               char *output, uint32_t capacity, int compact, int tagged);
// Writes the array with its member extents, dedicated spares and parents.
// With `lookup` set (and attribute 0x200 clear) the operating system's disk
// number of the array is looked up on the host; otherwise it reads "NONE".
uint32_t KV_DumpLogicalDevice(const KV_C_LogicalDevice &device, uint32_t index, uint32_t length,
                              char *output, uint32_t capacity, int compact, int tagged, int lookup);
uint32_t KV_DumpLogicalElement(const KV_C_LogicalElement &element, uint32_t index, uint32_t length,
                               char *output, uint32_t capacity, int compact, int tagged);
uint32_t KV_DumpEnclosure(const KV_C_SEPDevice &enclosure, uint32_t index, uint32_t length,
                          char *output, uint32_t capacity, int compact, int tagged);

// Dumps the whole core from the start of `output`: the core line, then the
// controllers, physical devices, logical devices and enclosures in list
// order. Returns the length (0 for a capacity below 32 KiB) and stores it in
// the handle's dumpLength. The compact text form's first line holds the
// total length after "BufferSize: ".
uint32_t KV_DumpCore(KV_Core &core, char *output, uint32_t capacity, int lookup, int compact,
                     int tagged);

// The configuration dump of `core`, or with `allCores` of every core found,
// one after the other in `output`. KV_STS_SUCCESS; KV_STS_INVALID_CORE_HANDLE
// without a core or when one cannot be opened; KV_STS_BUFFER_TOO_SMALL when
// the buffer is used up before every core is written;
// KVTL_STS_INVALID_PARAMETER without an output buffer.
KV_STS KV_ApiGetCoreConfigString(const KV_CoreId *core, char *output, uint32_t capacity, int lookup,
                                 int allCores, int compact, int tagged);
