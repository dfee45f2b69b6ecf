// The driver emulator: one core of the RAID stack behind its configuration
// endpoint, the per-device endpoints, and the host's storage queries.
//
// Every open file is a session. Sessions on the configuration endpoint
// ("\\.\KVConfig0") obtain mailboxes by reading 1024 bytes at offset 0; a
// block written at mailbox sector x 512 is a request and the next read there
// returns its response. Mailboxes belong to their session and are freed when
// it closes.
//
// Thread-safe: one lock guards the model, the sessions and the fault
// counters; no call blocks while holding it (stalls are carried out by the
// transport, after takeStall(); a countdown's stall waits with it released).
#pragma once

#include "clock.h"
#include "event_log.h"
#include "kv_platform.h"
#include "model.h"
#include "state_file.h"
#include "statistics.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kvemu {

using SessionId = uint64_t;

// Bytes of the configuration device; transfers beyond it report end of data.
inline constexpr uint64_t ConfigDeviceBytes = 1ull << 30;
inline constexpr uint32_t SectorBytes = 512;
// Mailboxes are 128 sectors (64 KiB) apart, room for the largest response.
inline constexpr uint32_t MailboxSpacing = 128;
inline constexpr uint32_t MaxMailboxesPerSession = 16;
inline constexpr uint32_t MaxMailboxes = 4096;
inline constexpr uint32_t MaxRequestBytes = MailboxSpacing * SectorBytes;
inline constexpr uint32_t StatusResponseBytes = 8192;

// What a transport must do before the next transfer.
struct Stall {
    std::chrono::milliseconds duration{0}; // ignored when untilClosed
    bool untilClosed = false;              // never answer; wait for the caller to go
};

// The kinds of transfer a countdown counts: opens of any file, Read and
// Write frames on an open file, I/O-control requests (SCSI and storage
// queries, volume lock and dismount), Host frames; Any counts all of them.
enum class TransferKind { Any, Open, Read, Write, Query, Host };
// "any", "open", "read", "write", "query", "host"; null for another word.
std::optional<TransferKind> transferKindNamed(const std::string &word);
const char *transferKindName(TransferKind kind);

class Emulator {
public:
    // `statePath` empty: the state lives in memory only. Otherwise every change
    // is saved there before it becomes visible.
    Emulator(StoredState state, std::shared_ptr<Clock> clock, std::string statePath = {});
    ~Emulator();
    Emulator(const Emulator &) = delete;
    Emulator &operator=(const Emulator &) = delete;

    // --- Files -----------------------------------------------------------
    // Opens a Windows device name; returns a Windows error number. An opener
    // that is not `elevated` is refused the destructive commands
    // (privileges.h).
    uint32_t open(const std::string &name, uint32_t disposition, SessionId &session,
                  bool elevated = true);
    // Closes a session and frees its mailboxes. Unknown ids are ignored.
    void close(SessionId session);
    // Positioned transfers of exactly `count` bytes; Windows error numbers.
    uint32_t read(SessionId session, void *buffer, uint64_t offset, uint32_t count);
    uint32_t write(SessionId session, const void *buffer, uint64_t offset, uint32_t count);
    uint32_t deviceIoControl(SessionId session, uint32_t code, const void *in, uint32_t inLength,
                             void *out, uint32_t outLength, uint32_t *bytesReturned);
    int driveType(const std::string &rootPath) const;

    // --- Host ------------------------------------------------------------
    // The registry, the loaded drivers, the driver files and the disk
    // devices as the host model has them (see host_model.h).
    bool registryString(const std::string &key, const std::string &value, std::string &out) const;
    std::vector<std::string> loadedDrivers() const;
    std::vector<kv::FileDescription> findFiles(const std::string &pattern) const;
    std::vector<kv::DiskInterface> diskInterfaces() const;
    // A kv::cmresult code: NoSuchDevinst for a device that is not present,
    // RemoveVetoed while vetoes are pending (`fault veto N`), else Success.
    // A successful eject changes nothing in the model: the array leaves the
    // host when it is hidden or taken offline.
    uint32_t requestDeviceEject(uint32_t deviceInstance, uint32_t &vetoType, std::string &vetoName);
    // Applies `edit` to the host (loaded drivers, volumes in use) and saves.
    // The driver's configuration is not changed by it: no new generation,
    // no event. Returns why nothing changed, or an empty string.
    std::string changeHost(const std::function<std::string(Host &)> &edit);

    // --- Faults ----------------------------------------------------------
    // Consumes one pending stall, if any. Transports call it before every
    // read and write and carry the stall out themselves.
    std::optional<Stall> takeStall();
    void injectStall(std::chrono::milliseconds duration, uint32_t transfers);
    void injectFailures(uint32_t transfers);            // fail with ERROR_IO_DEVICE
    void injectStaleGeneration(uint32_t writeCommands); // answer status 38
    void injectEjectVetoes(uint32_t requests);          // the next eject requests are vetoed
    // The next `times` write commands `command` are refused with status 6
    // (device busy).
    void injectRefusal(uint32_t command, uint32_t times);
    // The countdown: the `nth` transfer of `kind` from now (1: the next one)
    // fails with ERROR_IO_DEVICE, or, with `stall`, is carried out only after
    // that long; a stall of 0 ms is a caller that stopped waiting: the
    // transfer is not carried out and answers ERROR_TIMEOUT (1460). Transfers
    // of other kinds pass. A new countdown replaces a pending one; it is spent
    // once it fired.
    void injectCountdown(TransferKind kind, uint32_t nth,
                         std::optional<std::chrono::milliseconds> stall = std::nullopt);
    // Transfers of its kind still to come until the countdown fires, the
    // firing one included; 0 when none is pending (it fired, or was cleared).
    uint32_t countdownRemaining() const;
    // Transports call it before answering a Host frame: the Windows error
    // the frame must answer instead (Success: go on).
    uint32_t hostFrame();
    void clearFaults();

    // --- Control ---------------------------------------------------------
    struct ControlReply {
        bool ok = true;
        std::string text;
    };
    // Runs one control command line ("status", "fault stall 15000 1", ...).
    ControlReply control(const std::string &commandLine);
    // Called (outside the lock) by the "stop" command.
    void setStopHandler(std::function<void()> handler);

    // --- Tasks -----------------------------------------------------------
    // How long a background task takes from start to end on the clock
    // (default three minutes). Zero finishes a task at the next look.
    void setTaskDuration(std::chrono::milliseconds duration);
    std::chrono::milliseconds taskDuration() const;
    // Moves the running tasks on to the clock's present time. Every request,
    // control command and model() call does this first.
    void advanceTasks();

    // --- Model -----------------------------------------------------------
    // The model with its tasks moved on to the present.
    Model model();
    Model previousModel() const;
    // Records the shutdown of every task and saves; the daemon calls it when
    // it stops cleanly.
    void shutDown();
    // The event log as read 0x1002 answers it.
    EventLog events() const;
    uint64_t generation() const;
    size_t sessionCount() const;
    size_t mailboxCount() const;
    const Clock &clock() const { return *clock_; }

    // Applies `edit` to a copy of the model, advances the generation, saves,
    // and only then makes the result current (the old model becomes the
    // previous configuration). Returns an empty string, or why nothing
    // changed (the edit left the model inconsistent, or the save failed).
    std::string change(const std::function<void(Model &)> &edit);
    // The same for an edit that may refuse: it returns why (the model and
    // the generation then stay as they were) or an empty string.
    std::string tryChange(const std::function<std::string(Model &)> &edit);

    // A readable description of the model, as "kvemu ctl state" prints it.
    std::string describe();

private:
    struct Mailbox {
        // The response. An image answer shares the built image, and
        // `response` then holds only its own 32-byte header.
        std::vector<uint8_t> response;
        std::shared_ptr<const std::vector<uint8_t>> image;
        bool failRead = false; // the response is an error status
    };
    struct Session;

    struct Faults {
        uint32_t stalls = 0;
        std::chrono::milliseconds stallDuration{0};
        uint32_t failures = 0;
        uint32_t stale = 0;
        uint32_t vetoes = 0;
        uint32_t refusedCommand = 0, refusals = 0;
        TransferKind countdownKind = TransferKind::Any;
        uint32_t countdown = 0; // transfers of countdownKind until it fires; 0: none
        std::optional<std::chrono::milliseconds> countdownStall;
    };

    uint32_t configRead(Session &session, uint8_t *buffer, uint64_t offset, uint32_t count);
    uint32_t configWrite(Session &session, const uint8_t *buffer, uint64_t offset, uint32_t count);
    void handleRequest(Session &session, uint32_t mailbox, const uint8_t *block, uint32_t count,
                       uint32_t &status, bool &isReadCommand);
    uint32_t writeCommand(Session &session, uint32_t command, const uint8_t *block, uint32_t count);
    // Runs `command` on a copy of the model and makes the copy current only
    // when it answers success; a refusal changes nothing.
    uint32_t commandLocked(const std::function<uint32_t(Model &)> &command);
    void tickLocked();
    std::vector<uint8_t> responseHeader(uint32_t status, uint32_t mailbox, size_t size) const;
    // Records the change's events with it; they are saved and become
    // visible together.
    std::string changeLocked(const std::function<void(Model &)> &edit, ChangeCause cause);
    void userMessage(uint32_t sequence, uint8_t *response) const;
    std::string describeLocked() const;
    std::string statusLocked() const;
    bool takeFailure();
    // Counts one transfer of `kind` against the countdown (the lock is held
    // through `lock`); the Windows error it answers instead, or Success. A
    // timed stall is waited out here with the lock released; `fault clear`
    // ends it early.
    uint32_t countTransfer(TransferKind kind, std::unique_lock<std::mutex> &lock);

    mutable std::mutex mutex_;
    std::shared_ptr<Clock> clock_;
    std::string statePath_;
    Model current_;
    Model previous_;
    EventLog events_;
    // The current and the previous image, built on first demand; every change
    // of the model empties them.
    std::array<std::shared_ptr<const std::vector<uint8_t>>, 2> images_;
    std::map<SessionId, std::unique_ptr<Session>> sessions_;
    std::set<uint32_t> mailboxesInUse_;
    SessionId nextSession_ = 1;
    Faults faults_;
    std::condition_variable faultsCleared_;
    uint64_t clearings_ = 0; // how often the faults were cleared
    std::function<void()> stopHandler_;
    Statistics statistics_; // counts from construction on
    std::chrono::milliseconds taskDuration_{180000};
    std::chrono::milliseconds lastTick_{0}; // tasks have run up to here
};

} // namespace kvemu
