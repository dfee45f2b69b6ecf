#include "socket_io.h"

#include <cerrno>
#include <cstdint>
#include <sys/socket.h>

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

} // namespace kvemu::sockio
