// The emulator's time source. Background work of the modelled driver (task
// progress, rebuilds) is measured against it, so tests can move time by hand
// while the daemon follows the real clock.
#pragma once

#include <atomic>
#include <chrono>

namespace kvemu {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary fixed point; never goes backwards.
    virtual std::chrono::milliseconds now() const = 0;
};

// Real time, from the monotonic clock.
class SystemClock : public Clock {
public:
    std::chrono::milliseconds now() const override;
};

// Time that moves only when told to. Safe to advance from another thread.
class ManualClock : public Clock {
public:
    explicit ManualClock(std::chrono::milliseconds start = std::chrono::milliseconds(0))
        : now_(start.count())
    {
    }
    std::chrono::milliseconds now() const override
    {
        return std::chrono::milliseconds(now_.load());
    }
    void advance(std::chrono::milliseconds step) { now_ += step.count(); }

private:
    std::atomic<long long> now_;
};

} // namespace kvemu
