#include "socket_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <poll.h>
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
    using namespace std::chrono;
    auto *bytes = static_cast<uint8_t *>(buffer);
    const auto deadline = steady_clock::now() + timeout;
    size_t got = 0;
    while (got < length) {
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
        if (left <= 0)
            return Result::TimedOut;
        pollfd entry{fd, POLLIN, 0};
        const int ready = ::poll(&entry, 1, int(std::min<long long>(left, 60000)));
        if (ready < 0 && errno != EINTR)
            return Result::Error;
        if (ready <= 0)
            continue;
        const ssize_t n = ::recv(fd, bytes + got, length - got, MSG_DONTWAIT);
        if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK))
            continue;
        if (n == 0)
            return got == 0 ? Result::Closed : Result::Error;
        if (n < 0)
            return Result::Error;
        got += size_t(n);
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
