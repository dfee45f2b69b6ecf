#include "socket_io.h"

#include <cerrno>
#include <cstdint>
#include <sys/socket.h>
#include <sys/uio.h>

namespace kvemu::sockio {

Result readExact(int fd, void *buffer, size_t length)
{
    auto *bytes = static_cast<uint8_t *>(buffer);
    size_t got = 0;
    while (got < length) {
        const ssize_t n = ::recv(fd, bytes + got, length - got, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            return got == 0 ? Result::Closed : Result::Error;
        if (n < 0)
            return Result::Error;
        got += size_t(n);
    }
    return Result::Ok;
}

Result readExact(int fd, void *buffer, size_t length, std::chrono::milliseconds timeout)
{
    auto *bytes = static_cast<uint8_t *>(buffer);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    size_t got = 0;
    while (got < length) {
        const ssize_t n = ::recv(fd, bytes + got, length - got, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return Result::TimedOut; // the socket's own bound ran out
        if (n == 0)
            return got == 0 ? Result::Closed : Result::Error;
        if (n < 0)
            return Result::Error;
        got += size_t(n);
        if (got < length && std::chrono::steady_clock::now() > deadline)
            return Result::TimedOut;
    }
    return Result::Ok;
}

bool writeAll(int fd, const void *buffer, size_t length)
{
    const auto *bytes = static_cast<const uint8_t *>(buffer);
    size_t sent = 0;
    while (sent < length) {
        const ssize_t n = ::send(fd, bytes + sent, length - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += size_t(n);
    }
    return true;
}

bool writeAll(int fd, const void *head, size_t headLength, const void *body, size_t bodyLength)
{
    iovec parts[2] = {{const_cast<void *>(head), headLength},
                      {const_cast<void *>(body), bodyLength}};
    msghdr message{};
    message.msg_iov = parts;
    message.msg_iovlen = bodyLength > 0 ? 2 : 1;
    ssize_t n;
    do
        n = ::sendmsg(fd, &message, MSG_NOSIGNAL);
    while (n < 0 && errno == EINTR);
    if (n < 0)
        return false;
    // Whatever the socket did not take goes out piece by piece.
    size_t sent = size_t(n);
    if (sent < headLength)
        return writeAll(fd, static_cast<const uint8_t *>(head) + sent, headLength - sent) &&
               writeAll(fd, body, bodyLength);
    sent -= headLength;
    return writeAll(fd, static_cast<const uint8_t *>(body) + sent, bodyLength - sent);
}

} // namespace kvemu::sockio
