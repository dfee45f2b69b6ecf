// The configuration image the driver answers read command 0x1000 with.
#pragma once

#include "model.h"

#include <cstddef>
#include <cstdint>

namespace kvemu::image {

inline constexpr size_t ImageSize = 65536;
inline constexpr size_t GenerationOffset = 52;
inline constexpr size_t StreamOffset = 512;
inline constexpr size_t PhysicalRecordSize = 256;
inline constexpr size_t PreviousPhysicalRecordSize = 128; // previous-configuration image
inline constexpr size_t ControllerRecordSize = 136;
inline constexpr size_t EnclosureRecordSize = 64;
inline constexpr size_t LogicalHeaderSize = 512;
inline constexpr size_t ElementEntrySize = 64;
inline constexpr size_t ReferenceEntrySize = 16; // parent and dedicated-spare entries

// Size of an array's record: header, element entries, parent and spare
// entries, rounded up to a multiple of 8.
size_t logicalRecordSize(const LogicalDevice &array);

// The old layout of a transforming or rebuilding array as an array of its
// own (same identifier and route), as its second record shows it.
LogicalDevice sourceLayout(const LogicalDevice &array);

// Fills `image` (ImageSize bytes) with the image of `model`: response header
// with status 1, the generation at offset 52 and the record stream from
// offset 512, ended by a zero tag. An array with an old layout is written
// twice, new layout first. In a previous-configuration image the
// physical records are 128 bytes long. Returns false when not every record
// fitted; the stream then holds those that did, still zero-terminated.
bool build(const Model &model, bool previous, uint8_t *image);

} // namespace kvemu::image
