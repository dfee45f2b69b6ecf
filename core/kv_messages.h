// Driver event messages: fetching the next record of the driver's event log
// and turning its message number into a text in one of 36 languages from the
// catalogue compiled into the library, with the record's parameters filled
// into the text's inserts.
//
// Catalogue texts write an insert as "%", a parameter number 1 to 8, "!", a
// conversion (flags, width, precision, one of d i u x X o c s) and "!"; the
// same parameter may be used more than once. Every conversion is formatted
// by the library itself from that whitelist: a text never becomes a format
// handed to printf, and an "s" insert reads its text from the key-to-text
// cache, never from the parameter as an address.
#pragma once

#include "kv_coreid.h"
#include "kv_status.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

// The user-message response (read code 0x1002), after the 32-byte header.
namespace kv::usermsg {
inline constexpr uint32_t BlockSize = 8192;
inline constexpr size_t Present = 8;       // uint32, non-zero when a message is returned
inline constexpr size_t NextSequence = 12; // uint32, the sequence for the next call
inline constexpr size_t Number = 512;      // uint16, message number
inline constexpr size_t Byte = 515;        // uint8, shown in brackets in the line
inline constexpr size_t Record = 516;      // uint32, shown first in the line
inline constexpr size_t Parameters = 520;  // uint32[8]
} // namespace kv::usermsg

// Language columns of the catalogue: 0 English, 1 Chinese (Simplified),
// 2 Chinese (Traditional), 3 Dutch, 4 French, 5 German, 6 Portuguese
// (Brazil), 7 Italian, 8 Japanese, 9 Korean, 10 Russian, 11 Spanish,
// 12 Swedish, 13 Arabic, 14 Bulgarian, 15 Croatian, 16 Czech, 17 Danish,
// 18 Estonian, 19 Finnish, 20 Greek, 21 Hebrew, 22 Chinese (Traditional,
// second set), 23 Hungarian, 24 Latvian, 25 Lithuanian, 26 Norwegian,
// 27 Polish, 28 Portuguese (Portugal), 29 Romanian, 30 Serbian (Latin),
// 31 Slovak, 32 Slovenian, 33 Thai, 34 Turkish, 35 Russian (second set).
// An index of 36 or more reads column 0.
inline constexpr uint32_t KV_MessageLanguages = 36;

// Longest translated text, in UTF-16 units, without its terminator.
inline constexpr uint32_t KV_MessageTextLength = 255;

inline constexpr uint32_t KV_MessageParameters = 8;

// Message kinds.
enum : uint8_t {
    KV_MessageKindVL = 1,
    KV_MessageKindIN = 2,
    KV_MessageKindWA = 3,
    KV_MessageKindCR = 4,
    KV_MessageKindLG = 5,
};

// One catalogue entry. A null text in a language column reads the English
// text (column 0, which every entry has).
struct KV_MessageEntry {
    uint16_t number;
    uint8_t kind;
    uint8_t spare;
    std::array<const char16_t *, KV_MessageLanguages> text;
};

// The catalogue compiled into the library, in ascending message number.
std::span<const KV_MessageEntry> KV_MessageCatalogue();

// The two letters of a kind ("VL", "IN", "WA", "CR", "LG"); "??" for 0 and
// "!!" for any other value.
const char16_t *KV_MessageKindLetters(uint32_t kind);

// The texts of "s" inserts, by the parameter's value as a key: 1000 slots,
// all empty (key 0, no text) at first. A key already held gives its text, or
// "!?NoStringTranslation?!" for a slot without one; an unknown key takes the
// slot at the replacement position (which advances, from 999 back to 0) with
// the text "bogus", which it gives.
class KV_StringCache {
public:
    static constexpr uint32_t Slots = 1000;
    const char16_t *lookup(int32_t key);

private:
    struct Slot {
        int32_t key = 0;
        const char16_t *text = nullptr;
    };
    std::array<Slot, Slots> slots_{};
    uint32_t next_ = 0;
};

// Translation with its state: the trace depth and the string cache. The
// library keeps one for the whole process, used under the process-wide
// lock; a test can make its own, also over a catalogue of its own.
class KV_MessageTranslator {
public:
    explicit KV_MessageTranslator(
        std::span<const KV_MessageEntry> catalogue = KV_MessageCatalogue())
        : catalogue_(catalogue)
    {
    }

    // Writes the text of message `number` in language `language` with
    // `parameters` (8 values) filled in to `text` (KV_MessageTextLength + 1
    // units, always terminated) and its kind to `kind`.
    //
    // 1 to 9 are the driver's trace records (kind VL), indented by the
    // trace depth. Other numbers are looked up in the catalogue; a number it
    // does not hold gives the text of 1011 with the number and parameters 1
    // to 4, or, without 1011, the "CANNOT TRANSLATE" line with kind 0.
    // Returns 1 when the number was translated, 0 otherwise.
    int translate(uint32_t number, uint32_t language, const uint32_t *parameters, char16_t *text,
                  uint8_t *kind);

    int traceDepth() const { return depth_; }

    static constexpr int MaxTraceDepth = 40;

private:
    const KV_MessageEntry *find(uint32_t number) const;
    int translateTrace(uint32_t number, const uint32_t *parameters, char16_t *text);

    std::span<const KV_MessageEntry> catalogue_;
    KV_StringCache cache_;
    int depth_ = 0;
};

// The library's translation: the process-wide translator, for a caller that
// holds the lock. `text` holds KV_MessageTextLength + 1 units.
int KV_TranslateMessage(uint32_t number, uint32_t language, char16_t *text, uint8_t *kind,
                        const uint32_t *parameters);

// Translation for the application: takes the lock and writes the text of
// message `number` (parameters may be null: all 0) into `output`, cut at
// `length` units and always terminated; `kind` (may be null) receives the
// kind. KV_STS_SUCCESS when translated, KV_STS_FAILURE when the fallback
// text was written instead, KVTL_STS_INVALID_PARAMETER without an output.
KV_STS KV_ApiTranslateMessage(uint32_t number, uint32_t language, const uint32_t *parameters,
                              char16_t *output, uint32_t length, uint8_t *kind);

// Fetches the event after `*sequence` from `core` and writes it to `output`
// (`length` UTF-16 units, always terminated; a longer line is cut) as
// "%05d: [%02x] (%05d) %s - %s =END= (%d)(%d)(%d)(%d)(%d)(%d)(%d)(%d)\n"
// with the record number, the message byte, the message number, the kind
// letters, the text in `language` and the 8 parameters.
//
// Without a message and `wait` clear: an empty `output`. With `wait` set,
// it polls once a second until a message arrives, with the process-wide
// lock released while it sleeps. `*sequence` takes the driver's next
// sequence number whenever a poll's answer is used.
//
// Returns KV_STS_VALID_USER_MESSAGE with a line, KV_STS_NO_USER_MESSAGE
// without one; KV_STS_INVALID_CORE_HANDLE without a core or when it does
// not open; KVTL_STS_INVALID_PARAMETER without output, length or sequence;
// KV_STS_SPACE_NOT_ALLOCATED when the block cannot be had; another status
// of the read as it comes.
KV_STS KV_ApiGetUserMessage(const KV_CoreId *core, char16_t *output, uint32_t length,
                            uint32_t *sequence, int wait, uint32_t language);

// Fetches the events from `*sequence` on as KV_ApiGetUserMessage does
// without waiting, all through one handle: each line is written to `output`
// and `take()` called, with `*sequence` already the driver's next sequence
// number, until the driver has no more (KV_STS_NO_USER_MESSAGE, `output`
// empty), `most` lines were taken or `take()` returns false (both
// KV_STS_VALID_USER_MESSAGE). A failed read ends the batch with its status;
// the lines taken before it stay taken. The statuses of a refused call are
// those of KV_ApiGetUserMessage, KVTL_STS_INVALID_PARAMETER also without
// `take`.
KV_STS KV_ApiGetUserMessages(const KV_CoreId *core, char16_t *output, uint32_t length,
                             uint32_t *sequence, uint32_t language, uint32_t most,
                             const std::function<bool()> &take);
