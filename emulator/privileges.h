// Which requests only an elevated opener may send.
#pragma once

#include "kv_status.h"

#include <cstdint>

namespace kvemu {

// The status a destructive command from an opener that is not elevated
// answers (the driver's own refusal; it changes nothing).
inline constexpr uint32_t NotElevatedStatus = KV_STS_DRIVER_SPECIFIC;

// True for the write commands that destroy or withdraw data: delete,
// initialize and clear metadata, secure erase, hiding an array or marking
// it prepared for removal, taking arrays offline and preparing a disk for
// hot removal. `block` holds `count` bytes of the request.
bool isDestructiveCommand(uint32_t command, const uint8_t *block, uint32_t count);

} // namespace kvemu
