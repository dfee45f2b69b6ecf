#!/usr/bin/env bash
# Builds the libraries and the service and emulator tests with
# ThreadSanitizer and runs those tests, which drive the service from several
# threads at once. Debian's Qt is not instrumented, so the races TSan sees
# inside Qt's own thread and wait-condition code are suppressed by
# tests/tsan.supp; nothing of ours is.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

velmora_install_packages "${VELMORA_PACKAGES[@]}"

dir="$VELMORA_ROOT/build-tsan"
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$VELMORA_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVELMORA_TSAN=ON -DVELMORA_BENCH=OFF
fi
cmake --build "$dir" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
TSAN_OPTIONS="suppressions=$VELMORA_ROOT/tests/tsan.supp halt_on_error=1 second_deadlock_stack=1" \
    ctest --test-dir "$dir" --output-on-failure -j 2 -R "${1:-tst_(raid_api|raid_commands|driver_files|emulator_daemon)}"
