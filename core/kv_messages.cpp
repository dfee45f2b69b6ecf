#include "kv_messages.h"

#include "kv_api_call.h"
#include "kv_record.h"

#include <algorithm>
#include <string_view>

namespace {

using kv::record::u32;
using Text = std::u16string_view;

// --- The catalogue ---------------------------------------------------------

struct EnglishRow {
    uint16_t number;
    uint8_t kind;
    const char16_t *text;
};

constexpr EnglishRow EnglishRows[] = {
#define KV_MESSAGE(number, kind, text) {number, KV_MessageKind##kind, text},
#include "messages/english.inc"
#undef KV_MESSAGE
};

// The texts of another language: a table {number, text} of its own in
// messages/<language>.inc, listed in LanguageTables with its column. A number
// a language does not hold reads the English text.
struct TranslatedRow {
    uint16_t number;
    const char16_t *text;
};
struct LanguageTable {
    uint32_t column;
    std::span<const TranslatedRow> rows;
};

#define KV_TEXT(number, text) {number, text},
constexpr TranslatedRow ChineseSimplified[] = {
#include "messages/chinese_simplified.inc"
};
constexpr TranslatedRow ChineseTraditional[] = {
#include "messages/chinese_traditional.inc"
};
constexpr TranslatedRow Dutch[] = {
#include "messages/dutch.inc"
};
constexpr TranslatedRow French[] = {
#include "messages/french.inc"
};
constexpr TranslatedRow German[] = {
#include "messages/german.inc"
};
constexpr TranslatedRow PortugueseBrazil[] = {
#include "messages/portuguese_brazil.inc"
};
constexpr TranslatedRow Italian[] = {
#include "messages/italian.inc"
};
constexpr TranslatedRow Japanese[] = {
#include "messages/japanese.inc"
};
constexpr TranslatedRow Korean[] = {
#include "messages/korean.inc"
};
constexpr TranslatedRow Russian[] = {
#include "messages/russian.inc"
};
constexpr TranslatedRow Spanish[] = {
#include "messages/spanish.inc"
};
constexpr TranslatedRow Swedish[] = {
#include "messages/swedish.inc"
};
constexpr TranslatedRow Arabic[] = {
#include "messages/arabic.inc"
};
constexpr TranslatedRow Bulgarian[] = {
#include "messages/bulgarian.inc"
};
constexpr TranslatedRow Croatian[] = {
#include "messages/croatian.inc"
};
constexpr TranslatedRow Czech[] = {
#include "messages/czech.inc"
};
constexpr TranslatedRow Danish[] = {
#include "messages/danish.inc"
};
constexpr TranslatedRow Estonian[] = {
#include "messages/estonian.inc"
};
constexpr TranslatedRow Finnish[] = {
#include "messages/finnish.inc"
};
constexpr TranslatedRow Greek[] = {
#include "messages/greek.inc"
};
constexpr TranslatedRow Hebrew[] = {
#include "messages/hebrew.inc"
};
constexpr TranslatedRow ChineseTraditionalHongKong[] = {
#include "messages/chinese_traditional_hk.inc"
};
constexpr TranslatedRow Hungarian[] = {
#include "messages/hungarian.inc"
};
constexpr TranslatedRow Latvian[] = {
#include "messages/latvian.inc"
};
constexpr TranslatedRow Lithuanian[] = {
#include "messages/lithuanian.inc"
};
constexpr TranslatedRow Norwegian[] = {
#include "messages/norwegian.inc"
};
constexpr TranslatedRow Polish[] = {
#include "messages/polish.inc"
};
constexpr TranslatedRow PortuguesePortugal[] = {
#include "messages/portuguese_portugal.inc"
};
constexpr TranslatedRow Romanian[] = {
#include "messages/romanian.inc"
};
constexpr TranslatedRow SerbianLatin[] = {
#include "messages/serbian_latin.inc"
};
constexpr TranslatedRow Slovak[] = {
#include "messages/slovak.inc"
};
constexpr TranslatedRow Slovenian[] = {
#include "messages/slovenian.inc"
};
constexpr TranslatedRow Thai[] = {
#include "messages/thai.inc"
};
constexpr TranslatedRow Turkish[] = {
#include "messages/turkish.inc"
};
#undef KV_TEXT

// The second Russian set (column 35) is the first: nothing in these texts
// reads differently.
constexpr LanguageTable LanguageTables[] = {
    {1, ChineseSimplified},
    {2, ChineseTraditional},
    {3, Dutch},
    {4, French},
    {5, German},
    {6, PortugueseBrazil},
    {7, Italian},
    {8, Japanese},
    {9, Korean},
    {10, Russian},
    {11, Spanish},
    {12, Swedish},
    {13, Arabic},
    {14, Bulgarian},
    {15, Croatian},
    {16, Czech},
    {17, Danish},
    {18, Estonian},
    {19, Finnish},
    {20, Greek},
    {21, Hebrew},
    {22, ChineseTraditionalHongKong},
    {23, Hungarian},
    {24, Latvian},
    {25, Lithuanian},
    {26, Norwegian},
    {27, Polish},
    {28, PortuguesePortugal},
    {29, Romanian},
    {30, SerbianLatin},
    {31, Slovak},
    {32, Slovenian},
    {33, Thai},
    {34, Turkish},
    {35, Russian},
};

constexpr auto buildCatalogue()
{
    std::array<KV_MessageEntry, std::size(EnglishRows)> entries{};
    for (size_t i = 0; i < entries.size(); ++i) {
        entries[i].number = EnglishRows[i].number;
        entries[i].kind = EnglishRows[i].kind;
        entries[i].text[0] = EnglishRows[i].text;
    }
    // Both the English rows and every language's rows ascend by number, so
    // one walk of each places a language's texts.
    for (const LanguageTable &language : LanguageTables) {
        size_t i = 0;
        for (const TranslatedRow &row : language.rows) {
            while (i < entries.size() && entries[i].number < row.number)
                ++i;
            if (i < entries.size() && entries[i].number == row.number)
                entries[i].text[language.column] = row.text;
        }
    }
    return entries;
}

constexpr auto Catalogue = buildCatalogue();

// --- Bounded UTF-16 output ---------------------------------------------------

// Appends to a buffer of `capacity` units (at least 1) and never past it:
// the text stays terminated, and what does not fit is dropped.
class Utf16Writer {
public:
    Utf16Writer(char16_t *output, uint32_t capacity) : output_(output), capacity_(capacity)
    {
        output_[0] = u'\0';
    }

    void put(char16_t c)
    {
        if (length_ + 1 >= capacity_)
            return;
        output_[length_++] = c;
        output_[length_] = u'\0';
    }
    void put(Text text)
    {
        for (char16_t c : text)
            put(c);
    }
    void repeat(char16_t c, uint32_t count)
    {
        for (uint32_t i = 0; i < count; ++i)
            put(c);
    }

private:
    char16_t *output_;
    uint32_t capacity_;
    uint32_t length_ = 0;
};

// --- Conversions -------------------------------------------------------------

constexpr Text Malformed = u"?**?";
constexpr uint32_t MaxField = KV_MessageTextLength; // wider could never show

// A printf conversion from the whitelist: flags, width, precision and one of
// d i u x X o c s. Width and precision beyond what a text can hold count as
// the most it can.
struct Conversion {
    bool left = false, plus = false, space = false, alternate = false, zero = false;
    uint32_t width = 0;
    int precision = -1; // none
    char16_t type = u'd';
};

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

uint32_t readNumber(Text text, size_t &pos)
{
    uint32_t value = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        value = std::min<uint32_t>(value * 10 + uint32_t(text[pos] - u'0'), MaxField);
        ++pos;
    }
    return value;
}

// Reads a conversion at `pos` (after the "%"); false when it is not one of
// the whitelist. `pos` ends after the conversion letter.
bool parseConversion(Text text, size_t &pos, Conversion &c)
{
    for (; pos < text.size(); ++pos) {
        const char16_t f = text[pos];
        if (f == u'-')
            c.left = true;
        else if (f == u'+')
            c.plus = true;
        else if (f == u' ')
            c.space = true;
        else if (f == u'#')
            c.alternate = true;
        else if (f == u'0')
            c.zero = true;
        else
            break;
    }
    c.width = readNumber(text, pos);
    if (pos < text.size() && text[pos] == u'.') {
        ++pos;
        c.precision = int(readNumber(text, pos));
    }
    if (pos >= text.size())
        return false;
    c.type = text[pos++];
    return Text(u"diuxXocs").find(c.type) != Text::npos;
}

void pad(Utf16Writer &w, uint32_t length, uint32_t width)
{
    if (length < width)
        w.repeat(u' ', width - length);
}

void formatText(Utf16Writer &w, const Conversion &c, Text text)
{
    if (c.precision >= 0 && text.size() > size_t(c.precision))
        text = text.substr(0, size_t(c.precision));
    const auto length = uint32_t(std::min<size_t>(text.size(), MaxField + 1));
    if (!c.left)
        pad(w, length, c.width);
    w.put(text);
    if (c.left)
        pad(w, length, c.width);
}

void formatNumber(Utf16Writer &w, const Conversion &c, uint32_t value)
{
    if (c.type == u'c') {
        const char16_t ch = char16_t(value);
        formatText(w, c, ch ? Text(&ch, 1) : Text());
        return;
    }
    const bool isSigned = c.type == u'd' || c.type == u'i';
    const bool negative = isSigned && int32_t(value) < 0;
    uint64_t magnitude = negative ? uint64_t(-int64_t(int32_t(value))) : value;
    const uint32_t base = c.type == u'o' ? 8 : (c.type == u'x' || c.type == u'X') ? 16 : 10;
    const char *digitSet = c.type == u'X' ? "0123456789ABCDEF" : "0123456789abcdef";

    char16_t digits[24];
    uint32_t count = 0;
    for (; magnitude != 0; magnitude /= base)
        digits[count++] = char16_t(digitSet[magnitude % base]);
    // Digits are written in reverse; at least the precision's count of them,
    // and one "0" for zero unless the precision is 0.
    const uint32_t minimum = c.precision >= 0 ? uint32_t(c.precision) : 1;
    uint32_t leadingZeros = count < minimum ? minimum - count : 0;
    // "#" with "o": the first digit written is a 0.
    if (c.type == u'o' && c.alternate && leadingZeros == 0)
        leadingZeros = 1;

    char16_t prefix[2];
    uint32_t prefixLength = 0;
    if (negative)
        prefix[prefixLength++] = u'-';
    else if (isSigned && c.plus)
        prefix[prefixLength++] = u'+';
    else if (isSigned && c.space)
        prefix[prefixLength++] = u' ';
    else if (c.alternate && base == 16 && value != 0) {
        prefix[prefixLength++] = u'0';
        prefix[prefixLength++] = char16_t(c.type);
    }

    const uint32_t length = prefixLength + leadingZeros + count;
    const bool zeroPad = c.zero && !c.left && c.precision < 0;
    if (!c.left && !zeroPad)
        pad(w, length, c.width);
    w.put(Text(prefix, prefixLength));
    if (zeroPad && length < c.width)
        w.repeat(u'0', c.width - length);
    w.repeat(u'0', leadingZeros);
    while (count > 0)
        w.put(digits[--count]);
    if (c.left)
        pad(w, length, c.width);
}

// One argument of a format: a number, or a text for an "s" conversion.
struct Arg {
    uint32_t number = 0;
    const char16_t *text = nullptr;
};
Arg numberArg(uint32_t value)
{
    return {value, nullptr};
}
Arg textArg(const char16_t *value)
{
    return {0, value};
}

void formatArg(Utf16Writer &w, const Conversion &c, const Arg &arg, KV_StringCache *cache)
{
    // Only "s" reads a text, and a text is read only as one; a number met
    // by "s" is a key of the string cache.
    if (c.type != u's') {
        if (arg.text != nullptr)
            w.put(Malformed);
        else
            formatNumber(w, c, arg.number);
        return;
    }
    const char16_t *s = arg.text;
    if (s == nullptr && cache != nullptr)
        s = cache->lookup(int32_t(arg.number));
    if (s == nullptr) {
        w.put(Malformed);
        return;
    }
    formatText(w, c, s);
}

// Formats `format` as printf would, taking the arguments in order: "%%" is a
// percent sign, a conversion outside the whitelist or one without an
// argument left is written as the malformed-insert text. `cache` (may be
// null) resolves a number met by an "s" conversion.
void formatSequential(Utf16Writer &w, Text format, std::span<const Arg> args, KV_StringCache *cache)
{
    size_t next = 0;
    for (size_t pos = 0; pos < format.size();) {
        const char16_t c = format[pos++];
        if (c != u'%') {
            w.put(c);
            continue;
        }
        if (pos < format.size() && format[pos] == u'%') {
            w.put(u'%');
            ++pos;
            continue;
        }
        Conversion conversion;
        if (!parseConversion(format, pos, conversion) || next >= args.size()) {
            w.put(Malformed);
            continue;
        }
        formatArg(w, conversion, args[next++], cache);
    }
}

// Fills the inserts of a catalogue text: "%", parameter 1 to 8, "!", a
// whitelisted conversion, "!". A malformed insert is written as "?**?"; it
// ends at its closing "!" when it has one, otherwise after its number.
void formatInserts(Utf16Writer &w, Text text, const uint32_t *parameters, KV_StringCache &cache)
{
    for (size_t pos = 0; pos < text.size();) {
        const char16_t c = text[pos++];
        if (c != u'%') {
            w.put(c);
            continue;
        }
        const size_t numberStart = pos;
        const uint32_t parameter = readNumber(text, pos);
        const bool numbered =
            pos > numberStart && parameter >= 1 && parameter <= KV_MessageParameters;
        if (pos >= text.size() || text[pos] != u'!') {
            w.put(Malformed);
            continue;
        }
        const size_t close = text.find(u'!', pos + 1);
        const Text conversionText =
            text.substr(pos + 1, close == Text::npos ? Text::npos : close - pos - 1);
        pos = close == Text::npos ? text.size() : close + 1;

        Conversion conversion;
        size_t used = 0;
        if (!numbered || close == Text::npos ||
            !parseConversion(conversionText, used, conversion) || used != conversionText.size()) {
            w.put(Malformed);
            continue;
        }
        formatArg(w, conversion, numberArg(parameters[parameter - 1]), &cache);
    }
}

// --- Trace records -------------------------------------------------------------

// Every trace text begins with MaxTraceDepth blanks and is shown from the
// position that leaves as many blanks as the depth.
constexpr const char16_t *TraceTexts[] = {
    nullptr, // 1: the cache's text for parameter 1 is the format
    u"                                        TRACE: Entering Routine, NestID: 0x%1!08X!, "
    u"Routine: %2!s! File: %3!s!, Line: %4!d!",
    u"                                        TRACE: ...IOC=%1!08X!, Route=%2!d!, "
    u"DevInt=%3!X!, SectStrt=%4!X!.%5!08X!, SCnt=%6!X!, Flg=%7!X!, State=%8!X!",
    u"                                        TRACE: ...IOC: RetSts=%1!X! AdrElm=%2!X!, "
    u"AdrLst=%3!X!, AdrOff=%4!X!, PhysAddr=%5!x!.%6!08X!, AddrSize=%7!X!",
    u"                                        TRACE: [Line: %d] %s",
    u"                                        TRACE: Exiting Routine [Line: %d], %s",
    u"                                        TRACE: Exiting Routine (no other info available)",
    u"                                        *********** TRACE SUSPENDED ************",
    u"                                        *********** TRACE RESTARTED AFTER BEING "
    u"SUSPENDED ************",
};

const uint32_t NoParameters[KV_MessageParameters] = {};

// The text of `entry` in `language` (below KV_MessageLanguages), English
// where that language has none.
Text textIn(const KV_MessageEntry &entry, uint32_t language)
{
    const char16_t *chosen = entry.text[language] ? entry.text[language] : entry.text[0];
    return chosen ? Text(chosen) : Text();
}

KV_MessageTranslator &processTranslator()
{
    static KV_MessageTranslator translator;
    return translator;
}

constexpr const char *UserMessageTag = "KV_ApiGetUserMessage";

// Releases the process-wide lock for its lifetime and takes it again after.
class UnlockedCore {
public:
    UnlockedCore() { KV_UnlockCore(); }
    ~UnlockedCore() { KV_LockCore(); }
    UnlockedCore(const UnlockedCore &) = delete;
    UnlockedCore &operator=(const UnlockedCore &) = delete;
};

} // namespace

std::span<const KV_MessageEntry> KV_MessageCatalogue()
{
    return Catalogue;
}

const char16_t *KV_MessageKindLetters(uint32_t kind)
{
    static constexpr const char16_t *Letters[] = {u"??", u"VL", u"IN", u"WA", u"CR", u"LG"};
    return kind < std::size(Letters) ? Letters[kind] : u"!!";
}

const char16_t *KV_StringCache::lookup(int32_t key)
{
    for (const Slot &slot : slots_)
        if (slot.key == key)
            return slot.text ? slot.text : u"!?NoStringTranslation?!";
    slots_[next_] = {key, u"bogus"};
    next_ = (next_ + 1) % Slots;
    return u"bogus";
}

const KV_MessageEntry *KV_MessageTranslator::find(uint32_t number) const
{
    for (const KV_MessageEntry &entry : catalogue_)
        if (entry.number == number)
            return &entry;
    return nullptr;
}

int KV_MessageTranslator::translateTrace(uint32_t number, const uint32_t *p, char16_t *text)
{
    Utf16Writer w(text, KV_MessageTextLength + 1);
    if (number == 1) {
        const Arg args[] = {numberArg(p[1]), numberArg(p[2]), numberArg(p[3]), numberArg(p[4]),
                            numberArg(p[5]), numberArg(p[6]), numberArg(p[7])};
        formatSequential(w, cache_.lookup(int32_t(p[0])), args, &cache_);
        return 1;
    }
    if (number == 2)
        depth_ = std::min(depth_ + 1, MaxTraceDepth);
    const Text full = TraceTexts[number - 1];
    const int shown = number >= 8 ? 0 : depth_;
    const Text from = full.substr(size_t(MaxTraceDepth - shown));
    if (number == 5 || number == 6) {
        const Arg args[] = {numberArg(p[0]), textArg(cache_.lookup(int32_t(p[1])))};
        formatSequential(w, from, args, nullptr);
    } else {
        formatInserts(w, from, p, cache_);
    }
    if (number == 6 || number == 7)
        depth_ = std::max(depth_ - 1, 0);
    return 1;
}

int KV_MessageTranslator::translate(uint32_t number, uint32_t language, const uint32_t *parameters,
                                    char16_t *text, uint8_t *kind)
{
    const uint32_t *p = parameters ? parameters : NoParameters;
    if (number >= 1 && number <= 9) {
        *kind = KV_MessageKindVL;
        return translateTrace(number, p, text);
    }
    if (language >= KV_MessageLanguages)
        language = 0;

    Utf16Writer w(text, KV_MessageTextLength + 1);
    if (const KV_MessageEntry *entry = find(number)) {
        *kind = entry->kind;
        formatInserts(w, textIn(*entry, language), p, cache_);
        return 1;
    }
    if (const KV_MessageEntry *unknown = find(1011)) {
        const uint32_t fallback[KV_MessageParameters] = {number, p[0], p[1], p[2], p[3]};
        *kind = unknown->kind;
        formatInserts(w, textIn(*unknown, language), fallback, cache_);
        return 0;
    }
    *kind = 0;
    const Arg args[] = {numberArg(number), numberArg(number), numberArg(p[0]),
                        numberArg(p[1]),   numberArg(p[2]),   numberArg(p[3])};
    formatSequential(w,
                     u"CANNOT TRANSLATE, msg_id=%d (0x%x), p1=0x%x, p2=0x%x, p3=0x%x, "
                     u"p4=0x%x\n",
                     args, nullptr);
    return 0;
}

int KV_TranslateMessage(uint32_t number, uint32_t language, char16_t *text, uint8_t *kind,
                        const uint32_t *parameters)
{
    return processTranslator().translate(number, language, parameters, text, kind);
}

KV_STS KV_ApiTranslateMessage(uint32_t number, uint32_t language, const uint32_t *parameters,
                              char16_t *output, uint32_t length, uint8_t *kind)
{
    if (output == nullptr || length == 0)
        return KVTL_STS_INVALID_PARAMETER;
    char16_t text[KV_MessageTextLength + 1];
    uint8_t translatedKind = 0;
    int translated;
    {
        KV_CoreLock lock; // the trace depth and the cache are the process's
        translated = KV_TranslateMessage(number, language, text, &translatedKind, parameters);
    }
    Utf16Writer w(output, length);
    w.put(Text(text));
    if (kind)
        *kind = translatedKind;
    return translated ? KV_STS_SUCCESS : KV_STS_FAILURE;
}

namespace {

// Writes the record of user-message response `b` as one line to `output`
// (`length` UTF-16 units, always terminated), its text in `language`.
void formatUserMessage(const uint8_t *b, uint32_t language, char16_t *output, uint32_t length)
{
    namespace um = kv::usermsg;
    const uint32_t messageNumber = kv::record::u16(b, um::Number);
    uint32_t parameters[KV_MessageParameters];
    for (uint32_t i = 0; i < KV_MessageParameters; ++i)
        parameters[i] = u32(b, um::Parameters + 4 * i);
    char16_t text[KV_MessageTextLength + 1];
    uint8_t kind = 0;
    KV_TranslateMessage(messageNumber, language, text, &kind, parameters);

    const Arg args[] = {numberArg(u32(b, um::Record)),
                        numberArg(b[um::Byte]),
                        numberArg(messageNumber),
                        textArg(KV_MessageKindLetters(kind)),
                        textArg(text),
                        numberArg(parameters[0]),
                        numberArg(parameters[1]),
                        numberArg(parameters[2]),
                        numberArg(parameters[3]),
                        numberArg(parameters[4]),
                        numberArg(parameters[5]),
                        numberArg(parameters[6]),
                        numberArg(parameters[7])};
    Utf16Writer w(output, length);
    formatSequential(w, u"%05d: [%02x] (%05d) %s - %s =END= (%d)(%d)(%d)(%d)(%d)(%d)(%d)(%d)\n",
                     args, nullptr);
}

} // namespace

// Follows the calling convention of kv_api_call.h, owning its block: every
// poll reads through a fresh handle with the retry on a stale generation, so
// a wait that let other operations run meanwhile starts from the current
// configuration. An allocation failure is KV_STS_SPACE_NOT_ALLOCATED.
KV_STS KV_ApiGetUserMessage(const KV_CoreId *core, char16_t *output, uint32_t length,
                            uint32_t *sequence, int wait, uint32_t language)
{
    namespace um = kv::usermsg;
    if (core == nullptr)
        return KV_STS_INVALID_CORE_HANDLE;
    if (output == nullptr || length == 0 || sequence == nullptr)
        return KVTL_STS_INVALID_PARAMETER;
    output[0] = u'\0';

    KV_CoreLock lock;
    KV_RequestBlock block(um::BlockSize, UserMessageTag);
    if (!block)
        return KV_STS_SPACE_NOT_ALLOCATED;
    const uint8_t *b = block.data();
    for (;;) {
        const KV_STS status = KV_RetryOnStaleGeneration(
            *core, block.data(), um::BlockSize, [&](KV_Core &handle, uint8_t *request) {
                return handle.KV_ConfigRead(request, um::BlockSize, KV_ReadUserMessage, *sequence);
            });
        if (status != KV_STS_SUCCESS)
            return status;
        const bool present = u32(b, um::Present) != 0;
        if (present || !wait) {
            *sequence = u32(b, um::NextSequence);
            if (!present)
                return KV_STS_NO_USER_MESSAGE;
            break;
        }
        // Other operations may run while this one waits for the driver.
        UnlockedCore unlocked;
        kv::platform()->sleep(1000);
    }
    formatUserMessage(b, language, output, length);
    return KV_STS_VALID_USER_MESSAGE;
}

KV_STS KV_ApiGetUserMessages(const KV_CoreId *core, char16_t *output, uint32_t length,
                             uint32_t *sequence, uint32_t language, uint32_t most,
                             const std::function<bool()> &take)
{
    namespace um = kv::usermsg;
    if (core == nullptr)
        return KV_STS_INVALID_CORE_HANDLE;
    if (output == nullptr || length == 0 || sequence == nullptr || !take)
        return KVTL_STS_INVALID_PARAMETER;
    output[0] = u'\0';
    if (most == 0)
        return KV_STS_VALID_USER_MESSAGE;

    KV_CoreLock lock;
    KV_RequestBlock block(um::BlockSize, UserMessageTag);
    if (!block)
        return KV_STS_SPACE_NOT_ALLOCATED;
    uint32_t taken = 0;
    // One handle for the whole batch, where each single read builds its own:
    // a read is one request and answer on the handle's mailbox, which the
    // channel lets a handle repeat, so the batch pays the handle's open,
    // channel identifier and configuration image once instead of once per
    // event (a refresh with a thousand new events made a thousand handles).
    // The records do not depend on the configuration the handle read; a
    // stale generation still rebuilds the handle, and the batch goes on from
    // the last record taken.
    return KV_RetryOnStaleGeneration(
        *core, block.data(), um::BlockSize, [&](KV_Core &handle, uint8_t *b) -> KV_STS {
            for (;;) {
                std::memset(b, 0, um::BlockSize);
                const KV_STS status =
                    handle.KV_ConfigRead(b, um::BlockSize, KV_ReadUserMessage, *sequence);
                if (status != KV_STS_SUCCESS)
                    return status;
                *sequence = u32(b, um::NextSequence);
                if (u32(b, um::Present) == 0) {
                    output[0] = u'\0';
                    return KV_STS_NO_USER_MESSAGE;
                }
                formatUserMessage(b, language, output, length);
                if (!take() || ++taken == most)
                    return KV_STS_VALID_USER_MESSAGE;
            }
        });
}
