#!/usr/bin/env bash
# Installs what is missing, checks the formatting of the C++ sources, builds
# with warnings as errors, and runs the whole test suite twice: in the
# ordinary build and in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer. Exits non-zero when any check fails.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

velmora_install_packages "${VELMORA_PACKAGES[@]}" xvfb xauth clang libclang-rt-14-dev clang-format

export QT_QPA_PLATFORM=offscreen
status=0

echo "== Formatting"
# The tracked C++ sources, as the root .clang-format formats them.
if ! (cd "$VELMORA_ROOT" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror); then
    echo "Formatting differs: run clang-format -i on the files above"
    status=1
fi

echo "== Build"
velmora_build "$VELMORA_ROOT/build" -DVELMORA_WERROR=ON
echo "== Tests"
ctest --test-dir "$VELMORA_ROOT/build" --output-on-failure -j 2 || status=1

echo "== Build with sanitizers"
velmora_build "$VELMORA_ROOT/build-asan" -DVELMORA_SANITIZE=ON -DVELMORA_BENCH=OFF
echo "== Tests with sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$VELMORA_ROOT/build-asan" --output-on-failure -j 2 || status=1

echo "== Fuzz targets (a short bounded run each)"
CXX=clang++ velmora_build "$VELMORA_ROOT/build-fuzz" -DVELMORA_FUZZ=ON
for corpus in "$VELMORA_ROOT"/tests/fuzz/corpus/*/; do
    name=$(basename "$corpus")
    fuzzer="$VELMORA_ROOT/build-fuzz/tests/fuzz/fuzz_$name"
    [ -x "$fuzzer" ] || continue
    # New inputs go to a scratch folder; the seed corpus stays as committed.
    scratch=$(mktemp -d)
    if "$fuzzer" -max_total_time="${VELMORA_FUZZ_SECONDS:-20}" -max_len=65537 -timeout=10 \
        -print_final_stats=1 "$scratch" "$corpus" >"$scratch.log" 2>&1; then
        echo "fuzz_$name: $(grep -E '^stat::number_of_executed_units' "$scratch.log" | awk '{print $2}') runs, no failure"
    else
        echo "fuzz_$name FAILED:"
        tail -40 "$scratch.log"
        status=1
    fi
    rm -rf "$scratch" "$scratch.log"
done

exit $status
