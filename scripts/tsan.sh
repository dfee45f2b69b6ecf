#!/usr/bin/env bash
# Builds the libraries and the service and emulator tests with
# ThreadSanitizer and runs those tests, which drive the service from several
# threads at once. Debian's Qt is not instrumented: TSan cannot see the locks
# with which Qt hands a queued call's arguments or a finished thread over, so
# accesses made inside Qt are ignored (ignore_noninstrumented_modules) and the
# races TSan still reports inside Qt's own thread code are suppressed by
# tests/tsan.supp. Every access our code makes is checked.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

velmora_install_packages "${VELMORA_PACKAGES[@]}"

dir="$VELMORA_ROOT/build-tsan"
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$VELMORA_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVELMORA_TSAN=ON -DVELMORA_BENCH=OFF
fi
cmake --build "$dir" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
TSAN_OPTIONS="suppressions=$VELMORA_ROOT/tests/tsan.supp halt_on_error=1 second_deadlock_stack=1 ignore_noninstrumented_modules=1" \
    ctest --test-dir "$dir" --output-on-failure -j 2 -R "${1:-tst_(raid_api|raid_commands|driver_files|smart|create|prep_remove|fail_closed|emulator_daemon)}"
