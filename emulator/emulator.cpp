#include "emulator.h"

#include "byte_order.h"
#include "config_image.h"
#include "host_model.h"
#include "kv_platform.h"
#include "kv_status.h"
#include "privileges.h"
#include "raid_commands.h"

#include <cctype>
#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <sstream>

namespace kvemu {

using bytes::get;
using bytes::put;
namespace winerr = kv::winerr;

namespace {

constexpr uint32_t ReadCommand = 1;
constexpr uint32_t FirstWriteCommand = 2;
constexpr uint32_t LastWriteCommand = 49;
constexpr uint32_t CommandRescan = 16;
constexpr uint32_t ReadConfiguration = 0x1000;
constexpr uint32_t ReadStatistics = 0x1007;
constexpr uint32_t ReadStatisticsInterval = 0x1008;
constexpr uint32_t ReadLastStatus = 0x1016;
constexpr uint32_t ReadUserMessage = 0x1002;
// The byte shown in brackets in the console's event line: the core's number.
constexpr uint8_t UserMessageByte = 1;
constexpr size_t HeaderBytes = 32;

bool consumePrefix(const std::string &text, size_t &pos, const char *prefix)
{
    const size_t n = std::strlen(prefix);
    if (text.size() - pos < n)
        return false;
    for (size_t i = 0; i < n; ++i)
        if (std::tolower(uint8_t(text[pos + i])) != std::tolower(uint8_t(prefix[i])))
            return false;
    pos += n;
    return true;
}

// Decimal digits at `pos`, at most five (routes are 16-bit), without
// leading zeros.
bool consumeNumber(const std::string &text, size_t &pos, uint32_t &value)
{
    const size_t start = pos;
    if (pos + 1 < text.size() && text[pos] == '0' && std::isdigit(uint8_t(text[pos + 1])))
        return false;
    value = 0;
    while (pos < text.size() && std::isdigit(uint8_t(text[pos])) && pos - start < 5)
        value = value * 10 + uint32_t(text[pos++] - '0');
    return pos > start && (pos == text.size() || !std::isdigit(uint8_t(text[pos])));
}

template <class T> bool parseCount(const std::string &text, T &out)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

std::string hex(uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%016" PRIx64, value);
    return text;
}

const char *diskTypeName(uint32_t type)
{
    switch (type) {
    case rec::DiskTypeDisk:
        return "Disk";
    case rec::DiskTypeCore:
        return "Core";
    case rec::DiskTypeLegacy:
        return "Legacy";
    default:
        return "Unknown";
    }
}

const char *diskStateName(uint32_t state)
{
    switch (state) {
    case rec::DiskOnline:
        return "Online";
    case rec::DiskOffline:
        return "Offline";
    case rec::DiskSmartError:
        return "SMART_error";
    case rec::DiskLocked:
        return "Locked";
    default:
        return "Unknown";
    }
}

const char *arrayStateName(uint32_t state)
{
    switch (state) {
    case rec::ArrayNormal:
        return "NORMAL";
    case rec::ArrayCritical:
        return "CRITICAL";
    case rec::ArrayOffline:
        return "OFFLINE";
    case rec::ArrayOutdate:
        return "OUTDATE";
    case rec::ArrayLocked:
        return "LOCKED";
    default:
        return "UNKNOWN";
    }
}

const char *taskName(uint32_t task)
{
    switch (task) {
    case rec::TaskTransform:
        return "TRANSFORM";
    case rec::TaskCreate:
        return "CREATE";
    case rec::TaskCheck:
        return "CHECK";
    case rec::TaskRestore:
        return "RESTORE";
    case rec::TaskZero:
        return "ZERO";
    case rec::TaskSecureErase:
        return "SECURE_ERASE";
    default:
        return "UNKNOWN";
    }
}

// Control commands. An entry takes the words of the command line (the name
// first) within its bounds of argument count; `run` answers nothing when the
// arguments do not parse, and the caller then prints the usage. Add new
// commands to this table.
struct ControlCommand {
    const char *name;
    const char *usage;
    size_t minWords, maxWords;
    std::optional<Emulator::ControlReply> (*run)(Emulator &emulator,
                                                 const std::vector<std::string> &words);
};

std::optional<Emulator::ControlReply> runStatus(Emulator &emulator,
                                                const std::vector<std::string> &)
{
    const Model m = emulator.model();
    std::ostringstream out;
    out << "generation " << m.generation << "\ncontrollers " << m.controllers.size() << "\ndisks "
        << m.disks.size() << "\narrays " << m.arrays.size() << "\nenclosures "
        << m.enclosures.size() << "\nsessions " << emulator.sessionCount() << "\nmailboxes "
        << emulator.mailboxCount() << "\n";
    return Emulator::ControlReply{true, out.str()};
}

std::optional<Emulator::ControlReply> runState(Emulator &emulator, const std::vector<std::string> &)
{
    return Emulator::ControlReply{true, emulator.describe()};
}

std::optional<Emulator::ControlReply> runBump(Emulator &emulator, const std::vector<std::string> &)
{
    if (std::string error = emulator.change([](Model &) {}); !error.empty())
        return Emulator::ControlReply{false, error + "\n"};
    return Emulator::ControlReply{true,
                                  "generation " + std::to_string(emulator.generation()) + "\n"};
}

std::optional<Emulator::ControlReply> runFault(Emulator &emulator,
                                               const std::vector<std::string> &words)
{
    const std::string &kind = words[1];
    uint32_t count = 1;
    if (kind == "stall" && words.size() >= 3 && words.size() <= 4) {
        uint32_t milliseconds = 0;
        if (!parseCount(words[2], milliseconds) ||
            (words.size() == 4 && !parseCount(words[3], count)))
            return std::nullopt;
        emulator.injectStall(std::chrono::milliseconds(milliseconds), count);
        return Emulator::ControlReply{
            true, "next " + std::to_string(count) + " transfer(s) stall " +
                      (milliseconds == 0 ? std::string("until the caller disconnects")
                                         : "for " + std::to_string(milliseconds) + " ms") +
                      "\n"};
    }
    if (kind == "fail" && words.size() == 3 && parseCount(words[2], count)) {
        emulator.injectFailures(count);
        return Emulator::ControlReply{true, "next " + std::to_string(count) +
                                                " transfer(s) fail with an I/O error\n"};
    }
    if (kind == "stale" && words.size() == 3 && parseCount(words[2], count)) {
        emulator.injectStaleGeneration(count);
        return Emulator::ControlReply{true, "next " + std::to_string(count) +
                                                " write command(s) answer a stale generation\n"};
    }
    if (kind == "veto" && words.size() == 3 && parseCount(words[2], count)) {
        emulator.injectEjectVetoes(count);
        return Emulator::ControlReply{true, "next " + std::to_string(count) +
                                                " device eject request(s) are vetoed\n"};
    }
    uint32_t command = 0;
    if (kind == "refuse" && words.size() >= 3 && words.size() <= 4 &&
        parseCount(words[2], command) && (words.size() == 3 || parseCount(words[3], count))) {
        emulator.injectRefusal(command, count);
        return Emulator::ControlReply{true, "next " + std::to_string(count) + " command(s) " +
                                                std::to_string(command) +
                                                " are refused with status 6\n"};
    }
    if (kind == "after" && (words.size() == 5 || words.size() == 6)) {
        // fault after KIND N fail | fault after KIND N stall MS
        const std::optional<TransferKind> transfers = transferKindNamed(words[2]);
        uint32_t nth = 0, milliseconds = 0;
        if (!transfers || !parseCount(words[3], nth) || nth == 0)
            return std::nullopt;
        std::string what;
        if (words[4] == "fail" && words.size() == 5) {
            emulator.injectCountdown(*transfers, nth);
            what = "fails with an I/O error";
        } else if (words[4] == "stall" && words.size() == 6 && parseCount(words[5], milliseconds)) {
            emulator.injectCountdown(*transfers, nth, std::chrono::milliseconds(milliseconds));
            what = milliseconds == 0 ? "times out"
                                     : "stalls for " + std::to_string(milliseconds) + " ms";
        } else {
            return std::nullopt;
        }
        return Emulator::ControlReply{true, std::string(transferKindName(*transfers)) +
                                                " transfer " + std::to_string(nth) + " from now " +
                                                what + "\n"};
    }
    if (kind == "pending" && words.size() == 2) {
        const uint32_t left = emulator.countdownRemaining();
        return Emulator::ControlReply{true, left == 0 ? std::string("no countdown\n")
                                                      : "countdown: " + std::to_string(left) +
                                                            " transfer(s) to go\n"};
    }
    if (kind == "clear" && words.size() == 2) {
        emulator.clearFaults();
        return Emulator::ControlReply{true, "faults cleared\n"};
    }
    return std::nullopt;
}

// A disk named on the command line by its serial number or its device route.
PhysicalDisk *namedDisk(Model &m, const std::string &name)
{
    uint16_t route = 0;
    const bool isRoute = parseCount(name, route);
    for (PhysicalDisk &d : m.disks)
        if (d.serial == name || (isRoute && d.deviceRoute == route))
            return &d;
    return nullptr;
}

LogicalDevice *namedArray(Model &m, const std::string &name)
{
    uint16_t route = 0;
    if (!parseCount(name, route))
        return nullptr;
    for (LogicalDevice &a : m.arrays)
        if (a.deviceRoute == route)
            return &a;
    return nullptr;
}

Emulator::ControlReply changeReply(Emulator &emulator, const std::string &done,
                                   const std::function<std::string(Model &)> &edit)
{
    if (std::string error = emulator.tryChange(edit); !error.empty())
        return {false, error + "\n"};
    return {true, done + ", generation " + std::to_string(emulator.generation()) + "\n"};
}

std::optional<Emulator::ControlReply> runDiskEvent(Emulator &emulator,
                                                   const std::vector<std::string> &words)
{
    const bool pulled = words[0] == "remove";
    const std::string name = words[1];
    return changeReply(emulator, "disk " + name + (pulled ? " removed" : " failed"),
                       [&](Model &m) -> std::string {
                           const PhysicalDisk *d = namedDisk(m, name);
                           if (d == nullptr)
                               return "no disk " + name;
                           if (!pulled && d->state == rec::DiskOffline)
                               return "disk " + name + " has failed already";
                           raid::failDisk(m, d->id, pulled);
                           return {};
                       });
}

std::optional<Emulator::ControlReply> runInsert(Emulator &emulator,
                                                const std::vector<std::string> &words)
{
    if (words[1] != "new") {
        if (words.size() != 2)
            return std::nullopt;
        const std::string serial = words[1];
        return changeReply(emulator, "disk " + serial + " inserted", [&](Model &m) {
            return raid::insertPulled(m, serial)
                       ? std::string()
                       : "no pulled disk " + serial + " (or its port is taken)";
        });
    }
    uint32_t controller = 0, channel = 0, gigabytes = 0;
    if (words.size() < 5 || words.size() > 6 || !parseCount(words[2], controller) ||
        !parseCount(words[3], channel) || !parseCount(words[4], gigabytes) || gigabytes == 0 ||
        (words.size() == 6 && words[5] != "nvme"))
        return std::nullopt;
    const bool nvme = words.size() == 6;
    return changeReply(emulator, "new disk inserted", [&](Model &m) {
        // Decimal gigabytes, as disks are sold.
        const uint16_t route =
            raid::insertNew(m, controller, channel, uint64_t(gigabytes) * 1953125, nvme);
        return route != 0 ? std::string() : std::string("no free port there");
    });
}

std::optional<Emulator::ControlReply> runSmart(Emulator &emulator,
                                               const std::vector<std::string> &words)
{
    const std::string name = words[1];
    if (words[2] != "error" && words[2] != "clear")
        return std::nullopt;
    const bool error = words[2] == "error";
    return changeReply(
        emulator,
        "disk " + name + (error ? " reports a S.M.A.R.T. error" : " S.M.A.R.T. values are normal"),
        [&](Model &m) -> std::string {
            PhysicalDisk *d = namedDisk(m, name);
            if (d == nullptr)
                return "no disk " + name;
            d->smartFailing = error;
            if (error && d->state == rec::DiskOnline)
                d->state = rec::DiskSmartError;
            else if (!error && d->state == rec::DiskSmartError)
                d->state = rec::DiskOnline;
            return {};
        });
}

std::optional<Emulator::ControlReply> runLock(Emulator &emulator,
                                              const std::vector<std::string> &words)
{
    const bool lock = words[0] == "lock";
    const std::string kind = words[1], name = words[2];
    if (kind != "disk" && kind != "array")
        return std::nullopt;
    return changeReply(emulator, kind + " " + name + (lock ? " locked" : " unlocked"),
                       [&](Model &m) -> std::string {
                           if (kind == "disk") {
                               PhysicalDisk *d = namedDisk(m, name);
                               if (d == nullptr)
                                   return "no disk " + name;
                               if (!lock && d->state != rec::DiskLocked)
                                   return "disk " + name + " is not locked";
                               d->state = lock ? rec::DiskLocked : rec::DiskOnline;
                               return {};
                           }
                           LogicalDevice *a = namedArray(m, name);
                           if (a == nullptr)
                               return "no array " + name;
                           if (!lock && a->state != rec::ArrayLocked)
                               return "array " + name + " is not locked";
                           a->state = lock ? rec::ArrayLocked : raid::healthOf(m, *a);
                           return {};
                       });
}

std::optional<Emulator::ControlReply> runRate(Emulator &emulator,
                                              const std::vector<std::string> &words)
{
    if (words.size() == 2) {
        uint32_t seconds = 0;
        if (!parseCount(words[1], seconds))
            return std::nullopt;
        emulator.setTaskDuration(std::chrono::seconds(seconds));
    }
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(emulator.taskDuration()).count();
    return Emulator::ControlReply{true, "a task takes " + std::to_string(seconds) + " s\n"};
}

bool sameNoCase(const std::string &a, const std::string &b)
{
    size_t pos = 0;
    return a.size() == b.size() && consumePrefix(a, pos, b.c_str());
}

// driver: lists the RAID driver's files; driver load|unload NAME changes
// whether the kernel has one loaded.
std::optional<Emulator::ControlReply> runDriver(Emulator &emulator,
                                                const std::vector<std::string> &words)
{
    if (words.size() == 1) {
        std::string text;
        for (const DriverFile &d : emulator.model().host.drivers)
            text += d.name + " " + (d.version.empty() ? std::string("(no version)") : d.version) +
                    (d.loaded ? " loaded" : " not loaded") + "\n";
        return Emulator::ControlReply{true, text};
    }
    if (words.size() != 3 || (words[1] != "load" && words[1] != "unload"))
        return std::nullopt;
    const bool load = words[1] == "load";
    const std::string name = words[2];
    if (std::string error = emulator.changeHost([&](Host &host) -> std::string {
            for (DriverFile &d : host.drivers) {
                if (!sameNoCase(d.name, name))
                    continue;
                if (d.loaded == load)
                    return "driver " + d.name + (load ? " is loaded already" : " is not loaded");
                d.loaded = load;
                return {};
            }
            return "no driver " + name;
        });
        !error.empty())
        return Emulator::ControlReply{false, error + "\n"};
    return Emulator::ControlReply{true, "driver " + name + (load ? " loaded\n" : " unloaded\n")};
}

// volume LETTER busy|free: files are open on the volume (locking it fails),
// or no longer.
std::optional<Emulator::ControlReply> runVolume(Emulator &emulator,
                                                const std::vector<std::string> &words)
{
    std::string letter = words[1];
    if (letter.size() == 2 && letter[1] == ':')
        letter.pop_back();
    if (letter.size() != 1 || !std::isalpha(uint8_t(letter[0])) ||
        (words[2] != "busy" && words[2] != "free"))
        return std::nullopt;
    const char drive = char(std::toupper(uint8_t(letter[0])));
    const bool busy = words[2] == "busy";
    if (std::string error = emulator.changeHost([&](Host &host) -> std::string {
            for (Volume &v : host.volumes) {
                if (v.letter != drive)
                    continue;
                if (v.inUse == busy)
                    return std::string("volume ") + drive +
                           (busy ? ": is in use already" : ": is not in use");
                v.inUse = busy;
                return {};
            }
            return std::string("no volume ") + drive + ":";
        });
        !error.empty())
        return Emulator::ControlReply{false, error + "\n"};
    return Emulator::ControlReply{true, std::string("volume ") + drive +
                                            (busy ? ": in use\n" : ": free\n")};
}

std::optional<Emulator::ControlReply> runStop(Emulator &, const std::vector<std::string> &)
{
    return Emulator::ControlReply{true, "stopping\n"};
}

std::optional<Emulator::ControlReply> runHelp(Emulator &, const std::vector<std::string> &);

const ControlCommand controlCommands[] = {
    {"status", "status", 1, 1, runStatus},
    {"state", "state", 1, 1, runState},
    {"bump", "bump", 1, 1, runBump},
    {"fault",
     "fault stall MS [N] | fault fail N | fault stale N | fault veto N | fault refuse COMMAND [N] "
     "| fault after any|open|read|write|query|host N fail | fault after KIND N stall MS "
     "| fault pending | fault clear",
     2, 6, runFault},
    {"fail", "fail DISK", 2, 2, runDiskEvent},
    {"remove", "remove DISK", 2, 2, runDiskEvent},
    {"insert", "insert SERIAL | insert new CONTROLLER CHANNEL GB [nvme]", 2, 6, runInsert},
    {"smart", "smart DISK error|clear", 3, 3, runSmart},
    {"lock", "lock disk DISK | lock array N", 3, 3, runLock},
    {"unlock", "unlock disk DISK | unlock array N", 3, 3, runLock},
    {"rate", "rate [SECONDS]", 1, 2, runRate},
    {"driver", "driver | driver load NAME | driver unload NAME", 1, 3, runDriver},
    {"volume", "volume LETTER busy|free", 3, 3, runVolume},
    {"stop", "stop", 1, 1, runStop},
    {"help", "help", 1, 1, runHelp},
};

std::optional<Emulator::ControlReply> runHelp(Emulator &, const std::vector<std::string> &)
{
    std::string text;
    for (const ControlCommand &command : controlCommands)
        text += std::string(command.usage) + "\n";
    return Emulator::ControlReply{true, text};
}

} // namespace

struct Emulator::Session {
    enum Kind { Config, Device, Host };
    Kind kind = Config;
    host::Target target{host::Target::ScsiPort};
    std::map<uint32_t, Mailbox> mailboxes; // by mailbox sector
    uint32_t lastStatus = KV_STS_SUCCESS;
    std::vector<uint8_t> diskData; // the last data-returning disk command's answer, for 0x1014
    char lockedVolume = 0;         // the volume letter this opener holds locked
    bool elevated = true;          // may send destructive commands
};

Emulator::Emulator(StoredState state, std::shared_ptr<Clock> clock, std::string statePath)
    : clock_(clock ? std::move(clock) : std::make_shared<SystemClock>()),
      statePath_(std::move(statePath)), current_(std::move(state.current)),
      previous_(std::move(state.previous)), events_(std::move(state.events)),
      statistics_(clock_->now()), lastTick_(clock_->now())
{
    // A log saved before is the driver's message space found again; without
    // one the driver starts a fresh message space.
    if (events_.empty())
        events_ = EventLog::fresh();
    else
        recordRestart(current_, events_);
}

Emulator::~Emulator() = default;

namespace {
constexpr std::pair<TransferKind, const char *> transferKindNames[] = {
    {TransferKind::Any, "any"},     {TransferKind::Open, "open"},   {TransferKind::Read, "read"},
    {TransferKind::Write, "write"}, {TransferKind::Query, "query"}, {TransferKind::Host, "host"},
};
} // namespace

std::optional<TransferKind> transferKindNamed(const std::string &word)
{
    for (const auto &[kind, name] : transferKindNames)
        if (word == name)
            return kind;
    return std::nullopt;
}

const char *transferKindName(TransferKind kind)
{
    for (const auto &[known, name] : transferKindNames)
        if (known == kind)
            return name;
    return "any";
}

void Emulator::shutDown()
{
    std::lock_guard lock(mutex_);
    tickLocked();
    recordShutdown(current_, events_);
    if (!statePath_.empty())
        statefile::save(statePath_, StoredState{current_, previous_, events_});
}

uint32_t Emulator::open(const std::string &name, uint32_t disposition, SessionId &session,
                        bool elevated)
{
    if (disposition < 1 || disposition > 5)
        return winerr::InvalidParameter;
    auto created = std::make_unique<Session>();
    created->elevated = elevated;
    std::unique_lock lock(mutex_);
    if (const uint32_t fault = countTransfer(TransferKind::Open, lock); fault != winerr::Success)
        return fault;
    size_t pos = 0;
    if (consumePrefix(name, pos, "\\\\.\\KVConfig")) {
        uint32_t core = 0;
        if (!consumeNumber(name, pos, core) || pos != name.size() || core != 0)
            return winerr::FileNotFound; // only core 1 exists
        created->kind = Session::Config;
    } else if (pos = 0; consumePrefix(name, pos, "\\\\.\\Device")) {
        uint32_t route = 0, device = 0;
        if (!consumeNumber(name, pos, route) || !consumePrefix(name, pos, "_") ||
            !consumeNumber(name, pos, device) || pos != name.size())
            return winerr::FileNotFound;
        bool found = false;
        for (const PhysicalDisk &d : current_.disks)
            found |= d.coreRoute() == route && d.deviceRoute == device;
        for (const LogicalDevice &a : current_.arrays)
            found |= LogicalDevice::coreRoute() == route && a.deviceRoute == device;
        for (const Enclosure &e : current_.enclosures)
            found |= e.coreRoute() == route && e.deviceRoute == device;
        if (!found)
            return winerr::FileNotFound;
        created->kind = Session::Device;
    } else if (const auto target = host::parseName(name)) {
        if (!host::exists(current_, *target))
            return winerr::FileNotFound;
        created->kind = Session::Host;
        created->target = *target;
    } else if (const auto drive = host::interfaceTarget(current_, name)) {
        created->kind = Session::Host; // a disk interface is its physical drive
        created->target = *drive;
    } else {
        return winerr::FileNotFound;
    }
    session = nextSession_++;
    sessions_.emplace(session, std::move(created));
    return winerr::Success;
}

void Emulator::close(SessionId session)
{
    std::lock_guard lock(mutex_);
    auto it = sessions_.find(session);
    if (it == sessions_.end())
        return;
    for (const auto &[sector, mailbox] : it->second->mailboxes)
        mailboxesInUse_.erase(sector);
    sessions_.erase(it);
}

bool Emulator::takeFailure()
{
    if (faults_.failures == 0)
        return false;
    --faults_.failures;
    return true;
}

uint32_t Emulator::read(SessionId id, void *buffer, uint64_t offset, uint32_t count)
{
    std::unique_lock lock(mutex_);
    const uint32_t fault = countTransfer(TransferKind::Read, lock);
    tickLocked();
    auto it = sessions_.find(id);
    if (it == sessions_.end())
        return winerr::InvalidHandle;
    if (fault != winerr::Success || takeFailure()) {
        // The opener asks 0x1016 why the transfer failed; it must not hear
        // the success of an earlier command.
        it->second->lastStatus = KV_STS_FAILURE;
        return fault != winerr::Success ? fault : winerr::IoDevice;
    }
    if (it->second->kind != Session::Config)
        return winerr::NotSupported; // device data is not modelled
    if (count > 0 && buffer == nullptr)
        return winerr::InvalidParameter;
    return configRead(*it->second, static_cast<uint8_t *>(buffer), offset, count);
}

uint32_t Emulator::write(SessionId id, const void *buffer, uint64_t offset, uint32_t count)
{
    std::unique_lock lock(mutex_);
    const uint32_t fault = countTransfer(TransferKind::Write, lock);
    tickLocked();
    auto it = sessions_.find(id);
    if (it == sessions_.end())
        return winerr::InvalidHandle;
    if (fault != winerr::Success || takeFailure()) {
        // The opener asks 0x1016 why the transfer failed; it must not hear
        // the success of an earlier command.
        it->second->lastStatus = KV_STS_FAILURE;
        return fault != winerr::Success ? fault : winerr::IoDevice;
    }
    if (it->second->kind != Session::Config)
        return winerr::NotSupported;
    if (count > 0 && buffer == nullptr)
        return winerr::InvalidParameter;
    return configWrite(*it->second, static_cast<const uint8_t *>(buffer), offset, count);
}

// The configuration device is opened unbuffered: offsets and lengths are
// whole sectors.
static uint32_t checkConfigTransfer(uint64_t offset, uint32_t count)
{
    if (offset % SectorBytes != 0 || count % SectorBytes != 0)
        return winerr::InvalidParameter;
    if (offset >= ConfigDeviceBytes || count > ConfigDeviceBytes - offset)
        return winerr::HandleEof;
    return winerr::Success;
}

uint32_t Emulator::configRead(Session &session, uint8_t *buffer, uint64_t offset, uint32_t count)
{
    if (const uint32_t error = checkConfigTransfer(offset, count); error != winerr::Success)
        return error;
    if (count == 0)
        return winerr::Success;
    std::memset(buffer, 0, count);
    if (offset == 0) {
        // Sector 0 hands out a new mailbox to every read.
        if (session.mailboxes.size() >= MaxMailboxesPerSession ||
            mailboxesInUse_.size() >= MaxMailboxes)
            return winerr::IoDevice;
        uint32_t sector = MailboxSpacing;
        while (mailboxesInUse_.count(sector) != 0)
            sector += MailboxSpacing;
        mailboxesInUse_.insert(sector);
        session.mailboxes.emplace(sector, Mailbox{});
        if (count >= 4)
            put<uint32_t>(buffer, 0, sector);
        return winerr::Success;
    }
    const uint32_t sector = uint32_t(offset / SectorBytes);
    if (auto it = session.mailboxes.find(sector); it != session.mailboxes.end()) {
        const Mailbox &mailbox = it->second;
        if (mailbox.failRead)
            return winerr::IoDevice;
        if (mailbox.image)
            std::memcpy(buffer, mailbox.image->data(),
                        std::min<size_t>(count, mailbox.image->size()));
        if (!mailbox.response.empty()) // an empty answer has no bytes to copy
            std::memcpy(buffer, mailbox.response.data(),
                        std::min<size_t>(count, mailbox.response.size()));
        return winerr::Success;
    }
    if (mailboxesInUse_.count(sector) != 0)
        return winerr::AccessDenied; // another opener's mailbox
    return winerr::Success;          // unused sectors read as zeros
}

uint32_t Emulator::configWrite(Session &session, const uint8_t *buffer, uint64_t offset,
                               uint32_t count)
{
    if (const uint32_t error = checkConfigTransfer(offset, count); error != winerr::Success)
        return error;
    const uint32_t sector = uint32_t(offset / SectorBytes);
    auto it = session.mailboxes.find(sector);
    if (it == session.mailboxes.end())
        return winerr::AccessDenied; // only the opener's own mailboxes take requests
    if (count == 0 || count > MaxRequestBytes)
        return winerr::InvalidParameter;
    uint32_t status = KV_STS_SUCCESS;
    bool isReadCommand = false;
    handleRequest(session, sector, buffer, count, status, isReadCommand);
    // A read command's refusal shows when its response is read; a write
    // command's refusal fails the write itself. Either way 0x1016 tells why.
    if (isReadCommand || status == KV_STS_SUCCESS)
        return winerr::Success;
    return winerr::IoDevice;
}

std::vector<uint8_t> Emulator::responseHeader(uint32_t status, uint32_t mailbox, size_t size) const
{
    std::vector<uint8_t> response(size, 0);
    put<uint32_t>(response.data(), 0, status);
    put<uint32_t>(response.data(), 4, mailbox);
    put<uint64_t>(response.data(), 8, current_.generation);
    put<uint32_t>(response.data(), 24, 2);
    put<uint32_t>(response.data(), 28, 1);
    return response;
}

void Emulator::handleRequest(Session &session, uint32_t mailboxSector, const uint8_t *block,
                             uint32_t count, uint32_t &status, bool &isReadCommand)
{
    Mailbox &mailbox = session.mailboxes[mailboxSector];
    const uint32_t command = count >= 4 ? get<uint32_t>(block, 0) : 0;
    isReadCommand = command == ReadCommand;
    const bool signed_ =
        count >= HeaderBytes && get<uint32_t>(block, 24) == 2 && get<uint32_t>(block, 28) == 1;

    if (!isReadCommand) {
        status = signed_ ? writeCommand(session, command, block, count) : KV_STS_INVALID_BUFFER;
        session.lastStatus = status;
        mailbox.image.reset();
        mailbox.response = responseHeader(status, mailboxSector, StatusResponseBytes);
        mailbox.failRead = false;
        return;
    }

    const uint32_t code = count >= HeaderBytes + 8 ? get<uint32_t>(block, 32) : 0;
    if (!signed_ || count < HeaderBytes + 8 ||
        (code == ReadLastStatus && count < HeaderBytes + 12)) {
        status = KV_STS_INVALID_BUFFER;
    } else if (code == ReadConfiguration) {
        const bool previous = get<uint32_t>(block, 36) != 0;
        std::shared_ptr<const std::vector<uint8_t>> &built = images_[previous ? 1 : 0];
        if (!built) {
            auto fresh = std::make_shared<std::vector<uint8_t>>(image::ImageSize);
            image::build(previous ? previous_ : current_, previous, fresh->data());
            built = std::move(fresh);
        }
        std::vector<uint8_t> header(built->begin(), built->begin() + HeaderBytes);
        put<uint32_t>(header.data(), 4, mailboxSector);
        put<uint64_t>(header.data(), 8, current_.generation);
        put<uint32_t>(header.data(), 24, 2);
        put<uint32_t>(header.data(), 28, 1);
        status = KV_STS_SUCCESS;
        mailbox.response = std::move(header);
        mailbox.image = built;
    } else if (code == ReadStatistics || code == ReadStatisticsInterval) {
        status = KV_STS_SUCCESS;
        mailbox.image.reset();
        mailbox.response = responseHeader(status, mailboxSector, stats::BlockBytes);
        statistics_.fill(current_, clock_->now(), code == ReadStatisticsInterval,
                         mailbox.response.data());
    } else if (code == raid::ReadCreateInfo || code == raid::ReadTransformInfo ||
               code == raid::ReadDiskData) {
        // These answer raw data from offset 0, without a response header.
        std::vector<uint8_t> answer;
        raid::RequestReader reader(block, count);
        if (code == raid::ReadCreateInfo)
            status = raid::createInfo(current_, reader, answer);
        else if (code == raid::ReadTransformInfo)
            status = raid::transformInfo(current_, reader, answer);
        else if (session.diskData.empty())
            status = KVTL_STS_INVALID_PARAMETER; // no disk data was asked for
        else
            status = KV_STS_SUCCESS, answer = session.diskData;
        mailbox.image.reset();
        mailbox.response = std::move(answer);
    } else if (code == ReadUserMessage) {
        status = KV_STS_SUCCESS;
        mailbox.image.reset();
        mailbox.response = responseHeader(status, mailboxSector, StatusResponseBytes);
        userMessage(get<uint32_t>(block, 36), mailbox.response.data());
    } else if (code == ReadLastStatus) {
        // The status of the last other command; asking does not change it.
        status = KV_STS_SUCCESS;
        mailbox.image.reset();
        mailbox.response = responseHeader(session.lastStatus, mailboxSector, StatusResponseBytes);
        mailbox.failRead = false;
        return;
    } else {
        status = KV_STS_NO_CFG_READ_CMD_FOUND;
    }
    session.lastStatus = status;
    mailbox.failRead = status != KV_STS_SUCCESS;
    if (mailbox.failRead) {
        mailbox.image.reset();
        mailbox.response = responseHeader(status, mailboxSector, StatusResponseBytes);
    }
}

uint32_t Emulator::writeCommand(Session &session, uint32_t command, const uint8_t *block,
                                uint32_t count)
{
    if (command < FirstWriteCommand || command > LastWriteCommand)
        return KV_STS_BAD_FUNCTION;
    if (faults_.stale > 0) {
        --faults_.stale;
        return KV_STS_INVALID_GENERATION_NUMBER;
    }
    if (get<uint64_t>(block, 8) != current_.generation)
        return KV_STS_INVALID_GENERATION_NUMBER;
    if (!session.elevated && isDestructiveCommand(command, block, count))
        return NotElevatedStatus;
    if (faults_.refusals > 0 && command == faults_.refusedCommand) {
        --faults_.refusals;
        return KV_STS_DEVICE_IS_BUSY;
    }
    raid::RequestReader reader(block, count);
    switch (command) {
    case CommandRescan:
        // A rescan finds nothing new in the model but is a new configuration.
        return changeLocked([](Model &) {}, ChangeCause::Rescan).empty() ? KV_STS_SUCCESS
                                                                         : KV_STS_IO_ERROR;
    case raid::CommandCreate:
        return commandLocked([&](Model &m) { return raid::create(m, reader); });
    case raid::CommandDelete:
        return commandLocked([&](Model &m) { return raid::deleteArrays(m, reader); });
    case raid::CommandInitialize:
        return commandLocked([&](Model &m) { return raid::initializeDisks(m, reader); });
    case raid::CommandManageArray:
        return commandLocked([&](Model &m) { return raid::manageArray(m, reader); });
    case raid::CommandTransform:
        return commandLocked([&](Model &m) { return raid::transform(m, reader); });
    case raid::CommandOffline:
        return commandLocked([&](Model &m) { return raid::offline(m, reader); });
    case raid::CommandTaskControl:
        return commandLocked([&](Model &m) { return raid::taskControl(m, reader); });
    case raid::CommandManageDisk:
    case raid::CommandManageDiskAlt: {
        std::vector<uint8_t> data;
        Model next = current_;
        if (const uint32_t status = raid::manageDisk(next, reader, clock_->now(), data);
            status != KV_STS_SUCCESS)
            return status;
        // Reading a disk's data (S.M.A.R.T.) leaves the configuration as it
        // was: no new generation and no event.
        const uint32_t status = !data.empty() && next == current_
                                    ? uint32_t(KV_STS_SUCCESS)
                                    : commandLocked([&next](Model &m) {
                                          m = std::move(next);
                                          return uint32_t(KV_STS_SUCCESS);
                                      });
        if (status == KV_STS_SUCCESS)
            session.diskData = std::move(data);
        return status;
    }
    default:
        return KV_STS_NOT_IMPLEMENTED;
    }
}

uint32_t Emulator::commandLocked(const std::function<uint32_t(Model &)> &command)
{
    Model next = current_;
    if (const uint32_t status = command(next); status != KV_STS_SUCCESS)
        return status;
    std::string error =
        changeLocked([&next](Model &m) { m = std::move(next); }, ChangeCause::Command);
    // A model the command left inconsistent is the emulator's own fault;
    // the driver reports a failure and keeps the configuration it had.
    return error.empty() ? KV_STS_SUCCESS : KV_STS_IO_ERROR;
}

void Emulator::tickLocked()
{
    const std::chrono::milliseconds now = clock_->now();
    bool running = false;
    for (const LogicalDevice &a : current_.arrays)
        running |= a.taskActive() && a.transformState == rec::TaskStarted;
    if (!running || now <= lastTick_) {
        lastTick_ = std::max(lastTick_, now); // idle time moves no task
        return;
    }
    const uint64_t elapsed = uint64_t((now - lastTick_).count());
    const uint64_t duration = uint64_t(taskDuration_.count());
    const uint64_t units =
        duration == 0
            ? rec::ProgressComplete
            : std::min<uint64_t>(rec::ProgressComplete, elapsed * rec::ProgressComplete / duration);
    if (units == 0)
        return; // less than one unit yet; the time is kept for the next look
    lastTick_ = now;
    Model next = current_;
    if (raid::advanceTasks(next, uint32_t(units))) {
        // A finished task changes the layout: a new configuration.
        changeLocked([&next](Model &m) { m = std::move(next); }, ChangeCause::TaskRun);
        return;
    }
    // Progress alone is no new configuration; it is saved each whole percent.
    bool percentMoved = false;
    for (size_t i = 0; i < next.arrays.size(); ++i)
        percentMoved |=
            next.arrays[i].transformProgress / 1000 != current_.arrays[i].transformProgress / 1000;
    current_ = std::move(next);
    images_[0].reset();
    if (percentMoved && !statePath_.empty())
        statefile::save(statePath_, StoredState{current_, previous_, events_});
}

void Emulator::setTaskDuration(std::chrono::milliseconds duration)
{
    std::lock_guard lock(mutex_);
    tickLocked(); // the time so far ran at the old pace
    taskDuration_ = duration;
}

std::chrono::milliseconds Emulator::taskDuration() const
{
    std::lock_guard lock(mutex_);
    return taskDuration_;
}

void Emulator::advanceTasks()
{
    std::lock_guard lock(mutex_);
    tickLocked();
}

uint32_t Emulator::deviceIoControl(SessionId id, uint32_t code, const void *in, uint32_t inLength,
                                   void *out, uint32_t outLength, uint32_t *bytesReturned)
{
    uint32_t returned = 0;
    if (bytesReturned != nullptr)
        *bytesReturned = 0;
    std::unique_lock lock(mutex_);
    if (const uint32_t fault = countTransfer(TransferKind::Query, lock); fault != winerr::Success)
        return fault;
    auto it = sessions_.find(id);
    if (it == sessions_.end())
        return winerr::InvalidHandle;
    if (it->second->kind != Session::Host)
        return winerr::NotSupported;
    if (in == nullptr)
        inLength = 0;
    Session &session = *it->second;
    if (code == kv::ioctl::FsctlLockVolume && session.target.kind == host::Target::Volume) {
        // One opener at a time holds a volume locked, until it closes.
        for (const auto &[other, held] : sessions_)
            if (other != id && held->lockedVolume == session.target.letter)
                return winerr::AccessDenied;
    }
    const uint32_t error = host::deviceIoControl(
        current_, it->second->target, code, static_cast<const uint8_t *>(in), inLength,
        static_cast<uint8_t *>(out), out == nullptr ? 0 : outLength, returned);
    if (error == winerr::Success && bytesReturned != nullptr)
        *bytesReturned = returned;
    if (error == winerr::Success && code == kv::ioctl::FsctlLockVolume &&
        session.target.kind == host::Target::Volume)
        session.lockedVolume = session.target.letter;
    return error;
}

bool Emulator::registryString(const std::string &key, const std::string &value,
                              std::string &out) const
{
    std::lock_guard lock(mutex_);
    return host::registryString(current_, key, value, out);
}

std::vector<std::string> Emulator::loadedDrivers() const
{
    std::lock_guard lock(mutex_);
    return host::loadedDrivers(current_);
}

std::vector<kv::FileDescription> Emulator::findFiles(const std::string &pattern) const
{
    std::lock_guard lock(mutex_);
    return host::findFiles(current_, pattern);
}

std::vector<kv::DiskInterface> Emulator::diskInterfaces() const
{
    std::lock_guard lock(mutex_);
    return host::diskInterfaces(current_);
}

uint32_t Emulator::requestDeviceEject(uint32_t deviceInstance, uint32_t &vetoType,
                                      std::string &vetoName)
{
    std::lock_guard lock(mutex_);
    vetoType = kv::vetotype::None;
    vetoName.clear();
    const std::optional<std::string> device = host::deviceInstanceId(current_, deviceInstance);
    if (!device)
        return kv::cmresult::NoSuchDevinst;
    if (faults_.vetoes > 0) {
        --faults_.vetoes;
        vetoType = kv::vetotype::OutstandingOpen;
        vetoName = *device;
        return kv::cmresult::RemoveVetoed;
    }
    return kv::cmresult::Success;
}

std::string Emulator::changeHost(const std::function<std::string(Host &)> &edit)
{
    std::lock_guard lock(mutex_);
    tickLocked();
    Model next = current_;
    if (std::string refusal = edit(next.host); !refusal.empty())
        return refusal;
    if (!statePath_.empty())
        if (std::string error = statefile::save(statePath_, StoredState{next, previous_, events_});
            !error.empty())
            return "change not saved: " + error;
    current_ = std::move(next);
    return {};
}

int Emulator::driveType(const std::string &rootPath) const
{
    std::lock_guard lock(mutex_);
    return host::driveType(current_, rootPath);
}

std::optional<Stall> Emulator::takeStall()
{
    std::lock_guard lock(mutex_);
    if (faults_.stalls == 0)
        return std::nullopt;
    --faults_.stalls;
    Stall stall;
    stall.duration = faults_.stallDuration;
    stall.untilClosed = faults_.stallDuration.count() == 0;
    return stall;
}

void Emulator::injectStall(std::chrono::milliseconds duration, uint32_t transfers)
{
    std::lock_guard lock(mutex_);
    faults_.stalls = transfers;
    faults_.stallDuration = duration;
}

void Emulator::injectFailures(uint32_t transfers)
{
    std::lock_guard lock(mutex_);
    faults_.failures = transfers;
}

void Emulator::injectStaleGeneration(uint32_t writeCommands)
{
    std::lock_guard lock(mutex_);
    faults_.stale = writeCommands;
}

void Emulator::injectEjectVetoes(uint32_t requests)
{
    std::lock_guard lock(mutex_);
    faults_.vetoes = requests;
}

void Emulator::injectRefusal(uint32_t command, uint32_t times)
{
    std::lock_guard lock(mutex_);
    faults_.refusedCommand = command;
    faults_.refusals = times;
}

void Emulator::injectCountdown(TransferKind kind, uint32_t nth,
                               std::optional<std::chrono::milliseconds> stall)
{
    std::lock_guard lock(mutex_);
    faults_.countdownKind = kind;
    faults_.countdown = nth;
    faults_.countdownStall = stall;
}

uint32_t Emulator::countdownRemaining() const
{
    std::lock_guard lock(mutex_);
    return faults_.countdown;
}

uint32_t Emulator::hostFrame()
{
    std::unique_lock lock(mutex_);
    return countTransfer(TransferKind::Host, lock);
}

uint32_t Emulator::countTransfer(TransferKind kind, std::unique_lock<std::mutex> &lock)
{
    if (faults_.countdown == 0 ||
        (faults_.countdownKind != TransferKind::Any && faults_.countdownKind != kind))
        return winerr::Success;
    if (--faults_.countdown != 0)
        return winerr::Success;
    if (!faults_.countdownStall)
        return winerr::IoDevice;
    const std::chrono::milliseconds stall = *faults_.countdownStall;
    if (stall.count() == 0)
        return winerr::Timeout;
    const uint64_t clearings = clearings_;
    faultsCleared_.wait_for(lock, stall, [&] { return clearings_ != clearings; });
    return winerr::Success;
}

void Emulator::clearFaults()
{
    {
        std::lock_guard lock(mutex_);
        faults_ = Faults{};
        ++clearings_;
    }
    faultsCleared_.notify_all();
}

Emulator::ControlReply Emulator::control(const std::string &commandLine)
{
    std::vector<std::string> words;
    std::istringstream input(commandLine);
    for (std::string word; input >> word;)
        words.push_back(word);
    if (words.empty())
        return {false, "empty command; try \"help\"\n"};
    for (const ControlCommand &command : controlCommands) {
        if (words[0] != command.name)
            continue;
        std::optional<ControlReply> reply;
        if (words.size() >= command.minWords && words.size() <= command.maxWords)
            reply = command.run(*this, words);
        if (!reply)
            return {false, std::string("usage: ") + command.usage + "\n"};
        if (reply->ok && words[0] == "stop") {
            std::function<void()> handler;
            {
                std::lock_guard lock(mutex_);
                handler = stopHandler_;
            }
            if (!handler)
                return {false, "nothing to stop: no daemon runs this emulator\n"};
            handler();
        }
        return *reply;
    }
    return {false, "unknown command \"" + words[0] + "\"; try \"help\"\n"};
}

void Emulator::setStopHandler(std::function<void()> handler)
{
    std::lock_guard lock(mutex_);
    stopHandler_ = std::move(handler);
}

Model Emulator::model()
{
    std::lock_guard lock(mutex_);
    tickLocked();
    return current_;
}

EventLog Emulator::events() const
{
    std::lock_guard lock(mutex_);
    return events_;
}

void Emulator::userMessage(uint32_t sequence, uint8_t *response) const
{
    // The response header's generation field is where the reader looks for
    // the presence flag and the next sequence.
    const EventRecord *record = events_.from(sequence);
    put<uint32_t>(response, 8, record ? 1 : 0);
    put<uint32_t>(response, 12, record ? record->sequence + 1 : events_.nextSequence());
    if (record == nullptr)
        return;
    put<uint16_t>(response, 512, record->number);
    response[515] = UserMessageByte;
    put<uint32_t>(response, 516, record->sequence);
    for (size_t i = 0; i < record->parameters.size(); ++i)
        put<uint32_t>(response, 520 + 4 * i, record->parameters[i]);
}

Model Emulator::previousModel() const
{
    std::lock_guard lock(mutex_);
    return previous_;
}

uint64_t Emulator::generation() const
{
    std::lock_guard lock(mutex_);
    return current_.generation;
}

size_t Emulator::sessionCount() const
{
    std::lock_guard lock(mutex_);
    return sessions_.size();
}

size_t Emulator::mailboxCount() const
{
    std::lock_guard lock(mutex_);
    return mailboxesInUse_.size();
}

std::string Emulator::change(const std::function<void(Model &)> &edit)
{
    std::lock_guard lock(mutex_);
    tickLocked();
    return changeLocked(edit, ChangeCause::Control);
}

std::string Emulator::tryChange(const std::function<std::string(Model &)> &edit)
{
    std::lock_guard lock(mutex_);
    tickLocked();
    Model next = current_;
    if (std::string refusal = edit(next); !refusal.empty())
        return refusal;
    return changeLocked([&next](Model &m) { m = std::move(next); }, ChangeCause::Control);
}

std::string Emulator::changeLocked(const std::function<void(Model &)> &edit, ChangeCause cause)
{
    // The workload up to now ran on the arrays as they were.
    statistics_.advance(current_, clock_->now());
    Model next = current_;
    edit(next);
    next.generation = current_.generation + 1;
    if (std::string problem = next.validate(); !problem.empty())
        return "change refused: " + problem;
    EventLog events = events_;
    recordChanges(current_, next, cause, events);
    if (!statePath_.empty()) {
        const StoredState stored{next, current_, events};
        if (std::string error = statefile::save(statePath_, stored); !error.empty())
            return "change not saved: " + error;
    }
    events_ = std::move(events);
    previous_ = std::move(current_);
    current_ = std::move(next);
    images_ = {};
    return {};
}

std::string Emulator::describe()
{
    std::lock_guard lock(mutex_);
    tickLocked();
    return describeLocked();
}

std::string Emulator::describeLocked() const
{
    const Model &m = current_;
    std::ostringstream out;
    out << "generation " << m.generation << "\n";
    out << "core " << hex(m.core.id) << " \"" << m.core.buildText << "\"\n";
    for (const Controller &c : m.controllers) {
        char pci[64];
        std::snprintf(pci, sizeof pci, "%04x:%04x sub %04x:%04x", c.pciVendor, c.pciDevice,
                      c.pciSubVendor, c.pciSubDevice);
        out << "controller " << c.number << " \"" << c.name << "\" bios " << c.biosBuild
            << " ports " << c.ports << " pci " << pci << " id " << hex(c.id) << "\n";
    }
    for (const PhysicalDisk &d : m.disks) {
        const FreeSpace free = m.freeSpace(d);
        out << "disk " << d.coreRoute() << "/" << d.deviceRoute << " at " << d.controller << ":"
            << d.channel << " " << diskTypeName(d.type) << " " << diskStateName(d.state) << " \""
            << d.model << "\" serial " << d.serial << " fw " << d.firmware << " capacity "
            << d.capacity << " free " << free.total << " (largest " << free.largest << ")"
            << (d.globalSpare ? " global-spare" : "")
            << ((d.portType & rec::PortNvme) ? " nvme" : "")
            << (d.identify == 1  ? " identify"
                : d.identify > 1 ? " identify-pattern-" + std::to_string(d.identify - 1)
                                 : std::string())
            << (d.smartFailing ? " smart-failing" : "")
            << (d.preparedForRemoval ? " prepared-for-removal" : "") << " id " << hex(d.id) << "\n";
    }
    for (const PhysicalDisk &d : m.pulled)
        out << "pulled disk \"" << d.model << "\" serial " << d.serial << " from " << d.controller
            << ":" << d.channel << "\n";
    for (const LogicalDevice &a : m.arrays) {
        out << "array " << a.deviceRoute << " \"" << a.name << "\" "
            << arrayTypeName(a.typeCode, a.firstCount, a.secondCount) << " "
            << arrayStateName(a.state) << " capacity " << a.capacity << " id " << hex(a.id)
            << ((a.attributes & rec::AttrNoOsDisk) ? " hidden" : "")
            << ((a.attributes & rec::AttrBackgroundScan) ? " background-scan" : "") << "\n";
        if (a.taskActive())
            out << "  task " << taskName(a.transformType)
                << (a.transformState == rec::TaskPaused ? " paused" : "") << " "
                << a.transformProgress / 1000 << "%\n";
        if (a.hasSource())
            out << "  from "
                << arrayTypeName(a.sourceTypeCode, a.sourceFirstCount, a.sourceSecondCount)
                << " capacity " << a.sourceCapacity << " members " << a.sourceElements.size()
                << "\n";
        for (const Element &e : a.elements) {
            const PhysicalDisk *disk = m.findDisk(e.diskId);
            out << "  member " << (disk ? disk->serial : std::string("(missing)")) << " start "
                << e.start << " size " << e.size
                << (e.errorFlags ? " error " + std::to_string(e.errorFlags) : std::string())
                << "\n";
        }
        for (uint64_t spare : a.spares) {
            const PhysicalDisk *disk = m.findDisk(spare);
            out << "  dedicated-spare " << (disk ? disk->serial : hex(spare)) << "\n";
        }
        for (uint64_t parent : a.parents)
            out << "  parent " << hex(parent) << "\n";
    }
    for (const Enclosure &e : m.enclosures)
        out << "enclosure " << e.coreRoute() << "/" << e.deviceRoute << " \"" << e.vendor << " "
            << e.product << "\" rev " << e.revision << " serial " << e.serial << "\n";
    out << "host raid-port Scsi" << m.host.raidPort << ":\n";
    for (const Model::OsDisk &disk : m.osDisks()) {
        out << "  physicaldrive" << disk.driveNumber << " ";
        if (disk.array != nullptr)
            out << "array " << disk.array->deviceRoute << "\n";
        else
            out << "\"" << disk.hostDevice->vendor << " " << disk.hostDevice->product
                << "\" on Scsi" << disk.hostDevice->port << ":\n";
    }
    for (const Volume &v : m.host.volumes) {
        out << "  " << v.letter << ": ";
        if (v.kind == Volume::OnArray) {
            const LogicalDevice *a = m.findArray(v.arrayId);
            out << "on array " << (a ? std::to_string(a->deviceRoute) : hex(v.arrayId));
        } else if (v.kind == Volume::OnHostDisk) {
            out << "on physicaldrive" << v.hostDrive;
        } else {
            out << "optical drive";
        }
        if (v.kind != Volume::OnCdRom)
            out << " bytes " << v.startBytes << "+" << v.lengthBytes;
        out << (v.inUse ? " in-use" : "") << "\n";
    }
    for (const DriverFile &d : m.host.drivers)
        out << "driver " << d.name << " "
            << (d.version.empty() ? std::string("(no version)") : d.version) << " in "
            << d.directory << (d.imagePath.empty() ? " unregistered" : "")
            << (d.loaded ? " loaded" : " not-loaded") << "\n";
    return out.str();
}

} // namespace kvemu
