// Device objects built from the records of the configuration image. Each
// belongs to the KV_Core handle that built it and never outlives it.
#pragma once

#include <cstdint>

// Record tags of the configuration image's record stream.
inline constexpr uint32_t KV_TagPhysicalDevice = 0x25BC;
inline constexpr uint32_t KV_TagLogicalDevice = 0x25BD;
inline constexpr uint32_t KV_TagController = 0x25BE;
inline constexpr uint32_t KV_TagEnclosure = 0x25BF;

// Record sizes; a logical record carries its own size.
inline constexpr uint32_t KV_PhysicalRecordSize = 256;
inline constexpr uint32_t KV_PreviousPhysicalRecordSize = 128;
inline constexpr uint32_t KV_ControllerRecordSize = 136;
inline constexpr uint32_t KV_EnclosureRecordSize = 64;
// The fixed part of a logical record; its entry tables start here.
inline constexpr uint32_t KV_LogicalFixedSize = 512;
inline constexpr uint32_t KV_LogicalSizeOffset = 144;
inline constexpr uint32_t KV_ElementEntrySize = 64;
inline constexpr uint32_t KV_ReferenceEntrySize = 16;

// Writes a device path: route prefix, core route, "/Device", device route,
// and one trailing space when the device route is below 10.
void KV_FormatDevicePath(char (&path)[80], const char *routePrefix, unsigned coreRoute,
                         unsigned deviceRoute);

class KV_C_PhysicalDevice {
public:
    // `record` holds 256 bytes, or 128 in previous mode (texts and free space
    // then stay zero).
    KV_C_PhysicalDevice(const uint8_t *record, const char *routePrefix, bool previous);
    virtual ~KV_C_PhysicalDevice();

    uint32_t tag = 0;
    uint64_t id = 0;
    uint16_t deviceRoute = 0;
    uint16_t coreRoute = 0;
    uint32_t kept16 = 0;
    uint32_t kept24 = 0;
    uint64_t capacity = 0; // sectors
    uint32_t type = 0;
    uint32_t state = 0;
    uint32_t globalSpare = 0;
    uint32_t features = 0;
    uint32_t portType = 0;
    char firmware[9] = {};
    char model[41] = {}; // in the Core pseudo-device: the driver's build text
    char serial[21] = {};
    int controller = 0;
    int channel = 0;
    uint64_t largestFree = 0; // sectors
    uint64_t totalFree = 0;   // sectors
    char vendor[9] = {};
    char path[80] = {};
};

// One member extent of an array.
class KV_C_LogicalElement {
public:
    explicit KV_C_LogicalElement(const uint8_t *entry);
    KV_C_LogicalElement() = default;
    virtual ~KV_C_LogicalElement() = default;

    uint64_t id = 0;
    uint16_t deviceRoute = 0;
    uint16_t coreRoute = 0;
    uint32_t kept = 0;
    uint64_t offset = 0;     // sectors
    uint64_t size = 0;       // sectors
    uint64_t dataOffset = 0; // sectors
    uint64_t dataSize = 0;   // sectors
    uint32_t error = 0;
};

// A parent or dedicated-spare entry of an array.
struct KV_LogicalReference {
    uint64_t id;
    uint16_t deviceRoute;
    uint16_t coreRoute;
    uint32_t kept;
};

class KV_C_LogicalDevice {
public:
    // `record` holds `size` bytes (at least the fixed part); entry counts are
    // kept to what the record holds.
    KV_C_LogicalDevice(const uint8_t *record, uint32_t size, const char *routePrefix,
                       int coreNumber);
    virtual ~KV_C_LogicalDevice();
    KV_C_LogicalDevice(const KV_C_LogicalDevice &) = delete;
    KV_C_LogicalDevice &operator=(const KV_C_LogicalDevice &) = delete;

    uint32_t tag = 0;
    uint64_t id = 0;
    uint16_t deviceRoute = 0;
    uint16_t coreRoute = 0;
    uint32_t kept16 = 0;
    uint32_t state = 0;
    uint32_t typeCode = 0;
    uint32_t transformType = 0;
    uint32_t transformState = 0;
    uint64_t capacity = 0; // sectors
    uint64_t transformProtectStart = 0;
    uint32_t generation = 0;
    uint64_t copyFromId = 0;
    uint64_t copyToId = 0;
    uint32_t firstCount = 0;
    uint32_t secondCount = 0;
    uint32_t parentCount = 0;
    uint32_t spareCount = 0;
    uint32_t transformProtectSize = 0;
    uint32_t cacheTagSize = 0;
    uint32_t cacheAttribute = 0;
    uint32_t transformProgress = 0; // 0..100000
    uint16_t attributes = 0;
    uint32_t distributedSpareCount = 0;
    uint32_t preferredElement = 0;
    uint32_t taskPriority = 0;
    uint32_t referenceCount = 0;
    char deviceName[33] = {};
    uint32_t recordSize = 0;
    int coreNumber = 0;
    char path[80] = {};

    // Member extents, row by row (elementCount of them), then the parent and
    // dedicated-spare entries. Tracked allocations owned by this object.
    uint32_t elementCount = 0;
    KV_C_LogicalElement *elements = nullptr;
    KV_LogicalReference *parents = nullptr;
    KV_LogicalReference *spares = nullptr;
};

class KV_C_ControllerDevice {
public:
    explicit KV_C_ControllerDevice(const uint8_t *record);
    virtual ~KV_C_ControllerDevice() = default;

    uint32_t tag = 0;
    uint64_t id = 0;
    uint16_t deviceRoute = 0;
    uint16_t coreRoute = 0;
    uint32_t kept16 = 0;
    char name[17] = {};
    char biosBuild[17] = {};
    uint64_t maxArraySize = 0;
    uint64_t serialNumber = 0;
    uint32_t numberOfPorts = 0;
    uint16_t pciVendorId = 0;
    uint16_t pciDeviceId = 0;
    uint32_t number = 0;
    uint16_t pciSubVendorId = 0;
    uint16_t pciSubDeviceId = 0;
    uint64_t secondId = 0;
    uint16_t origPciVendorId = 0;
    uint16_t origPciDeviceId = 0;
    uint32_t pciLocation = 0; // bus << 16 | device << 8 | function
};

class KV_C_SEPDevice {
public:
    KV_C_SEPDevice(const uint8_t *record, const char *routePrefix);
    virtual ~KV_C_SEPDevice() = default;

    uint32_t tag = 0;
    uint64_t id = 0;
    uint16_t deviceRoute = 0;
    uint16_t coreRoute = 0;
    uint32_t kept16 = 0;
    char vendor[9] = {};
    char product[17] = {};
    char revision[5] = {};
    char serial[9] = {};
    char path[80] = {};
};
