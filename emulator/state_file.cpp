#include "state_file.h"

#include "demo_config.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <map>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kvemu::statefile {

namespace {

constexpr const char *Magic = "kvemu-state";

uint64_t fnv1a(const char *data, size_t size)
{
    uint64_t hash = 0xcbf29ce484222325ull;
    for (size_t i = 0; i < size; ++i) {
        hash ^= uint8_t(data[i]);
        hash *= 0x100000001b3ull;
    }
    return hash;
}

std::string hex(uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

std::string encodeText(const std::string &text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c <= 0x20 || c >= 0x7F || c == '%' || c == '=' || c == ',') {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", c);
            out += escape;
        } else {
            out += char(c);
        }
    }
    return out;
}

bool decodeText(const std::string &text, std::string &out)
{
    out.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        unsigned value = 0;
        if (i + 2 >= text.size())
            return false;
        const auto [end, ec] = std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16);
        if (ec != std::errc() || end != text.data() + i + 3)
            return false;
        out += char(value);
        i += 2;
    }
    return true;
}

// Writes the fields of one record as " key=value" pairs.
struct FieldWriter {
    std::string &line;
    void operator()(const char *name, const std::string &value) { add(name, encodeText(value)); }
    void operator()(const char *name, uint64_t value) { add(name, hex(value)); }
    void operator()(const char *name, uint32_t value) { add(name, std::to_string(value)); }
    void operator()(const char *name, uint16_t value) { add(name, std::to_string(value)); }
    void operator()(const char *name, bool value) { add(name, value ? "1" : "0"); }
    void operator()(const char *name, char value) { add(name, encodeText(std::string(1, value))); }
    void operator()(const char *name, const std::vector<uint64_t> &values)
    {
        std::string list;
        for (uint64_t value : values)
            list += (list.empty() ? "" : ",") + hex(value);
        add(name, list);
    }
    void add(const char *name, const std::string &value)
    {
        line += ' ';
        line += name;
        line += '=';
        line += value;
    }
};

template <class T> std::string recordLine(const char *kind, const T &record)
{
    std::string line = kind;
    visitFields(record, FieldWriter{line});
    return line + '\n';
}

void writeModel(std::string &out, const char *which, const Model &m)
{
    out += std::string("model ") + which + '\n';
    out += "generation " + std::to_string(m.generation) + '\n';
    out += recordLine("core", m.core);
    for (const Controller &c : m.controllers)
        out += recordLine("controller", c);
    for (const PhysicalDisk &d : m.disks)
        out += recordLine("disk", d);
    for (const LogicalDevice &a : m.arrays) {
        out += recordLine("array", a);
        for (const Element &e : a.elements)
            out += recordLine("element", e);
        for (const Element &e : a.sourceElements)
            out += recordLine("source-element", e);
    }
    for (const PhysicalDisk &d : m.pulled)
        out += recordLine("pulled", d);
    for (const Enclosure &e : m.enclosures)
        out += recordLine("enclosure", e);
    out += "raidport " + std::to_string(m.host.raidPort) + '\n';
    for (const HostDevice &h : m.host.devices)
        out += recordLine("hostdevice", h);
    for (const Volume &v : m.host.volumes)
        out += recordLine("volume", v);
    for (const DriverFile &d : m.host.drivers)
        out += recordLine("driver", d);
    out += "end\n";
}

template <class T> bool parseUnsigned(const std::string &text, T &out)
{
    uint64_t value = 0;
    const char *begin = text.data();
    const char *end = begin + text.size();
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && text[1] == 'x') {
        begin += 2;
        base = 16;
    }
    const auto [stop, ec] = std::from_chars(begin, end, value, base);
    if (ec != std::errc() || stop != end || begin == end || value > std::numeric_limits<T>::max())
        return false;
    out = T(value);
    return true;
}

// Reads the fields of one record from its key=value pairs; every field must
// be present exactly once and no other key may appear.
struct FieldReader {
    std::map<std::string, std::string> &pairs;
    std::string &error;

    const std::string *take(const char *name)
    {
        auto it = pairs.find(name);
        if (it == pairs.end()) {
            fail(std::string("missing field ") + name);
            return nullptr;
        }
        return &it->second;
    }
    void fail(const std::string &message)
    {
        if (error.empty())
            error = message;
    }
    template <class T> void number(const char *name, T &field)
    {
        if (const std::string *value = take(name); value && !parseUnsigned(*value, field))
            fail(std::string("bad value of ") + name);
    }
    void operator()(const char *name, uint64_t &f) { number(name, f); }
    void operator()(const char *name, uint32_t &f) { number(name, f); }
    void operator()(const char *name, uint16_t &f) { number(name, f); }
    void operator()(const char *name, bool &f)
    {
        uint32_t value = 0;
        number(name, value);
        if (value > 1)
            fail(std::string("bad value of ") + name);
        f = value == 1;
    }
    void operator()(const char *name, std::string &f)
    {
        if (const std::string *value = take(name); value && !decodeText(*value, f))
            fail(std::string("bad text in ") + name);
    }
    void operator()(const char *name, char &f)
    {
        std::string text;
        (*this)(name, text);
        if (text.size() != 1)
            fail(std::string("bad value of ") + name);
        else
            f = text[0];
    }
    void operator()(const char *name, std::vector<uint64_t> &f)
    {
        const std::string *value = take(name);
        if (value == nullptr)
            return;
        f.clear();
        std::stringstream list(*value);
        std::string item;
        while (std::getline(list, item, ',')) {
            uint64_t id = 0;
            if (!parseUnsigned(item, id))
                fail(std::string("bad list in ") + name);
            f.push_back(id);
        }
    }
};

// `added`: fields that files of an older version lack, with the value they
// are read as there.
template <class T>
std::string readRecord(std::istringstream &fields, T &record,
                       const std::map<std::string, std::string> &added = {})
{
    std::map<std::string, std::string> pairs;
    std::string token;
    while (fields >> token) {
        const size_t eq = token.find('=');
        if (eq == std::string::npos || eq == 0)
            return "malformed field '" + token + "'";
        if (!pairs.emplace(token.substr(0, eq), token.substr(eq + 1)).second)
            return "field " + token.substr(0, eq) + " given twice";
    }
    for (const auto &[name, value] : added)
        pairs.emplace(name, value);
    std::string error;
    size_t known = 0;
    visitFields(record, [&known](const char *, auto &) { ++known; });
    visitFields(record, FieldReader{pairs, error});
    if (error.empty() && pairs.size() != known)
        error = "unknown field";
    return error;
}

std::vector<std::string> splitLines(const std::string &text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// Parses the "model" block that starts at `lines[i]`; on return `i` is the
// line after its "end".
std::string parseModel(const std::vector<std::string> &lines, size_t &i, size_t last, int version,
                       Model &m)
{
    // Files before version 4 know neither volumes in use nor the driver
    // files: their volumes are free and their host has the demo's drivers.
    std::map<std::string, std::string> volumeAdded;
    if (version < 4) {
        volumeAdded = {{"inUse", "0"}};
        m.host.drivers = demoDrivers();
    }
    bool sawGeneration = false, sawCore = false, sawPort = false;
    for (++i; i < last; ++i) {
        std::istringstream fields(lines[i]);
        std::string kind;
        fields >> kind;
        std::string error;
        if (kind == "end") {
            ++i;
            if (!sawGeneration || !sawCore || !sawPort)
                return "model block is incomplete";
            return {};
        } else if (kind == "generation") {
            std::string value, extra;
            fields >> value >> extra;
            if (!parseUnsigned(value, m.generation) || !extra.empty())
                error = "bad generation";
            sawGeneration = true;
        } else if (kind == "raidport") {
            std::string value, extra;
            fields >> value >> extra;
            if (!parseUnsigned(value, m.host.raidPort) || !extra.empty())
                error = "bad raidport";
            sawPort = true;
        } else if (kind == "core") {
            error = readRecord(fields, m.core);
            sawCore = true;
        } else if (kind == "controller") {
            error = readRecord(fields, m.controllers.emplace_back());
        } else if (kind == "disk") {
            error = readRecord(fields, m.disks.emplace_back());
        } else if (kind == "array") {
            error = readRecord(fields, m.arrays.emplace_back());
        } else if (kind == "element") {
            if (m.arrays.empty())
                error = "element before any array";
            else
                error = readRecord(fields, m.arrays.back().elements.emplace_back());
        } else if (kind == "source-element") {
            if (m.arrays.empty())
                error = "element before any array";
            else
                error = readRecord(fields, m.arrays.back().sourceElements.emplace_back());
        } else if (kind == "pulled") {
            error = readRecord(fields, m.pulled.emplace_back());
        } else if (kind == "enclosure") {
            error = readRecord(fields, m.enclosures.emplace_back());
        } else if (kind == "hostdevice") {
            error = readRecord(fields, m.host.devices.emplace_back());
        } else if (kind == "volume") {
            error = readRecord(fields, m.host.volumes.emplace_back(), volumeAdded);
        } else if (kind == "driver" && version >= 4) {
            error = readRecord(fields, m.host.drivers.emplace_back());
        } else {
            error = "unknown record '" + kind + "'";
        }
        if (!error.empty())
            return "line " + std::to_string(i + 1) + ": " + error;
    }
    return "model block has no end";
}

void writeEvents(std::string &out, const EventLog &log)
{
    out += "events next=" + std::to_string(log.nextSequence()) + '\n';
    for (const EventRecord &r : log.records()) {
        out += "event " + std::to_string(r.sequence) + ' ' + std::to_string(r.number);
        for (uint32_t p : r.parameters)
            out += ' ' + std::to_string(p);
        out += '\n';
    }
    out += "end\n";
}

// Parses the "events" block that starts at `lines[i]`; on return `i` is the
// line after its "end".
std::string parseEvents(const std::vector<std::string> &lines, size_t &i, size_t last,
                        EventLog &log)
{
    uint32_t next = 0;
    if (i >= last || lines[i].rfind("events next=", 0) != 0 ||
        !parseUnsigned(lines[i].substr(12), next))
        return "state file has no event log";
    std::deque<EventRecord> records;
    for (++i; i < last && lines[i] != "end"; ++i) {
        std::istringstream fields(lines[i]);
        std::string kind, word;
        fields >> kind;
        EventRecord r;
        std::vector<std::string> values;
        while (fields >> word)
            values.push_back(word);
        bool ok = kind == "event" && values.size() == 2 + r.parameters.size() &&
                  parseUnsigned(values[0], r.sequence) && parseUnsigned(values[1], r.number);
        for (size_t p = 0; ok && p < r.parameters.size(); ++p)
            ok = parseUnsigned(values[2 + p], r.parameters[p]);
        if (!ok)
            return "state file is corrupt (line " + std::to_string(i + 1) + ": bad event)";
        if (records.size() == EventLog::Capacity)
            return "state file holds more than " + std::to_string(EventLog::Capacity) + " events";
        records.push_back(r);
    }
    if (i >= last)
        return "state file is corrupt (event log has no end)";
    ++i;
    if (!log.restore(std::move(records), next))
        return "state file is corrupt (events out of sequence)";
    return {};
}

} // namespace

std::string serialize(const StoredState &state)
{
    std::string out = std::string(Magic) + "\nversion " + std::to_string(Version) + '\n';
    writeModel(out, "current", state.current);
    writeModel(out, "previous", state.previous);
    writeEvents(out, state.events);
    char checksum[40];
    std::snprintf(checksum, sizeof checksum, "checksum %016llx\n",
                  static_cast<unsigned long long>(fnv1a(out.data(), out.size())));
    return out + checksum;
}

std::string parse(const std::string &text, StoredState &out)
{
    const std::vector<std::string> lines = splitLines(text);
    if (lines.empty() || lines[0] != Magic)
        return "not a kvemu state file";
    int version = 0;
    if (lines.size() < 2 || std::sscanf(lines[1].c_str(), "version %d", &version) != 1)
        return "state file has no version line";
    if (version < OldestMigratedVersion || version > Version)
        return "state file version " + std::to_string(version) +
               " is not supported (this kvemu reads versions " +
               std::to_string(OldestMigratedVersion) + " to " + std::to_string(Version) + ")";

    // The last line is the checksum of every byte before it.
    uint64_t stored = 0;
    const std::string &tail = lines.back();
    if (!text.ends_with('\n') || lines.size() < 3 || tail.rfind("checksum ", 0) != 0 ||
        tail.size() != 9 + 16 || !parseUnsigned("0x" + tail.substr(9), stored))
        return "state file is corrupt (no checksum line; the file may be truncated)";
    const size_t checksumLine = text.size() - tail.size() - 1;
    if (fnv1a(text.data(), checksumLine) != stored)
        return "state file is corrupt (checksum mismatch)";

    StoredState state;
    state.current = Model{};
    state.previous = Model{};
    const size_t last = lines.size() - 1; // the checksum line
    size_t i = 2;
    for (const char *which : {"current", "previous"}) {
        if (i >= last || lines[i] != std::string("model ") + which)
            return std::string("state file has no ") + which + " model";
        Model &m = std::string(which) == "current" ? state.current : state.previous;
        if (std::string error = parseModel(lines, i, last, version, m); !error.empty())
            return "state file is corrupt (" + error + ")";
        if (std::string problem = m.validate(); !problem.empty())
            return std::string("state file holds an inconsistent ") + which +
                   " configuration: " + problem;
    }
    // Files before version 3 have no event log; it starts afresh.
    if (version >= 3)
        if (std::string error = parseEvents(lines, i, last, state.events); !error.empty())
            return error;
    if (i != last)
        return "state file has trailing records";
    out = std::move(state);
    return {};
}

LoadResult load(const std::string &path, StoredState &out, std::string &error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return LoadResult::Missing;
        error = "cannot open " + path + ": " + std::strerror(errno);
        return LoadResult::Refused;
    }
    std::string text;
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = "cannot read " + path + ": " + std::strerror(errno);
            ::close(fd);
            return LoadResult::Refused;
        }
        if (got == 0)
            break;
        text.append(chunk, size_t(got));
        if (text.size() > (64u << 20)) {
            error = path + ": state file is implausibly large";
            ::close(fd);
            return LoadResult::Refused;
        }
    }
    ::close(fd);
    if (std::string problem = parse(text, out); !problem.empty()) {
        error = path + ": " + problem + "; it was left untouched";
        return LoadResult::Refused;
    }
    return LoadResult::Loaded;
}

std::string save(const std::string &path, const StoredState &state)
{
    const std::string text = serialize(state);
    const std::string temporary = path + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return "cannot create " + temporary + ": " + std::strerror(errno);
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const std::string reason = std::strerror(errno);
            ::close(fd);
            ::unlink(temporary.c_str());
            return "cannot write " + temporary + ": " + reason;
        }
        written += size_t(n);
    }
    if (::fsync(fd) != 0) {
        const std::string reason = std::strerror(errno);
        ::close(fd);
        ::unlink(temporary.c_str());
        return "cannot flush " + temporary + ": " + reason;
    }
    ::close(fd);
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        ::unlink(temporary.c_str());
        return "cannot replace " + path + ": " + reason;
    }
    const size_t slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? "."
                                  : slash == 0               ? "/"
                                                             : path.substr(0, slash);
    const int dirFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        const int synced = ::fsync(dirFd);
        ::close(dirFd);
        if (synced != 0)
            return "cannot flush directory " + directory + ": " + std::strerror(errno);
    }
    return {};
}

Claim::~Claim()
{
    if (fd_ >= 0)
        ::close(fd_); // releases the lock
}

ClaimResult claim(const std::string &path, Claim &out, std::string &error)
{
    // The resolved file when it exists, else the resolved directory and the
    // file's name.
    std::string resolved;
    if (char *real = ::realpath(path.c_str(), nullptr)) {
        resolved = real;
        std::free(real);
    } else {
        const size_t slash = path.rfind('/');
        const std::string directory = slash == std::string::npos ? "."
                                      : slash == 0               ? "/"
                                                                 : path.substr(0, slash);
        char *realDirectory = ::realpath(directory.c_str(), nullptr);
        if (realDirectory == nullptr) {
            error = "cannot find the directory of " + path + ": " + std::strerror(errno);
            return ClaimResult::Failed;
        }
        resolved = std::string(realDirectory) + "/" +
                   path.substr(slash == std::string::npos ? 0 : slash + 1);
        std::free(realDirectory);
    }
    const std::string lockPath = resolved + ".lock";
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        error = "cannot open " + lockPath + ": " + std::strerror(errno);
        return ClaimResult::Failed;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int saved = errno;
        ::close(fd);
        if (saved == EWOULDBLOCK)
            return ClaimResult::Busy;
        error = "cannot lock " + lockPath + ": " + std::strerror(saved);
        return ClaimResult::Failed;
    }
    if (out.fd_ >= 0)
        ::close(out.fd_);
    out.fd_ = fd;
    return ClaimResult::Claimed;
}

} // namespace kvemu::statefile
