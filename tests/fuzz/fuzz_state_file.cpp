// Fuzz target: the emulator's state file parser. The input is a file without
// its last line; it is parsed as it stands and again with the checksum line
// a daemon would write after it, so that the records themselves are what
// varies. A file the parser accepts must hold consistent models and be
// written back and read back to the same state; whatever the text says,
// nothing is read past it and nothing loops.
#include "state_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

// The file's checksum: FNV-1a 64 of every byte before its line.
std::string checksumLine(const std::string &body)
{
    uint64_t hash = 0xcbf29ce484222325ull;
    for (const char c : body) {
        hash ^= uint8_t(c);
        hash *= 0x100000001b3ull;
    }
    char line[40];
    std::snprintf(line, sizeof line, "checksum %016llx\n", static_cast<unsigned long long>(hash));
    return line;
}

void check(const std::string &text)
{
    kvemu::StoredState state;
    if (!kvemu::statefile::parse(text, state).empty())
        return;
    if (!state.current.validate().empty() || !state.previous.validate().empty())
        __builtin_trap(); // an inconsistent model was accepted
    kvemu::StoredState back;
    if (!kvemu::statefile::parse(kvemu::statefile::serialize(state), back).empty() ||
        !(back == state))
        __builtin_trap(); // what the daemon saves it could not load again
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string body(reinterpret_cast<const char *>(data), size);
    check(body);
    check(body + checksumLine(body));
    return 0;
}
