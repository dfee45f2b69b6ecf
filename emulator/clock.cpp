#include "clock.h"

namespace kvemu {

std::chrono::milliseconds SystemClock::now() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

} // namespace kvemu
