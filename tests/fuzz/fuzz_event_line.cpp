// Fuzz target: the service's event line parser over arbitrary text (UTF-16,
// as the core writes it). It must never read outside the line, and what it
// accepts must be a whole line: a known severity or 0, a bounded text.
#include "kv_raid_api.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // An exact copy, so that a read past the end is caught.
    std::vector<char16_t> units(size / 2);
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = char16_t(data[2 * i] | data[2 * i + 1] << 8);
    const QString line = QString::fromUtf16(units.data(), qsizetype(units.size()));

    KV_EventRec event;
    event.sequence = 1234;
    const quint32 status = KV_RaidApi::ParseEventLine(line, 77, &event);
    if (status == 53) {
        if (event.sequence != 76 || event.severity > 4 || event.text.size() > 4096 ||
            event.status != 53)
            __builtin_trap();
    } else if (status != 7 || event.sequence != 1234) {
        __builtin_trap(); // a malformed line must leave the record alone
    }
    return 0;
}
