// Little-endian field reads from a configuration record. Records are byte
// streams from the driver: fields are read by copying, never by casting, so
// alignment and aliasing do not matter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace kv::record {

template <typename T> inline T read(const uint8_t *record, size_t offset)
{
    T value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

inline uint16_t u16(const uint8_t *record, size_t offset)
{
    return read<uint16_t>(record, offset);
}
inline uint32_t u32(const uint8_t *record, size_t offset)
{
    return read<uint32_t>(record, offset);
}
inline uint64_t u64(const uint8_t *record, size_t offset)
{
    return read<uint64_t>(record, offset);
}

// Copies a fixed-width text field that need not be terminated into `out`,
// which holds width + 1 bytes and is always terminated.
template <size_t N> inline void text(const uint8_t *record, size_t offset, char (&out)[N])
{
    std::memcpy(out, record + offset, N - 1);
    out[N - 1] = '\0';
}

} // namespace kv::record
