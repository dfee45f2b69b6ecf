#include "kv_posix_platform.h"

#include "emulator_wire.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/uio.h>
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

bool wire::peerIsTrusted(uint32_t peerUid, uint32_t ownUid)
{
    return peerUid == ownUid || peerUid == 0;
}

bool wire::isElevated(uint32_t uid, uint32_t daemonUid)
{
    return uid == 0 || uid == daemonUid;
}

std::string wire::checkPrivateDirectory(const std::string &dir, uint32_t ownUid)
{
    struct stat info {};
    if (::lstat(dir.c_str(), &info) != 0)
        return "cannot inspect " + dir + ": " + std::strerror(errno);
    if (!S_ISDIR(info.st_mode))
        return dir + " is not a directory";
    if (info.st_uid != ownUid)
        return dir + " belongs to another user";
    if ((info.st_mode & 077) != 0) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%o", unsigned(info.st_mode & 0777));
        return dir + " is accessible to other users (mode " + mode + "); it must be 0700";
    }
    return {};
}

bool wire::peerUid(int fd, uint32_t &uid)
{
    ucred credentials{};
    socklen_t length = sizeof credentials;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0 ||
        length != sizeof credentials)
        return false;
    uid = uint32_t(credentials.uid);
    return true;
}

void wire::appendText(std::string &out, const std::string &text)
{
    const uint32_t length = uint32_t(text.size());
    for (int i = 0; i < 4; ++i)
        out += char(uint8_t(length >> (8 * i)));
    out += text;
}

bool wire::splitTexts(const void *data, size_t size, std::vector<std::string> &out)
{
    const auto *bytes = static_cast<const uint8_t *>(data);
    out.clear();
    size_t at = 0;
    while (at < size) {
        if (size - at < 4)
            return false;
        const uint32_t length = uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 |
                                uint32_t(bytes[at + 2]) << 16 | uint32_t(bytes[at + 3]) << 24;
        at += 4;
        if (length > size - at)
            return false;
        out.emplace_back(reinterpret_cast<const char *>(bytes + at), length);
        at += length;
    }
    return true;
}

void wire::appendFile(std::string &out, const FileDescription &file)
{
    appendText(out, file.name);
    for (uint64_t number : {uint64_t(file.attributes), file.creationTime, file.lastAccessTime,
                            file.lastWriteTime, file.size, uint64_t(file.translations.size())})
        appendText(out, std::to_string(number));
    for (uint32_t translation : file.translations)
        appendText(out, std::to_string(translation));
    appendText(out, std::to_string(file.versionStrings.size()));
    for (const auto &[key, value] : file.versionStrings) {
        appendText(out, key);
        appendText(out, value);
    }
}

namespace {

// A decimal number of at most `max`.
bool decimal(const std::string &text, uint64_t max, uint64_t &out)
{
    if (text.empty() || text.size() > 20)
        return false;
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        const uint64_t digit = uint64_t(c - '0');
        if (value > (max - digit) / 10)
            return false;
        value = value * 10 + digit;
    }
    out = value;
    return true;
}

} // namespace

bool wire::readFiles(const std::vector<std::string> &texts, std::vector<FileDescription> &out)
{
    out.clear();
    size_t at = 0;
    auto number = [&](uint64_t max, uint64_t &value) {
        return at < texts.size() && decimal(texts[at++], max, value);
    };
    while (at < texts.size()) {
        FileDescription file;
        file.name = texts[at++];
        uint64_t attributes = 0, translations = 0, strings = 0;
        if (!number(UINT32_MAX, attributes) || !number(UINT64_MAX, file.creationTime) ||
            !number(UINT64_MAX, file.lastAccessTime) || !number(UINT64_MAX, file.lastWriteTime) ||
            !number(UINT64_MAX, file.size) || !number(texts.size(), translations))
            return false;
        file.attributes = uint32_t(attributes);
        for (uint64_t i = 0; i < translations; ++i) {
            uint64_t translation = 0;
            if (!number(UINT32_MAX, translation))
                return false;
            file.translations.push_back(uint32_t(translation));
        }
        if (!number(texts.size(), strings) || strings > (texts.size() - at) / 2)
            return false;
        for (uint64_t i = 0; i < strings; ++i, at += 2)
            file.versionStrings.emplace_back(texts[at], texts[at + 1]);
        out.push_back(std::move(file));
    }
    return true;
}

namespace {

using Clock = std::chrono::steady_clock;

// Says once per process why the console does not talk to what it found.
void reportRefusal(const std::string &reason)
{
    static std::atomic<bool> reported{false};
    if (!reported.exchange(true))
        std::fprintf(stderr, "Velmora: not using the driver emulator: %s\n", reason.c_str());
}

// One connection to the daemon. Every exchange has to finish before the
// deadline; after a timeout or a broken frame the connection is dropped and
// later calls fail at once.
class Connection {
public:
    // Connects only through a directory of this user's own and only to a
    // daemon of this user or root; anything else is refused (refused()).
    Connection(const std::string &socketPath, std::chrono::milliseconds timeout) : timeout_(timeout)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (socketPath.size() >= sizeof address.sun_path)
            return;
        const uint32_t own = uint32_t(::geteuid());
        const std::string dir = socketPath.substr(0, socketPath.find_last_of('/'));
        struct stat info {};
        if (::lstat(dir.c_str(), &info) != 0 && errno == ENOENT)
            return; // no daemon has run here
        if (std::string why = wire::checkPrivateDirectory(dir, own); !why.empty()) {
            refuse(why);
            return;
        }
        std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd_ < 0)
            return;
        const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(timeout).count();
        const timeval bound{time_t(micros / 1000000), suseconds_t(micros % 1000000)};
        if (::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &bound, sizeof bound) != 0 ||
            ::setsockopt(fd_, SOL_SOCKET, SO_SNDTIMEO, &bound, sizeof bound) != 0 ||
            ::connect(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
            drop();
            return;
        }
        if (!wire::peerUid(fd_, peerUid_))
            refuse("the credentials of the process serving " + socketPath + " are unknown");
        else if (!wire::peerIsTrusted(peerUid_, own))
            refuse("the process serving " + socketPath + " runs as user " +
                   std::to_string(peerUid_) + ", neither this user nor root");
    }
    ~Connection() { drop(); }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    bool isOpen() const { return fd_ >= 0; }
    bool refused() const { return refused_; }
    // The user the daemon runs as (valid while open).
    uint32_t peerUid() const { return peerUid_; }

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
        wire::RequestHeader header{
            wire::RequestMagic, uint32_t(op), offset, code, length, outLength, 0};
        // One gather write for the frame and one scatter read for the answer
        // and as much of its payload as fits: most exchanges then cost one
        // system call each way.
        size_t got = 0;
        if (!sendFrame(&header, sizeof header, data, length, deadline) ||
            !receiveFrame(response, payload, payloadCapacity, deadline, &got))
            return failTransport();
        if (response->magic != wire::ResponseMagic || response->length > payloadCapacity ||
            response->length > wire::MaxPayload || got > response->length)
            return failTransport();
        if (got < response->length &&
            !receiveAll(static_cast<uint8_t *>(payload) + got, response->length - got, deadline))
            return failTransport();
        return winerr::Success;
    }

private:
    void refuse(const std::string &why)
    {
        drop();
        refused_ = true;
        reportRefusal(why);
    }

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

    bool sendFrame(const void *head, size_t headLength, const void *body, size_t bodyLength,
                   Clock::time_point deadline)
    {
        iovec parts[2] = {{const_cast<void *>(head), headLength},
                          {const_cast<void *>(body), bodyLength}};
        msghdr message{};
        message.msg_iov = parts;
        message.msg_iovlen = bodyLength > 0 ? 2 : 1;
        ssize_t sent;
        do
            sent = ::sendmsg(fd_, &message, MSG_NOSIGNAL);
        while (sent < 0 && errno == EINTR);
        if (!progressed(sent, deadline))
            return false;
        size_t done = size_t(sent);
        if (done < headLength)
            return sendAll(static_cast<const uint8_t *>(head) + done, headLength - done,
                           deadline) &&
                   sendAll(body, bodyLength, deadline);
        done -= headLength;
        return sendAll(static_cast<const uint8_t *>(body) + done, bodyLength - done, deadline);
    }

    // Reads the response header whole and whatever payload arrives with it
    // (at most `capacity` bytes); `got` is the payload bytes read.
    bool receiveFrame(wire::ResponseHeader *header, void *payload, size_t capacity,
                      Clock::time_point deadline, size_t *got)
    {
        iovec parts[2] = {{header, sizeof *header}, {payload, capacity}};
        msghdr message{};
        message.msg_iov = parts;
        message.msg_iovlen = capacity > 0 && payload != nullptr ? 2 : 1;
        ssize_t received;
        do
            received = ::recvmsg(fd_, &message, 0);
        while (received < 0 && errno == EINTR);
        if (!progressed(received, deadline))
            return false;
        size_t done = size_t(received);
        if (done < sizeof *header) {
            if (!receiveAll(reinterpret_cast<uint8_t *>(header) + done, sizeof *header - done,
                            deadline))
                return false;
            done = sizeof *header;
        }
        *got = done - sizeof *header;
        return true;
    }

    // Blocking transfers bounded by the socket's own timeouts (set once at
    // connect to the whole exchange's bound) and by the exchange's deadline,
    // checked between partial transfers.
    bool sendAll(const void *data, size_t length, Clock::time_point deadline)
    {
        auto *bytes = static_cast<const uint8_t *>(data);
        while (length > 0) {
            const ssize_t sent = ::send(fd_, bytes, length, MSG_NOSIGNAL);
            if (sent < 0 && errno == EINTR)
                continue;
            if (!progressed(sent, deadline))
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
            const ssize_t got = ::recv(fd_, bytes, length, 0);
            if (got < 0 && errno == EINTR)
                continue;
            if (!progressed(got, deadline))
                return false;
            bytes += got;
            length -= size_t(got);
        }
        return true;
    }

    // True when a transfer of `result` bytes moved something in time; marks
    // a timeout when the socket's bound or the deadline ran out.
    bool progressed(ssize_t result, Clock::time_point deadline)
    {
        if (result < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            timedOut_ = true;
        else if (result > 0 && Clock::now() > deadline)
            timedOut_ = true;
        return result > 0 && !timedOut_;
    }

    int fd_ = -1;
    bool timedOut_ = false;
    bool refused_ = false;
    uint32_t peerUid_ = 0;
    std::chrono::milliseconds timeout_;
};

class SocketFile : public PlatformFile {
public:
    explicit SocketFile(std::unique_ptr<Connection> connection) : connection_(std::move(connection))
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
        const uint32_t transport = connection_->exchange(wire::Op::Write, offset, 0, buffer, count,
                                                         0, &response, nullptr, 0);
        return transport != winerr::Success ? transport : response.error;
    }

    uint32_t deviceIoControl(uint32_t code, const void *in, uint32_t inLength, void *out,
                             uint32_t outLength, uint32_t *bytesReturned) override
    {
        wire::ResponseHeader response{};
        const uint32_t transport = connection_->exchange(wire::Op::Ioctl, 0, code, in, inLength,
                                                         outLength, &response, out, outLength);
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

std::string PosixPlatform::wireDefaultDirectory()
{
    return wire::defaultSocketDirectory();
}

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
        report(connection->refused() ? winerr::AccessDenied : winerr::FileNotFound);
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

bool PosixPlatform::processIsElevated()
{
    const uint32_t own = uint32_t(::geteuid());
    if (own == 0)
        return true;
    // Without a daemon (or with one that is refused) elevation cannot be
    // told, and it is then not granted.
    Connection connection(socketPath_, timeout_);
    return connection.isOpen() && wire::isElevated(own, connection.peerUid());
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

std::vector<int> PosixPlatform::driveTypes(const std::vector<std::string> &rootPaths)
{
    std::vector<std::string> answers;
    uint32_t error = winerr::Success;
    if (!hostQuery(wire::HostQuery::DriveTypes, rootPaths, &answers, &error))
        return std::vector<int>(rootPaths.size(), drivetype::Unknown);
    if (error == winerr::NotSupported)
        return Platform::driveTypes(rootPaths);
    std::vector<int> types(rootPaths.size(), drivetype::Unknown);
    if (error != winerr::Success || answers.size() != rootPaths.size())
        return types;
    for (size_t i = 0; i < answers.size(); ++i) {
        int type = 0;
        const std::string &text = answers[i];
        if (std::from_chars(text.data(), text.data() + text.size(), type).ptr ==
            text.data() + text.size())
            types[i] = type;
    }
    return types;
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

bool PosixPlatform::hostQuery(wire::HostQuery query, const std::vector<std::string> &arguments,
                              std::vector<std::string> *answers, uint32_t *error, uint32_t *value)
{
    answers->clear();
    std::string request;
    for (const std::string &argument : arguments)
        wire::appendText(request, argument);
    Connection connection(socketPath_, timeout_);
    wire::ResponseHeader response{};
    std::string answer(HostAnswerCapacity, '\0');
    if (connection.exchange(wire::Op::Host, 0, uint32_t(query), request.data(),
                            uint32_t(request.size()), uint32_t(answer.size()), &response,
                            answer.data(), uint32_t(answer.size())) != winerr::Success ||
        !wire::splitTexts(answer.data(), response.length, *answers)) {
        answers->clear();
        return false;
    }
    *error = response.error;
    if (value != nullptr)
        *value = response.value;
    return true;
}

bool PosixPlatform::registryString(const std::string &key, const std::string &value,
                                   std::string *out)
{
    std::vector<std::string> answers;
    uint32_t error = 0;
    if (!hostQuery(wire::HostQuery::Registry, {key, value}, &answers, &error) ||
        error != winerr::Success || answers.size() != 1)
        return false;
    *out = answers.front();
    return true;
}

std::vector<std::string> PosixPlatform::loadedDrivers()
{
    // Without a daemon no driver is loaded.
    std::vector<std::string> names;
    uint32_t error = 0;
    if (!hostQuery(wire::HostQuery::LoadedDrivers, {}, &names, &error) || error != winerr::Success)
        names.clear();
    return names;
}

std::vector<FileDescription> PosixPlatform::findFiles(const std::string &pattern)
{
    std::vector<std::string> answers;
    std::vector<FileDescription> files;
    uint32_t error = 0;
    if (!hostQuery(wire::HostQuery::FindFiles, {pattern}, &answers, &error) ||
        error != winerr::Success || !wire::readFiles(answers, files))
        files.clear();
    return files;
}

uint32_t PosixPlatform::diskInterfaces(std::vector<DiskInterface> *out)
{
    out->clear();
    std::vector<std::string> answers;
    uint32_t error = 0;
    if (!hostQuery(wire::HostQuery::DiskInterfaces, {}, &answers, &error))
        return winerr::NotReady; // no daemon: no device list to be had
    if (error != winerr::Success)
        return error;
    if (answers.size() % 2 != 0)
        return winerr::IoDevice;
    for (size_t i = 0; i < answers.size(); i += 2) {
        char *end = nullptr;
        const unsigned long long handle = std::strtoull(answers[i].c_str(), &end, 10);
        if (answers[i].empty() || *end != '\0' || handle > UINT32_MAX) {
            out->clear();
            return winerr::IoDevice;
        }
        out->push_back({uint32_t(handle), answers[i + 1]});
    }
    return winerr::Success;
}

uint32_t PosixPlatform::requestDeviceEject(uint32_t deviceInstance, uint32_t *vetoType,
                                           std::string *vetoName)
{
    *vetoType = vetotype::None;
    vetoName->clear();
    std::vector<std::string> answers;
    uint32_t result = 0, type = vetotype::None;
    if (!hostQuery(wire::HostQuery::Eject, {std::to_string(deviceInstance)}, &answers, &result,
                   &type))
        return cmresult::Failure; // the daemon could not be asked
    if (result == cmresult::RemoveVetoed && answers.size() == 1) {
        *vetoType = type;
        *vetoName = answers.front();
    }
    return result;
}

} // namespace kv
