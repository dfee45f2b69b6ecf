// A kvemu daemon of its own for a benchmark run: a socket directory and a
// state file under the temporary directory, the daemon started on them and
// stopped (and the directory removed) at the end.
#pragma once

#include "kv_posix_platform.h"
#include "state_file.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

namespace fs = std::filesystem;

// One daemon on its own socket directory, for the whole run.
class Daemon {
public:
    Daemon(const std::string &name, const kvemu::StoredState &stored)
    {
        directory_ =
            fs::temp_directory_path() / ("velmora-bench-" + name + "-" + std::to_string(getpid()));
        fs::create_directories(directory_);
        fs::permissions(directory_, fs::perms::owner_all, fs::perm_options::replace);
        const std::string state = (directory_ / "state.kvemu").string();
        const std::string problem = kvemu::statefile::save(state, stored);
        if (!problem.empty()) {
            std::fprintf(stderr, "bench: %s\n", problem.c_str());
            std::exit(1);
        }
        pid_ = fork();
        if (pid_ == 0) {
            std::freopen("/dev/null", "w", stdout);
            execl(KVEMU_BINARY, "kvemu", "serve", "--socket-dir", directory_.c_str(), "--state",
                  state.c_str(), static_cast<char *>(nullptr));
            _exit(127);
        }
        platform_ = std::make_shared<kv::PosixPlatform>(directory_.string());
        for (int i = 0; i < 200 && !platform_->control("status", nullptr); ++i)
            usleep(20000);
    }
    ~Daemon()
    {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        fs::remove_all(directory_);
    }
    std::shared_ptr<kv::PosixPlatform> platform() const { return platform_; }

private:
    fs::path directory_;
    pid_t pid_ = -1;
    std::shared_ptr<kv::PosixPlatform> platform_;
};

} // namespace bench
