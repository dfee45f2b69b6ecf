#include "kv_snapshot.h"

#include "kv_channel.h"
#include "kv_dump.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

namespace {

// One token of a line: a run of bytes between separators, or the text
// between two carets (`framed`; it may hold spaces and may be empty).
struct Token {
    const char *data = nullptr;
    size_t size = 0;
    bool framed = false;

    Token() = default;
    Token(const char *data, size_t size, bool framed) : data(data), size(size), framed(framed) {}

    bool is(const char *word) const
    {
        return !framed && size == std::strlen(word) && std::memcmp(data, word, size) == 0;
    }
};

bool isSeparator(char c)
{
    return c == ' ' || c == '\r' || c == '\n';
}

// The bytes that end an unframed token: the separators and the caret.
struct TokenEnds {
    bool ends[256] = {};
    constexpr TokenEnds()
    {
        ends[uint8_t(' ')] = ends[uint8_t('\r')] = ends[uint8_t('\n')] = ends[uint8_t('^')] = true;
    }
};
constexpr TokenEnds tokenEnds;

// Splits one line into `tokens` (cleared first). A caret that is not
// closed on its line frames the rest of the line.
void splitLine(const char *cursor, const char *end, std::vector<Token> &tokens)
{
    tokens.clear();
    for (;;) {
        while (cursor < end && isSeparator(*cursor))
            ++cursor;
        if (cursor == end)
            return;
        if (*cursor == '{')
            ++cursor;
        if (cursor < end && *cursor == '^') {
            const char *start = ++cursor;
            const void *caret = std::memchr(start, '^', size_t(end - start));
            const char *stop = caret ? static_cast<const char *>(caret) : end;
            tokens.emplace_back(start, size_t(stop - start), true);
            cursor = caret ? stop + 1 : end;
            continue;
        }
        const char *start = cursor;
        while (cursor < end && !tokenEnds.ends[uint8_t(*cursor)])
            ++cursor;
        tokens.emplace_back(start, size_t(cursor - start), false);
    }
}

// The tokens of one line, read front to back.
class LineTokens {
public:
    explicit LineTokens(const std::vector<Token> &tokens)
        : position(tokens.data()), end(tokens.data() + tokens.size())
    {
    }

    bool next(Token &token)
    {
        if (position == end)
            return false;
        token = *position++;
        return true;
    }

    bool peek(Token &token) const
    {
        if (position == end)
            return false;
        token = *position;
        return true;
    }

    // True when the next token is `key`; it is consumed then.
    bool takeKey(const char *key)
    {
        if (position == end || !position->is(key))
            return false;
        ++position;
        return true;
    }

private:
    const Token *position;
    const Token *end;
};

template <size_t N> void copyText(char (&field)[N], const char *data, size_t size)
{
    const size_t kept = size < N - 1 ? size : N - 1;
    std::memcpy(field, data, kept);
    field[kept] = '\0';
}

// A decimal or "0x" hexadecimal number that fits T exactly.
template <typename T> bool parseNumber(const Token &token, T &out)
{
    if (token.framed)
        return false;
    const char *first = token.data;
    const char *last = token.data + token.size;
    int base = 10;
    if (last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X')) {
        first += 2;
        base = 16;
    }
    using Wide = std::conditional_t<std::is_signed_v<T>, int64_t, uint64_t>;
    Wide value = 0;
    const auto [stop, error] = std::from_chars(first, last, value, base);
    if (first == last || error != std::errc() || stop != last)
        return false;
    if constexpr (sizeof(T) < sizeof(Wide)) {
        if (value < Wide(std::numeric_limits<T>::min()) ||
            value > Wide(std::numeric_limits<T>::max()))
            return false;
    }
    out = T(value);
    return true;
}

bool parseNumber(const Token &token, float &out)
{
    // The dump is printed in the C library's locale, which may use a comma.
    char buffer[64];
    if (token.framed || token.size == 0 || token.size >= sizeof buffer)
        return false;
    std::memcpy(buffer, token.data, token.size);
    for (size_t i = 0; i < token.size; ++i) {
        if (buffer[i] == ',')
            buffer[i] = '.';
    }
    float value = 0;
    const auto [stop, error] = std::from_chars(buffer, buffer + token.size, value);
    if (error != std::errc() || stop != buffer + token.size || !std::isfinite(value))
        return false;
    out = value;
    return true;
}

// Reads the fields of one line in their fixed order. Every read returns
// false when the key is missing or its value is malformed; what happens
// then is the line rule's choice.
class LineReader {
public:
    explicit LineReader(LineTokens tokens) : tokens(tokens) {}

    template <typename T> bool number(const char *key, T &out)
    {
        Token token;
        return tokens.takeKey(key) && tokens.next(token) && parseNumber(token, out);
    }

    // A text value: a caret-framed token, or else every token up to the key
    // `until` (or to the end of the line when it is null) joined by single
    // blanks, so that an unframed name holding blanks, or an empty one,
    // still reads.
    template <size_t N> bool text(const char *key, char (&field)[N], const char *until)
    {
        if (!tokens.takeKey(key))
            return false;
        field[0] = '\0';
        Token token;
        if (tokens.peek(token) && token.framed) {
            tokens.next(token);
            copyText(field, token.data, token.size);
            return true;
        }
        size_t length = 0;
        while (tokens.peek(token) && !(until && token.is(until))) {
            tokens.next(token);
            if (length > 0 && length < N - 1)
                field[length++] = ' ';
            const size_t room = N - 1 - length;
            const size_t kept = token.size < room ? token.size : room;
            std::memcpy(field + length, token.data, kept);
            length += kept;
            field[length] = '\0';
        }
        return true;
    }

    // A single-word value.
    bool word(const char *key, Token &token) { return tokens.takeKey(key) && tokens.next(token); }

    bool atEnd() const
    {
        Token token;
        return !tokens.peek(token);
    }

    // Skips the value after the line's first key unless it is `nextKey`
    // itself (a line written without one).
    void skipValueBefore(const char *nextKey)
    {
        Token token;
        if (tokens.peek(token) && !token.is(nextKey))
            tokens.next(token);
    }

    LineTokens tokens;
};

// A table index: a decimal number, where one too large for 64 bits reads as
// the largest value (it is out of every table's range all the same).
bool parseIndex(const Token &token, int64_t &out)
{
    if (parseNumber(token, out))
        return true;
    if (token.framed || token.size == 0)
        return false;
    for (size_t i = 0; i < token.size; ++i) {
        if (token.data[i] < '0' || token.data[i] > '9')
            return false;
    }
    out = std::numeric_limits<int64_t>::max();
    return true;
}

const char *const acceptedDiskTypes[] = {"Disk", "Core", "Legacy", "Unknown", "Vorlane"};

class SnapshotParser {
public:
    explicit SnapshotParser(KV_SnapshotTables &tables) : tables(tables) {}

    // False ends the parse with 0.
    bool line(const char *begin, const char *end)
    {
        splitLine(begin, end, lineTokens);
        LineTokens tokens(lineTokens);
        Token first;
        if (!tokens.next(first))
            return true;
        LineReader reader(tokens);
        if (first.is("CO:"))
            return coreLine(reader);
        if (first.is("CD:"))
            return controllerLine(reader);
        if (first.is("PD:"))
            return diskLine(reader);
        if (first.is("LD:"))
            return arrayLine(reader);
        if (first.is("LE:"))
            memberLine(reader);
        else if (first.is("SP:"))
            referenceLine(reader, KV_ReferenceSpare);
        else if (first.is("PA:"))
            referenceLine(reader, KV_ReferenceParent);
        else if (first.is("SEP:") || (first.size > 4 && std::memcmp(first.data, "SEP:", 4) == 0))
            enclosureLine(reader, first);
        return true; // "BufferSize:" and unknown lines are skipped
    }

private:
    // The library reports through its result only; the line kind names
    // the rule that failed for whoever reads this in a debugger.
    bool fail(const char * /*line*/) { return false; }

    bool coreLine(LineReader &r)
    {
        Token token;
        int32_t number = 0;
        // The generation's low 32 bits, written as a signed number: past
        // 2^31 it reads negative.
        int64_t generation = 0;
        char path[KV_DevicePathLength];
        if (!r.tokens.next(token) || !parseNumber(token, number) || !r.number("GE:", generation) ||
            generation < INT32_MIN || generation > UINT32_MAX || !r.text("NM:", path, "BN:") ||
            !r.text("BN:", coreBuild, nullptr))
            return fail("core");
        return true;
    }

    bool controllerLine(LineReader &r)
    {
        if (tables.controllerCount >= KV_SnapshotMaxControllers)
            return false;
        KV_ControllerRec &c = tables.controllers[tables.controllerCount];
        c = {};
        Token token;
        if (!r.tokens.next(token) || !parseNumber(token, c.number) ||
            !r.text("CN:", c.name, "CSN:") || !r.number("CSN:", c.serialNumber) ||
            !r.text("BB:", c.biosBuild, "MX:") || !r.number("MX:", c.maxArraySize) ||
            !r.number("NP:", c.numberOfPorts) || !r.number("VI:", c.pciVendorId) ||
            !r.number("DI:", c.pciDeviceId) || !r.number("SVI:", c.pciSubVendorId) ||
            !r.number("SDI:", c.pciSubDeviceId) || !r.number("ID:", c.id) ||
            !r.number("OVI:", c.OrigPciVendorID) || !r.number("ODI:", c.OrigPciDeviceID)) {
            c = {};
            return fail("controller");
        }
        // The location came last to the line and is optional: a line
        // without it, or with a malformed one, leaves the location unknown.
        c.pciBus = c.pciSlot = c.pciFunction = -1;
        if (uint32_t location = 0; r.number("LOC:", location)) {
            c.pciBus = int32_t(location >> 16);
            c.pciSlot = int32_t((location >> 8) & 0xFF);
            c.pciFunction = int32_t(location & 0xFF);
        }
        std::memcpy(c.coreBuild, coreBuild, sizeof c.coreBuild);
        ++tables.controllerCount;
        return true;
    }

    bool diskLine(LineReader &r)
    {
        Token token;
        int64_t number = 0;
        if (!r.tokens.next(token) || !parseIndex(token, number))
            return true; // no record named: nothing to fill
        if (number < 0 || number >= KV_SnapshotMaxDisks)
            return false;
        Token type;
        if (!r.word("TY:", type))
            return true;
        bool accepted = false;
        for (const char *word : acceptedDiskTypes)
            accepted = accepted || type.is(word);
        if (!accepted)
            return true;
        if (tables.diskCount >= KV_SnapshotMaxDisks)
            return false;
        KV_DiskRec &d = tables.disks[number];
        d = {};
        copyText(d.type, type.data, type.size);
        ++tables.diskCount;
        // A line that stops early keeps the fields read so far; the core's
        // own pseudo-device ends after NM.
        if (!r.text("ST:", d.state, "ID:") || !r.number("ID:", d.id) ||
            !r.text("NM:", d.path, "CD:") || r.atEnd())
            return true;
        Token spare;
        if (!r.number("CD:", d.controller) || !r.number("CH:", d.channel) ||
            !r.number("RT:", d.coreRoute) || !r.number("HD:", d.deviceRoute) ||
            !r.number("FE:", d.features) || !r.word("GS:", spare))
            return true;
        if (spare.is("Y"))
            d.globalSpare = 1;
        else if (!spare.is("N"))
            return true;
        (void)(r.number("SI:", d.capacity) && r.number("LS:", d.largestFree) &&
               r.number("TS:", d.totalFree) && r.text("MO:", d.model, "SN:") &&
               r.text("SN:", d.serialNumber, "FW:") && r.text("FW:", d.firmware, "PT:") &&
               r.number("PT:", d.portType) && r.text("VI:", d.vendor, nullptr));
        return true;
    }

    bool arrayLine(LineReader &r)
    {
        Token token;
        int64_t number = 0;
        if (!r.tokens.next(token) || !parseIndex(token, number))
            return fail("logical device");
        if (number < 0 || number >= KV_SnapshotMaxArrays)
            return false;
        KV_ArrayConfig a{};
        if (!r.text("ST:", a.state, "ID:") || !r.number("ID:", a.id) ||
            !r.text("NM:", a.path, "OSN:") || !r.text("OSN:", a.osDiskName, "RT:") ||
            !r.number("RT:", a.coreRoute) || !r.number("HD:", a.deviceRoute))
            return fail("logical device");

        const bool secondHalf = current && tables.arrayCount > 0 && a.deviceRoute == lastRoute;
        if (!secondHalf && tables.arrayCount >= KV_SnapshotMaxArrays)
            return false;
        KV_ArrayRec &record =
            tables.arrays[secondHalf ? tables.arrayCount - 1 : tables.arrayCount++];
        if (secondHalf) {
            record.halves = 2;
        } else {
            record = {};
            record.halves = 1;
        }
        current = &record.config[secondHalf ? 1 : 0];
        *current = a;
        lastRoute = a.deviceRoute;
        memberCursor = 0;

        KV_ArrayConfig &c = *current;
        if (!r.number("SI:", c.capacity) || !r.number("1ST:", c.firstCount) ||
            !r.number("2ND:", c.secondCount) || !r.text("CA:", c.cache, "CTS:"))
            return fail("logical device");
        if (r.atEnd()) {
            std::printf("Failed to find CTS token\n");
            return false;
        }
        if (!r.number("CTS:", c.cacheTagSize) || !r.text("TY:", c.type, "GE:") ||
            !r.number("GE:", c.generation) || !r.number("TPST:", c.transformProtectStart) ||
            !r.number("TPSI:", c.transformProtectSize) || !r.number("TPC:", c.percentComplete) ||
            !r.number("TP:", c.taskPriority) || !r.text("TTY:", c.transformType, "TST:") ||
            !r.text("TST:", c.transformState, "DS:") || !r.number("DS:", c.distributedSpareCount) ||
            !r.number("PRE:", c.preferredElement) || !r.number("AT:", c.attributes) ||
            !r.number("RC:", c.referenceCount) || !r.number("CF:", c.copyFromId) ||
            !r.number("CT:", c.copyToId) || !r.text("DP:", c.deviceName, nullptr))
            return fail("logical device");
        return true;
    }

    // Member extents beyond the record's capacity, and member lines before
    // any array line, are not stored.
    void memberLine(LineReader &r)
    {
        if (!current || memberCursor >= KV_SnapshotMaxMembers)
            return;
        KV_MemberRec &m = current->members[memberCursor++];
        r.skipValueBefore("RT:");
        if (r.number("RT:", m.coreRoute) && r.number("HD:", m.deviceRoute) &&
            r.number("ID:", m.id) && r.number("SO:", m.offset) && r.number("SS:", m.size) &&
            r.number("DO:", m.dataOffset) && r.number("DS:", m.dataSize) && !r.atEnd())
            r.text("ER:", m.error, nullptr);
    }

    void referenceLine(LineReader &r, KV_ReferenceKind kind)
    {
        if (!current || current->linkCount >= KV_SnapshotMaxReferences)
            return;
        KV_ReferenceRec entry{kind, 0, 0, 0};
        r.skipValueBefore("RT:");
        if (r.number("RT:", entry.coreRoute) && r.number("HD:", entry.deviceRoute) &&
            r.number("ID:", entry.id))
            current->links[current->linkCount++] = entry;
    }

    // The enclosure number may be written without a blank before "ID:".
    void enclosureLine(LineReader &r, const Token &first)
    {
        Token numberToken;
        bool glued = false;
        if (first.size > 4) {
            numberToken = {first.data + 4, first.size - 4, false};
        } else if (!r.tokens.next(numberToken)) {
            return;
        }
        if (numberToken.size > 3 &&
            std::memcmp(numberToken.data + numberToken.size - 3, "ID:", 3) == 0) {
            numberToken.size -= 3;
            glued = true;
        }
        int64_t number = 0;
        if (!parseIndex(numberToken, number) || number < 0 || number >= KV_SnapshotMaxEnclosures ||
            tables.enclosureCount >= KV_SnapshotMaxEnclosures)
            return;
        KV_EnclosureRec &e = tables.enclosures[number];
        e = {};
        ++tables.enclosureCount;
        Token idToken;
        const bool haveId =
            glued ? r.tokens.next(idToken) && parseNumber(idToken, e.id) : r.number("ID:", e.id);
        (void)(haveId && r.text("NM:", e.path, "VID:") && r.text("VID:", e.vendor, "PID:") &&
               r.text("PID:", e.product, "REV:") && r.text("REV:", e.revision, "SN:") &&
               r.text("SN:", e.serialNumber, nullptr));
    }

    KV_SnapshotTables &tables;
    std::vector<Token> lineTokens; // the current line's, reused from line to line
    char coreBuild[sizeof KV_ControllerRec::coreBuild] = {};
    KV_ArrayConfig *current = nullptr; // the configuration member lines belong to
    int32_t lastRoute = 0;
    int memberCursor = 0;
};

} // namespace

int KV_ParseSnapshotText(const char *text, size_t length, KV_SnapshotTables *snapshot)
{
    if (!snapshot)
        return 0;
    // The counts and the tables indexed by line number are cleared; array
    // records (nine tenths of the snapshot) are cleared as each is started,
    // and those past the count are never read.
    snapshot->controllerCount = snapshot->diskCount = 0;
    snapshot->arrayCount = snapshot->enclosureCount = 0;
    std::memset(snapshot->controllers, 0, sizeof snapshot->controllers);
    std::memset(snapshot->disks, 0, sizeof snapshot->disks);
    std::memset(snapshot->enclosures, 0, sizeof snapshot->enclosures);
    if (!text)
        return 0;
    const void *zero = std::memchr(text, '\0', length);
    const char *end = zero ? static_cast<const char *>(zero) : text + length;
    SnapshotParser parser(*snapshot);
    for (const char *line = text; line < end;) {
        const void *newline = std::memchr(line, '\n', size_t(end - line));
        const char *lineEnd = newline ? static_cast<const char *>(newline) : end;
        if (!parser.line(line, lineEnd))
            return 0;
        if (!newline)
            break;
        line = lineEnd + 1;
    }
    return 1;
}

namespace {

template <typename Record>
bool sameRecords(const Record *a, const Record *b, int32_t count, int32_t capacity)
{
    const auto n = size_t(std::clamp(count, 0, capacity));
    return n == 0 || std::memcmp(a, b, n * sizeof(Record)) == 0;
}

} // namespace

bool KV_SameTables(const KV_SnapshotTables &a, const KV_SnapshotTables &b)
{
    return a.controllerCount == b.controllerCount && a.diskCount == b.diskCount &&
           a.arrayCount == b.arrayCount && a.enclosureCount == b.enclosureCount &&
           sameRecords(a.controllers, b.controllers, a.controllerCount,
                       KV_SnapshotMaxControllers) &&
           sameRecords(a.disks, b.disks, a.diskCount, KV_SnapshotMaxDisks) &&
           sameRecords(a.arrays, b.arrays, a.arrayCount, KV_SnapshotMaxArrays) &&
           sameRecords(a.enclosures, b.enclosures, a.enclosureCount, KV_SnapshotMaxEnclosures);
}

int KV_ApiGetSnapshot(const KV_CoreId *cores, KV_SnapshotTables *snapshot, uint64_t value,
                      int lookup)
{
    if (!snapshot)
        return 0;
    snapshot->controllerCount = snapshot->diskCount = 0;
    snapshot->arrayCount = snapshot->enclosureCount = 0;
    if (!cores)
        return 0;
    KV_CoreLock lock; // from the work buffer's allocation to its release
    // The caller's value, then the text; 512 KiB is the most a dump of one
    // core may take.
    constexpr uint32_t WorkSize = 0x100008, TextOffset = 8, TextCapacity = 512 * 1024;
    auto *work = static_cast<uint8_t *>(KVTL_Alloc(WorkSize, "KV_ApiGetSnapshot"));
    if (!work)
        return 0;
    // Not cleared: the dump keeps its text terminated, and the parse reads no
    // further. Of a block this large only what the dump writes is touched.
    std::memcpy(work, &value, sizeof value);
    char *text = reinterpret_cast<char *>(work + TextOffset);
    text[0] = '\0';
    int result = 0;
    if (KV_ApiGetCoreConfigString(cores, text, TextCapacity, lookup, 0, 1, 0) == KV_STS_SUCCESS)
        result = KV_ParseSnapshotText(text, TextCapacity, snapshot);
    KVTL_Free(work);
    return result;
}
