#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite twice: in
# the ordinary build and in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer. Exits non-zero when any test fails.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

velmora_install_packages "${VELMORA_PACKAGES[@]}" xvfb xauth

export QT_QPA_PLATFORM=offscreen
status=0

echo "== Build"
velmora_build "$VELMORA_ROOT/build"
echo "== Tests"
ctest --test-dir "$VELMORA_ROOT/build" --output-on-failure -j 2 || status=1

echo "== Build with sanitizers"
velmora_build "$VELMORA_ROOT/build-asan" -DVELMORA_SANITIZE=ON -DVELMORA_BENCH=OFF
echo "== Tests with sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$VELMORA_ROOT/build-asan" --output-on-failure -j 2 || status=1

exit $status
