#include "daemon.h"

#include "demo_config.h"
#include "emulator.h"
#include "emulator_wire.h"
#include "kv_platform.h"
#include "socket_io.h"
#include "state_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <list>
#include <map>
#include <mutex>
#include <poll.h>
#include <set>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace kvemu {

namespace wire = kv::wire;
namespace winerr = kv::winerr;

namespace {

// Refusals answered at once beyond a user's share; further connections of
// that user are closed without an answer until those are done.
constexpr size_t RefusalSlots = 4;
// How long a refused connection may take to send the request it is told
// the reason in.
constexpr std::chrono::milliseconds RefusalWait{1000};
constexpr const char *LockName = "kvemu.lock";
constexpr const char *StateName = "state.kvemu";

// Written by the signal handler and by "stop"; once readable it stays
// readable, so every waiter sees the stop.
int stopPipe[2] = {-1, -1};

void requestStop()
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(stopPipe[1], &byte, 1);
}

void onSignal(int)
{
    const int saved = errno;
    requestStop();
    errno = saved;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Creates the directory (mode 0700) when missing and refuses one that is not
// a real directory owned by this user and closed to everyone else.
bool prepareDirectory(const std::string &dir, std::ostream &err)
{
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) {
        err << "kvemu: cannot create " << dir << ": " << std::strerror(errno) << "\n";
        return false;
    }
    if (std::string why = wire::checkPrivateDirectory(dir, uint32_t(::geteuid())); !why.empty()) {
        err << "kvemu: " << why << "\n";
        return false;
    }
    return true;
}

// Waits out a stall: for its length, or (untilClosed) until the caller
// disconnects. Returns false when the connection should end (caller gone or
// daemon stopping).
bool waitOutStall(int fd, const Stall &stall)
{
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + stall.duration;
    bool watchSocket = true;
    for (;;) {
        int timeout = -1;
        if (!stall.untilClosed) {
            const auto left = duration_cast<milliseconds>(deadline - steady_clock::now());
            if (left.count() <= 0)
                return true;
            timeout = int(std::min<long long>(left.count(), 60000));
        }
        pollfd entries[2] = {{stopPipe[0], POLLIN, 0}, {fd, short(watchSocket ? POLLIN : 0), 0}};
        const int ready = ::poll(entries, 2, timeout);
        if (ready < 0 && errno != EINTR)
            return false;
        if (entries[0].revents != 0)
            return false;
        if (entries[1].revents & (POLLHUP | POLLERR))
            return false;
        if (entries[1].revents & POLLIN) {
            char byte;
            const ssize_t n = ::recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
            if (n == 0)
                return false;
            watchSocket = false; // the caller sent more than one request; keep stalling
        }
    }
}

// Answers one Host frame (see emulator_wire.h): the error, the answer texts
// in `out` and the response value.
uint32_t answerHostQuery(Emulator &emulator, uint32_t query, const std::vector<uint8_t> &payload,
                         std::string &out, uint32_t &value)
{
    std::vector<std::string> arguments;
    if (!wire::splitTexts(payload.data(), payload.size(), arguments))
        return winerr::InvalidParameter;
    if (wire::HostQuery(query) == wire::HostQuery::DriveTypes) {
        for (const std::string &root : arguments)
            wire::appendText(out, std::to_string(emulator.driveType(root)));
        return winerr::Success;
    }
    if (const uint32_t fault = emulator.hostFrame(); fault != winerr::Success)
        return fault;
    switch (wire::HostQuery(query)) {
    case wire::HostQuery::Registry: {
        std::string text;
        if (arguments.size() != 2)
            return winerr::InvalidParameter;
        if (!emulator.registryString(arguments[0], arguments[1], text))
            return winerr::FileNotFound;
        wire::appendText(out, text);
        return winerr::Success;
    }
    case wire::HostQuery::LoadedDrivers:
        for (const std::string &name : emulator.loadedDrivers())
            wire::appendText(out, name);
        return winerr::Success;
    case wire::HostQuery::FindFiles:
        if (arguments.size() != 1)
            return winerr::InvalidParameter;
        for (const kv::FileDescription &file : emulator.findFiles(arguments[0]))
            wire::appendFile(out, file);
        return winerr::Success;
    case wire::HostQuery::DiskInterfaces:
        for (const kv::DiskInterface &device : emulator.diskInterfaces()) {
            wire::appendText(out, std::to_string(device.deviceInstance));
            wire::appendText(out, device.path);
        }
        return winerr::Success;
    case wire::HostQuery::Eject: {
        uint32_t instance = 0;
        if (arguments.size() != 1 ||
            std::from_chars(arguments[0].data(), arguments[0].data() + arguments[0].size(),
                            instance)
                    .ptr != arguments[0].data() + arguments[0].size())
            return winerr::InvalidParameter;
        std::string vetoName;
        const uint32_t result = emulator.requestDeviceEject(instance, value, vetoName);
        wire::appendText(out, vetoName);
        return result;
    }
    case wire::HostQuery::DriveTypes: // answered above, outside the host frames
        break;
    }
    return winerr::NotSupported;
}

} // namespace

// Serves one connection: one open file at most, one request at a time. A
// client that sends nothing for `idle` (or takes longer to send a request)
// is dropped.
void serveConnection(int fd, Emulator &emulator, bool elevated, std::chrono::milliseconds idle)
{
    std::optional<SessionId> session;
    std::vector<uint8_t> payload;
    std::vector<uint8_t> answer;
    for (;;) {
        wire::RequestHeader request{};
        if (sockio::readExact(fd, &request, sizeof request, idle) != sockio::Result::Ok)
            break;
        if (request.magic != wire::RequestMagic || request.length > wire::MaxPayload ||
            request.outLength > wire::MaxPayload || request.op < uint32_t(wire::Op::Open) ||
            request.op > uint32_t(wire::Op::Host))
            break; // not our protocol: drop this connection only
        payload.resize(request.length);
        if (request.length > 0 &&
            sockio::readExact(fd, payload.data(), payload.size(), idle) != sockio::Result::Ok)
            break;

        wire::ResponseHeader response{wire::ResponseMagic, winerr::Success, 0, 0};
        answer.clear();
        const auto op = wire::Op(request.op);
        const bool transfer = op == wire::Op::Read || op == wire::Op::Write;
        if (transfer && session) {
            if (const std::optional<Stall> stall = emulator.takeStall())
                if (!waitOutStall(fd, *stall))
                    break;
        }
        switch (op) {
        case wire::Op::Open: {
            if (session) {
                response.error = winerr::InvalidParameter; // one file per connection
                break;
            }
            SessionId id = 0;
            const std::string name(payload.begin(), payload.end());
            response.error = emulator.open(name, request.code, id, elevated);
            if (response.error == winerr::Success)
                session = id;
            break;
        }
        case wire::Op::Read:
            if (!session) {
                response.error = winerr::InvalidHandle;
                break;
            }
            answer.resize(request.outLength);
            response.error =
                emulator.read(*session, answer.data(), request.offset, request.outLength);
            if (response.error != winerr::Success)
                answer.clear();
            break;
        case wire::Op::Write:
            response.error = session ? emulator.write(*session, payload.data(), request.offset,
                                                      uint32_t(payload.size()))
                                     : winerr::InvalidHandle;
            break;
        case wire::Op::Ioctl: {
            if (!session) {
                response.error = winerr::InvalidHandle;
                break;
            }
            answer.resize(request.outLength);
            uint32_t returned = 0;
            response.error = emulator.deviceIoControl(
                *session, request.code, payload.empty() ? nullptr : payload.data(),
                uint32_t(payload.size()), answer.empty() ? nullptr : answer.data(),
                request.outLength, &returned);
            answer.resize(response.error == winerr::Success ? std::min(returned, request.outLength)
                                                            : 0);
            response.value = uint32_t(answer.size());
            break;
        }
        case wire::Op::DriveType:
            response.value =
                uint32_t(emulator.driveType(std::string(payload.begin(), payload.end())));
            break;
        case wire::Op::Host: {
            std::string text;
            response.error = answerHostQuery(emulator, request.code, payload, text, response.value);
            if (text.size() > request.outLength) {
                response.error = winerr::InsufficientBuffer;
                text.clear();
            }
            answer.assign(text.begin(), text.end());
            break;
        }
        case wire::Op::Control: {
            const Emulator::ControlReply reply =
                emulator.control(std::string(payload.begin(), payload.end()));
            response.error = reply.ok ? winerr::Success : winerr::InvalidParameter;
            answer.assign(reply.text.begin(),
                          reply.text.begin() +
                              std::min<size_t>(reply.text.size(), request.outLength));
            break;
        }
        }
        response.length = uint32_t(answer.size());
        if (!sockio::writeAll(fd, &response, sizeof response, answer.data(), answer.size()))
            break;
    }
    if (session)
        emulator.close(*session);
    // The peer sees the end now; the descriptor itself is closed when the
    // thread is joined.
    ::shutdown(fd, SHUT_RDWR);
}

namespace {

// Answers the connection's first request with `error` and the reason (as
// text when the request takes an answer that long) and ends it.
void refuseConnection(int fd, uint32_t error, const std::string &reason)
{
    wire::RequestHeader request{};
    std::vector<uint8_t> payload;
    if (sockio::readExact(fd, &request, sizeof request, RefusalWait) == sockio::Result::Ok &&
        request.magic == wire::RequestMagic && request.length <= wire::MaxPayload) {
        // Read what the request carries, so that the answer is not lost to
        // a reset of a connection closed with unread bytes.
        payload.resize(request.length);
        if (payload.empty() || sockio::readExact(fd, payload.data(), payload.size(), RefusalWait) ==
                                   sockio::Result::Ok) {
            const size_t length = reason.size() <= request.outLength ? reason.size() : 0;
            const wire::ResponseHeader response{wire::ResponseMagic, error, uint32_t(length), 0};
            sockio::writeAll(fd, &response, sizeof response, reason.data(), length);
        }
    }
    ::shutdown(fd, SHUT_RDWR);
}

// The threads that serve connections. Each waits in accept() itself, so a new
// client wakes exactly one thread and starts no new one: a thread that takes
// the last idle place in accept() first starts another acceptor, and every
// thread goes back to accept() when its connection ends. The pool grows to
// the largest number of clients seen at once (at most the connection limit)
// and lives until the daemon stops.
//
// Every connection is counted against the user at its other end: this user
// and root are served up to half of the limit each (so neither can take every
// place from the other); another user, and a user beyond that share, is told
// why and closed, and beyond a few such answers closed at once.
class AcceptorPool {
public:
    AcceptorPool(int listener, Emulator &emulator, const ServeOptions &options, std::ostream &err)
        : listener_(listener), emulator_(emulator), idleTimeout_(options.idleTimeout),
          limit_(std::max<size_t>(options.maxConnections, 1)), err_(err)
    {
    }

    void start(size_t acceptors)
    {
        std::lock_guard lock(mutex_);
        for (size_t i = 0; i < acceptors; ++i)
            spawnLocked();
    }

    // Wakes every thread reading a request (the acceptors wake on the stop
    // pipe, which is readable by now), lets replies in flight go out, and
    // joins them all.
    void stop()
    {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
            for (int fd : active_)
                ::shutdown(fd, SHUT_RD);
        }
        // No thread is started once stopping_ is set, so the list is final.
        for (std::thread &thread : threads_)
            thread.join();
    }

private:
    void spawnLocked()
    {
        if (stopping_ || threads_.size() >= limit_)
            return;
        ++idle_;
        threads_.emplace_back([this] { run(); });
    }

    // The listener is non-blocking and every acceptor also waits on the stop
    // pipe: a listener handed over by the service manager must not be shut
    // down, since the manager goes on listening on it after the daemon ends.
    void run()
    {
        for (;;) {
            pollfd entries[2] = {{listener_, POLLIN, 0}, {stopPipe[0], POLLIN, 0}};
            const int ready = ::poll(entries, 2, -1);
            const int fd = ready > 0 && entries[1].revents == 0
                               ? ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)
                               : -1;
            const int error = ready < 0 ? errno : fd < 0 ? (ready > 0 ? errno : EINTR) : 0;
            {
                std::lock_guard lock(mutex_);
                if (stopping_ || (ready > 0 && entries[1].revents != 0)) {
                    if (fd >= 0)
                        ::close(fd);
                    return;
                }
                if (fd < 0) {
                    if (error == EINTR || error == EAGAIN || error == EWOULDBLOCK ||
                        error == ECONNABORTED || error == EMFILE || error == ENFILE ||
                        error == ENOMEM) {
                        if (error == EMFILE || error == ENFILE || error == ENOMEM)
                            std::this_thread::sleep_for(std::chrono::milliseconds(10));
                        continue;
                    }
                    return;
                }
                active_.insert(fd);
                if (--idle_ == 0)
                    spawnLocked();
            }
            handle(fd);
            std::lock_guard lock(mutex_);
            active_.erase(fd);
            ::close(fd);
            ++idle_;
        }
    }

    // Serves the connection, or refuses it, by the user at its other end.
    void handle(int fd)
    {
        const uint32_t own = uint32_t(::geteuid());
        uint32_t peer = UINT32_MAX; // unknown credentials: nobody's
        const bool known = wire::peerUid(fd, peer);
        const bool trusted = known && wire::peerIsTrusted(peer, own);
        const size_t share = trusted ? std::max<size_t>(limit_ / 2, 1) : 0;
        size_t held = 0;
        {
            std::lock_guard lock(mutex_);
            held = ++perUser_[peer];
        }
        // A client that sends nothing, or stops reading, cannot hold the
        // thread for longer than the bound.
        const std::chrono::milliseconds bound = held <= share ? idleTimeout_ : RefusalWait;
        const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(bound).count();
        const timeval value{time_t(micros / 1000000), suseconds_t(micros % 1000000)};
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &value, sizeof value);
        ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &value, sizeof value);

        if (held <= share) {
            serveConnection(fd, emulator_, wire::isElevated(peer, own), idleTimeout_);
        } else if (held <= share + RefusalSlots) {
            const std::string reason =
                trusted ? "kvemu: user " + std::to_string(peer) + " already holds " +
                              std::to_string(share) + " connections, its share of " +
                              std::to_string(limit_) + "; close some and try again\n"
                        : "kvemu: this emulator serves user " + std::to_string(own) +
                              " and root only; " +
                              (known ? "user " + std::to_string(peer) : std::string("a peer")) +
                              " is refused\n";
            {
                std::lock_guard lock(errMutex_);
                err_ << reason << std::flush;
            }
            refuseConnection(fd, trusted ? winerr::NotReady : winerr::AccessDenied, reason);
        } else {
            ::shutdown(fd, SHUT_RDWR);
        }
        std::lock_guard lock(mutex_);
        if (--perUser_[peer] == 0)
            perUser_.erase(peer);
    }

    int listener_;
    Emulator &emulator_;
    const std::chrono::milliseconds idleTimeout_;
    const size_t limit_;
    std::ostream &err_;
    std::mutex errMutex_;
    std::mutex mutex_;
    bool stopping_ = false;
    size_t idle_ = 0;
    std::set<int> active_;
    std::map<uint32_t, size_t> perUser_; // connections on a thread, by user
    std::list<std::thread> threads_;
};

std::unique_ptr<Emulator> openEmulator(const ServeOptions &options, const std::string &statePath,
                                       std::ostream &out, std::ostream &err, int &exitCode)
{
    auto clock = std::make_shared<SystemClock>();
    if (options.demo) {
        const Model demo = demoModel();
        return std::make_unique<Emulator>(StoredState{demo, demo}, clock);
    }
    StoredState state;
    std::string error;
    switch (statefile::load(statePath, state, error)) {
    case statefile::LoadResult::Loaded:
        out << "kvemu: loaded " << statePath << " (generation " << state.current.generation
            << ")\n";
        break;
    case statefile::LoadResult::Missing:
        state.current = demoModel();
        state.previous = state.current;
        if (std::string saveError = statefile::save(statePath, state); !saveError.empty()) {
            err << "kvemu: " << saveError << "\n";
            exitCode = exitcode::Failure;
            return nullptr;
        }
        out << "kvemu: created " << statePath << " with the demo configuration\n";
        break;
    case statefile::LoadResult::Refused:
        err << "kvemu: " << error << "\n";
        exitCode = exitcode::StateRefused;
        return nullptr;
    }
    return std::make_unique<Emulator>(std::move(state), clock, statePath);
}

} // namespace

int serve(const ServeOptions &options, std::ostream &out, std::ostream &err)
{
    const std::string &dir = options.socketDirectory;
    if (options.demo && !options.statePath.empty()) {
        err << "kvemu: --demo keeps no state file; do not combine it with --state\n";
        return exitcode::Usage;
    }
    if (!prepareDirectory(dir, err))
        return exitcode::UnsafeDirectory;

    const std::string lockPath = dir + "/" + LockName;
    FileDescriptor lock(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (lock.get() < 0) {
        err << "kvemu: cannot open " << lockPath << ": " << std::strerror(errno) << "\n";
        return exitcode::Failure;
    }
    if (::flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            err << "kvemu: another kvemu is already serving " << dir << "\n";
            return exitcode::AlreadyRunning;
        }
        err << "kvemu: cannot lock " << lockPath << ": " << std::strerror(errno) << "\n";
        return exitcode::Failure;
    }

    const std::string statePath =
        options.statePath.empty() ? dir + "/" + StateName : options.statePath;
    statefile::Claim claim;
    if (!options.demo) {
        std::string error;
        switch (statefile::claim(statePath, claim, error)) {
        case statefile::ClaimResult::Claimed:
            break;
        case statefile::ClaimResult::Busy:
            err << "kvemu: another kvemu is already using the state file " << statePath << "\n";
            return exitcode::AlreadyRunning;
        case statefile::ClaimResult::Failed:
            err << "kvemu: " << error << "\n";
            return exitcode::Failure;
        }
    }
    int exitCode = exitcode::Ok;
    std::unique_ptr<Emulator> emulator = openEmulator(options, statePath, out, err, exitCode);
    if (!emulator)
        return exitCode;

    const std::string socketPath = dir + "/" + wire::SocketName;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path) {
        err << "kvemu: socket path " << socketPath << " is too long\n";
        return exitcode::Failure;
    }
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    // A listener handed over by the service manager is its socket: the
    // daemon neither replaces nor removes it.
    const bool handedOver = options.listener >= 0;
    FileDescriptor listener(handedOver ? options.listener
                                       : ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (handedOver) {
        int type = 0;
        int listening = 0;
        socklen_t length = sizeof type;
        socklen_t listeningLength = sizeof listening;
        if (::getsockopt(listener.get(), SOL_SOCKET, SO_TYPE, &type, &length) != 0 ||
            type != SOCK_STREAM ||
            ::getsockopt(listener.get(), SOL_SOCKET, SO_ACCEPTCONN, &listening, &listeningLength) !=
                0 ||
            listening == 0) {
            err << "kvemu: the socket handed over is not a listening stream socket\n";
            return exitcode::Failure;
        }
    } else {
        ::unlink(socketPath.c_str()); // a leftover of a daemon that was killed; we hold the lock
        if (listener.get() < 0 ||
            ::bind(listener.get(), reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
            ::chmod(socketPath.c_str(), 0600) != 0 || ::listen(listener.get(), 64) != 0) {
            err << "kvemu: cannot listen on " << socketPath << ": " << std::strerror(errno) << "\n";
            return exitcode::Failure;
        }
    }
    const int flags = ::fcntl(listener.get(), F_GETFL);
    if (flags < 0 || ::fcntl(listener.get(), F_SETFL, flags | O_NONBLOCK) != 0 ||
        ::fcntl(listener.get(), F_SETFD, FD_CLOEXEC) != 0) {
        err << "kvemu: cannot set up the listener: " << std::strerror(errno) << "\n";
        return exitcode::Failure;
    }

    if (::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        err << "kvemu: cannot create a pipe: " << std::strerror(errno) << "\n";
        return exitcode::Failure;
    }
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    ::signal(SIGPIPE, SIG_IGN);
    emulator->setStopHandler(requestStop);

    out << "kvemu: serving " << dir << std::endl;

    AcceptorPool pool(listener.get(), *emulator, options, err);
    pool.start(2);
    for (;;) {
        pollfd entry{stopPipe[0], POLLIN, 0};
        if (::poll(&entry, 1, -1) < 0 && errno != EINTR)
            break;
        if (entry.revents != 0)
            break;
    }
    if (!handedOver)
        ::unlink(socketPath.c_str());
    requestStop(); // wakes the acceptors also when the wait above failed
    pool.stop();
    emulator->setStopHandler({});
    emulator->shutDown();
    out << "kvemu: stopped" << std::endl;
    return exitcode::Ok;
}

int inheritedListener(std::ostream &err)
{
    constexpr int FirstDescriptor = 3;
    const char *pidText = std::getenv("LISTEN_PID");
    const char *countText = std::getenv("LISTEN_FDS");
    if (pidText == nullptr || countText == nullptr)
        return -1;
    const auto number = [](const char *text, long long &value) {
        const char *end = text + std::strlen(text);
        const auto [stop, error] = std::from_chars(text, end, value);
        return error == std::errc() && stop == end && end != text;
    };
    long long pid = 0;
    long long count = 0;
    const bool ours = number(pidText, pid) && pid == ::getpid() && number(countText, count);
    ::unsetenv("LISTEN_PID");
    ::unsetenv("LISTEN_FDS");
    ::unsetenv("LISTEN_FDNAMES");
    if (!ours || count == 0)
        return -1;
    if (count != 1) {
        err << "kvemu: " << count << " sockets handed over; the emulator listens on one\n";
        return -2;
    }
    return FirstDescriptor;
}

int control(const std::string &socketDirectory, const std::string &commandLine, std::ostream &out,
            std::ostream &err)
{
    const std::string socketPath = socketDirectory + "/" + wire::SocketName;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path) {
        err << "kvemu: socket path " << socketPath << " is too long\n";
        return exitcode::Usage;
    }
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const uint32_t own = uint32_t(::geteuid());
    struct stat info {};
    if (::lstat(socketDirectory.c_str(), &info) == 0) {
        if (std::string why = wire::checkPrivateDirectory(socketDirectory, own); !why.empty()) {
            err << "kvemu: " << why << "\n";
            return exitcode::UnsafeDirectory;
        }
    }
    FileDescriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (fd.get() < 0 ||
        ::connect(fd.get(), reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        err << "kvemu: no emulator answers at " << socketPath << ": " << std::strerror(errno)
            << "\n";
        return exitcode::Unreachable;
    }
    uint32_t peer = 0;
    if (!wire::peerUid(fd.get(), peer) || !wire::peerIsTrusted(peer, own)) {
        err << "kvemu: the process serving " << socketPath
            << " runs as another user; it is not asked\n";
        return exitcode::UnsafeDirectory;
    }
    timeval timeout{30, 0};
    ::setsockopt(fd.get(), SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    wire::RequestHeader request{wire::RequestMagic,
                                uint32_t(wire::Op::Control),
                                0,
                                0,
                                uint32_t(commandLine.size()),
                                wire::MaxPayload,
                                0};
    wire::ResponseHeader response{};
    if (!sockio::writeAll(fd.get(), &request, sizeof request) ||
        !sockio::writeAll(fd.get(), commandLine.data(), commandLine.size()) ||
        sockio::readExact(fd.get(), &response, sizeof response) != sockio::Result::Ok ||
        response.magic != wire::ResponseMagic || response.length > wire::MaxPayload) {
        err << "kvemu: the emulator at " << socketPath << " did not answer\n";
        return exitcode::Unreachable;
    }
    std::string text(response.length, '\0');
    if (response.length > 0 &&
        sockio::readExact(fd.get(), text.data(), text.size()) != sockio::Result::Ok) {
        err << "kvemu: the answer was cut short\n";
        return exitcode::Unreachable;
    }
    (response.error == winerr::Success ? out : err) << text;
    return response.error == winerr::Success ? exitcode::Ok : exitcode::Refused;
}

} // namespace kvemu
