// Little-endian field access on byte buffers. Every record the driver hands
// out and every host structure is little-endian with fixed offsets; these
// helpers keep that explicit and free of alignment assumptions.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace kvemu::bytes {

template <class T> inline void put(uint8_t *base, size_t offset, T value)
{
    static_assert(std::is_integral_v<T>);
    for (size_t i = 0; i < sizeof(T); ++i)
        base[offset + i] = uint8_t(uint64_t(value) >> (8 * i));
}

template <class T> inline T get(const uint8_t *base, size_t offset)
{
    static_assert(std::is_integral_v<T>);
    uint64_t value = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        value |= uint64_t(base[offset + i]) << (8 * i);
    return T(value);
}

// Copies `text` into a fixed-width field of `width` bytes. The field is
// padded with `pad` and never terminated beyond its width.
inline void putText(uint8_t *base, size_t offset, size_t width, std::string_view text,
                    char pad = '\0')
{
    const size_t n = std::min(width, text.size());
    std::memset(base + offset, pad, width);
    std::memcpy(base + offset, text.data(), n);
}

} // namespace kvemu::bytes
