// Fuzz target: the daemon's frame handling. The input is the byte stream a
// client sends on one connection; a fresh demo emulator serves it to the end
// while a second thread takes the answers away, so that the connection never
// waits for its reader. Any frame sequence must end (the stream closes, or a
// frame that is not the protocol drops the connection) without a memory
// fault, a leak or a hang.
//
// Stalls are waits on purpose: an input that asks for one is skipped.
#include "daemon.h"
#include "demo_config.h"
#include "emulator.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

// Writes the whole input and closes the client's sending side, so the
// daemon reads to a clean end.
bool sendAll(int fd, const uint8_t *data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        data += n;
        size -= size_t(n);
    }
    return ::shutdown(fd, SHUT_WR) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const kvemu::Model demo = kvemu::demoModel();
    if (memmem(data, size, "stall", 5) != nullptr)
        return 0;

    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0)
        return 0;
    kvemu::Emulator emulator(kvemu::StoredState{demo, demo},
                             std::make_shared<kvemu::ManualClock>());
    // The client sends and reads on threads of their own, so neither side
    // waits for the other's buffer.
    std::thread sender([&] {
        if (!sendAll(fds[0], data, size))
            ::shutdown(fds[0], SHUT_WR);
    });
    std::thread reader([&] {
        char sink[65536];
        while (::recv(fds[0], sink, sizeof sink, 0) > 0) {
        }
    });
    kvemu::serveConnection(fds[1], emulator, true, std::chrono::seconds(5));
    sender.join();
    reader.join();
    ::close(fds[0]);
    ::close(fds[1]);
    if (emulator.sessionCount() != 0 || emulator.mailboxCount() != 0)
        __builtin_trap(); // the connection's file outlived it
    return 0;
}
