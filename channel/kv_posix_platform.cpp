#include "kv_posix_platform.h"

#include "emulator_wire.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace kv {

std::string wire::defaultSocketDirectory()
{
    if (const char *dir = std::getenv(wire::DirectoryVariable); dir != nullptr && *dir != '\0')
        return dir;
    if (const char *runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime)
        return std::string(runtime) + "/velmora-emulator";
    return "/tmp/velmora-emulator-" + std::to_string(getuid());
}

namespace {

using Clock = std::chrono::steady_clock;

// One connection to the daemon. Every exchange has to finish before the
// deadline; after a timeout or a broken frame the connection is dropped and
// later calls fail at once.
class Connection {
public:
    Connection(const std::string &socketPath, std::chrono::milliseconds timeout)
        : timeout_(timeout)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (socketPath.size() >= sizeof address.sun_path)
            return;
        std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd_ < 0)
            return;
        if (::connect(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0)
            drop();
    }
    ~Connection() { drop(); }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    bool isOpen() const { return fd_ >= 0; }

    // Sends a request and receives its response. Returns a Windows error
    // number for a transport failure; otherwise Success, with the daemon's
    // own answer in `response` and the payload in `payload` (at most
    // `payloadCapacity` bytes are kept, the rest is an error).
    uint32_t exchange(wire::Op op, uint64_t offset, uint32_t code, const void *data,
                      uint32_t length, uint32_t outLength, wire::ResponseHeader *response,
                      void *payload, uint32_t payloadCapacity)
    {
        if (fd_ < 0)
            return winerr::InvalidHandle;
        const auto deadline = Clock::now() + timeout_;
        wire::RequestHeader header{wire::RequestMagic, uint32_t(op), offset, code, length,
                                   outLength, 0};
        if (!sendAll(&header, sizeof header, deadline) ||
            (length > 0 && !sendAll(data, length, deadline)))
            return failTransport();
        if (!receiveAll(response, sizeof *response, deadline) ||
            response->magic != wire::ResponseMagic || response->length > payloadCapacity ||
            response->length > wire::MaxPayload)
            return failTransport();
        if (response->length > 0 && !receiveAll(payload, response->length, deadline))
            return failTransport();
        return winerr::Success;
    }

private:
    uint32_t failTransport()
    {
        const bool timedOut = timedOut_;
        drop();
        return timedOut ? winerr::Timeout : winerr::IoDevice;
    }

    void drop()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

    bool waitFor(short events, Clock::time_point deadline)
    {
        for (;;) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) {
                timedOut_ = true;
                return false;
            }
            pollfd entry{fd_, events, 0};
            const int ready = ::poll(&entry, 1, int(left.count()));
            if (ready > 0)
                return true;
            if (ready < 0 && errno != EINTR)
                return false;
        }
    }

    bool sendAll(const void *data, size_t length, Clock::time_point deadline)
    {
        auto *bytes = static_cast<const uint8_t *>(data);
        while (length > 0) {
            if (!waitFor(POLLOUT, deadline))
                return false;
            const ssize_t sent = ::send(fd_, bytes, length, MSG_NOSIGNAL | MSG_DONTWAIT);
            if (sent < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            if (sent <= 0)
                return false;
            bytes += sent;
            length -= size_t(sent);
        }
        return true;
    }

    bool receiveAll(void *data, size_t length, Clock::time_point deadline)
    {
        auto *bytes = static_cast<uint8_t *>(data);
        while (length > 0) {
            if (!waitFor(POLLIN, deadline))
                return false;
            const ssize_t got = ::recv(fd_, bytes, length, MSG_DONTWAIT);
            if (got < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            if (got <= 0)
                return false;
            bytes += got;
            length -= size_t(got);
        }
        return true;
    }

    int fd_ = -1;
    bool timedOut_ = false;
    std::chrono::milliseconds timeout_;
};

class SocketFile : public PlatformFile {
public:
    explicit SocketFile(std::unique_ptr<Connection> connection)
        : connection_(std::move(connection))
    {
    }

    uint32_t read(void *buffer, uint64_t offset, uint32_t count) override
    {
        wire::ResponseHeader response{};
        const uint32_t transport = connection_->exchange(wire::Op::Read, offset, 0, nullptr, 0,
                                                         count, &response, buffer, count);
        if (transport != winerr::Success)
            return transport;
        if (response.error == winerr::Success && response.length != count)
            return winerr::IoDevice; // a short read is not a completed transfer
        return response.error;
    }

    uint32_t write(const void *buffer, uint64_t offset, uint32_t count) override
    {
        wire::ResponseHeader response{};
        const uint32_t transport = connection_->exchange(wire::Op::Write, offset, 0, buffer,
                                                         count, 0, &response, nullptr, 0);
        return transport != winerr::Success ? transport : response.error;
    }

    uint32_t deviceIoControl(uint32_t code, const void *in, uint32_t inLength, void *out,
                             uint32_t outLength, uint32_t *bytesReturned) override
    {
        wire::ResponseHeader response{};
        const uint32_t transport = connection_->exchange(
            wire::Op::Ioctl, 0, code, in, inLength, outLength, &response, out, outLength);
        if (transport != winerr::Success)
            return transport;
        if (bytesReturned != nullptr)
            *bytesReturned = response.value;
        return response.error;
    }

private:
    std::unique_ptr<Connection> connection_;
};

} // namespace

std::string PosixPlatform::wireDefaultDirectory() { return wire::defaultSocketDirectory(); }

PosixPlatform::PosixPlatform(std::string socketDirectory, std::chrono::milliseconds timeout)
    : socketPath_(std::move(socketDirectory) + "/" + wire::SocketName), timeout_(timeout)
{
}

std::unique_ptr<PlatformFile> PosixPlatform::open(const std::string &name, uint32_t disposition,
                                                  uint32_t shareMode, uint32_t flags,
                                                  uint32_t *error)
{
    auto report = [&](uint32_t code) {
        if (error != nullptr)
            *error = code;
    };
    auto connection = std::make_unique<Connection>(socketPath_, timeout_);
    if (!connection->isOpen()) {
        report(winerr::FileNotFound);
        return nullptr;
    }
    wire::ResponseHeader response{};
    const uint64_t modeWord = uint64_t(shareMode) | uint64_t(flags) << 32;
    const uint32_t transport =
        connection->exchange(wire::Op::Open, modeWord, disposition, name.data(),
                             uint32_t(name.size()), 0, &response, nullptr, 0);
    if (transport != winerr::Success || response.error != winerr::Success) {
        report(transport != winerr::Success ? transport : response.error);
        return nullptr;
    }
    report(winerr::Success);
    return std::make_unique<SocketFile>(std::move(connection));
}

int PosixPlatform::driveType(const std::string &rootPath)
{
    Connection connection(socketPath_, timeout_);
    wire::ResponseHeader response{};
    if (connection.exchange(wire::Op::DriveType, 0, 0, rootPath.data(), uint32_t(rootPath.size()),
                            0, &response, nullptr, 0) != winerr::Success ||
        response.error != winerr::Success)
        return drivetype::Unknown;
    return int(response.value);
}

bool PosixPlatform::control(const std::string &command, std::string *answer)
{
    Connection connection(socketPath_, timeout_);
    wire::ResponseHeader response{};
    std::string text(wire::MaxPayload, '\0');
    if (connection.exchange(wire::Op::Control, 0, 0, command.data(), uint32_t(command.size()),
                            uint32_t(text.size()), &response, text.data(),
                            uint32_t(text.size())) != winerr::Success)
        return false;
    text.resize(response.length);
    if (answer != nullptr)
        *answer = text;
    return response.error == winerr::Success;
}

} // namespace kv
