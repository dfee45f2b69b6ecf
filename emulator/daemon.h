// The emulator daemon ("kvemu serve") and its control client ("kvemu ctl").
#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace kvemu {

class Emulator;

// Exit codes of the kvemu program.
namespace exitcode {
inline constexpr int Ok = 0;
inline constexpr int Failure = 1;         // anything else that went wrong
inline constexpr int Usage = 2;           // bad command line
inline constexpr int UnsafeDirectory = 3; // socket directory not ours or not private
inline constexpr int AlreadyRunning = 4;  // another daemon serves the directory or the state file
inline constexpr int StateRefused = 5;    // the state file is corrupt or of another version
inline constexpr int Unreachable = 6;     // ctl: no daemon answers
inline constexpr int Refused = 7;         // ctl: the daemon refused the command
} // namespace exitcode

struct ServeOptions {
    std::string socketDirectory;
    std::string statePath; // empty: <socketDirectory>/state.kvemu
    bool demo = false;     // serve a fresh demo configuration kept in memory only
    // A connection that sends no request for this long is closed (a stall
    // injected on purpose excepted).
    std::chrono::milliseconds idleTimeout{120000};
    // Connections served at once; one user holds at most half of them.
    size_t maxConnections = 256;
    // A listening socket handed over by the service manager (socket
    // activation), or -1: the daemon binds its own socket in the directory.
    int listener = -1;
};

// The listening socket the service manager hands over (LISTEN_PID and
// LISTEN_FDS name this process and one descriptor, from 3), or -1 when none
// is. Clears those variables so that no child takes them for its own; more
// than one descriptor is an error (-2, said on `err`).
int inheritedListener(std::ostream &err);

// Runs the daemon until SIGTERM, SIGINT or a "stop" command. Prints
// "kvemu: serving <dir>" on `out` once clients can connect.
//
// Only this user and root are served (the socket's peer credentials tell);
// another user's connection is answered once with the reason and closed.
// Both are elevated: they may send destructive commands.
int serve(const ServeOptions &options, std::ostream &out, std::ostream &err);

// Serves one connected client on `fd` until it closes or breaks the
// protocol: one open file at most, one request at a time. The daemon runs it
// on a thread per connection; the descriptor stays open for the caller.
// `elevated` says whether the peer may send destructive commands; a client
// that sends nothing for `idle` is dropped.
void serveConnection(int fd, Emulator &emulator, bool elevated, std::chrono::milliseconds idle);

// Sends one control command line and prints the answer on `out`.
int control(const std::string &socketDirectory, const std::string &commandLine, std::ostream &out,
            std::ostream &err);

} // namespace kvemu
