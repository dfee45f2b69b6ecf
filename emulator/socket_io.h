// Whole-buffer transfers on a stream socket, shared by the daemon and the
// control client.
#pragma once

#include <chrono>
#include <cstddef>

namespace kvemu::sockio {

enum class Result { Ok, Closed, Error, TimedOut };

// Reads exactly `length` bytes. Closed: the peer closed before the first
// byte; a close in the middle of the buffer is an Error.
Result readExact(int fd, void *buffer, size_t length);
// The same within `timeout` for the whole buffer, on a socket whose receive
// timeout (SO_RCVTIMEO) is set to at most `timeout`; TimedOut when either
// ran out.
Result readExact(int fd, void *buffer, size_t length, std::chrono::milliseconds timeout);
// Writes all `length` bytes (without SIGPIPE).
bool writeAll(int fd, const void *buffer, size_t length);
// Writes a header and a body with one gather write where the socket takes
// them at once, so the peer is woken once for the whole frame.
bool writeAll(int fd, const void *head, size_t headLength, const void *body, size_t bodyLength);

} // namespace kvemu::sockio
