// kvemu: the RAID driver emulator's daemon and its control client.
#include "daemon.h"
#include "emulator_wire.h"

#include <charconv>
#include <iostream>
#include <malloc.h>
#include <string>
#include <vector>

namespace {

void printUsage(std::ostream &out)
{
    out << "usage: kvemu serve [--socket-dir DIR] [--state FILE | --demo] [--foreground]\n"
           "                  [--idle-timeout MS] [--max-connections N]\n"
           "       kvemu ctl [--socket-dir DIR] COMMAND...\n"
           "Commands: status, state, bump, fault stall MS [N], fault fail N,\n"
           "          fault stale N, fault clear, stop, help\n";
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printUsage(args.empty() ? std::cerr : std::cout);
        return args.empty() ? kvemu::exitcode::Usage : kvemu::exitcode::Ok;
    }
    std::string socketDirectory;
    if (args[0] == "serve") {
        kvemu::ServeOptions options;
        for (size_t i = 1; i < args.size(); ++i) {
            if (args[i] == "--socket-dir" && i + 1 < args.size()) {
                socketDirectory = args[++i];
            } else if (args[i] == "--state" && i + 1 < args.size()) {
                options.statePath = args[++i];
            } else if ((args[i] == "--idle-timeout" || args[i] == "--max-connections") &&
                       i + 1 < args.size()) {
                const std::string &text = args[i + 1];
                unsigned long long value = 0;
                const auto [end, error] =
                    std::from_chars(text.data(), text.data() + text.size(), value);
                const bool idle = args[i] == "--idle-timeout";
                if (error != std::errc() || end != text.data() + text.size() || value == 0 ||
                    value > (idle ? 86400000u : 4096u)) {
                    std::cerr << "kvemu: " << args[i] << " takes a number from 1 to "
                              << (idle ? "86400000 (milliseconds)" : "4096") << "\n";
                    return kvemu::exitcode::Usage;
                }
                if (idle)
                    options.idleTimeout = std::chrono::milliseconds(value);
                else
                    options.maxConnections = size_t(value);
                ++i;
            } else if (args[i] == "--demo") {
                options.demo = true;
            } else if (args[i] == "--foreground") {
                // The default; scripts background the process themselves.
            } else {
                std::cerr << "kvemu: unknown option " << args[i] << "\n";
                printUsage(std::cerr);
                return kvemu::exitcode::Usage;
            }
        }
        options.socketDirectory =
            socketDirectory.empty() ? kv::wire::defaultSocketDirectory() : socketDirectory;
        // Started by the service manager on the first connection: serve the
        // socket it listens on.
        options.listener = kvemu::inheritedListener(std::cerr);
        if (options.listener == -2)
            return kvemu::exitcode::Usage;
        // Every connection thread allocates and frees 64 KiB answers; keep
        // the freed memory instead of handing it back to the system each time.
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
        mallopt(M_MMAP_THRESHOLD, 1 << 20);
        return kvemu::serve(options, std::cout, std::cerr);
    }
    if (args[0] == "ctl") {
        size_t i = 1;
        if (i + 1 < args.size() && args[i] == "--socket-dir") {
            socketDirectory = args[i + 1];
            i += 2;
        }
        if (i >= args.size()) {
            printUsage(std::cerr);
            return kvemu::exitcode::Usage;
        }
        std::string commandLine;
        for (; i < args.size(); ++i)
            commandLine += (commandLine.empty() ? "" : " ") + args[i];
        return kvemu::control(socketDirectory.empty() ? kv::wire::defaultSocketDirectory()
                                                      : socketDirectory,
                              commandLine, std::cout, std::cerr);
    }
    std::cerr << "kvemu: unknown mode " << args[0] << "\n";
    printUsage(std::cerr);
    return kvemu::exitcode::Usage;
}
