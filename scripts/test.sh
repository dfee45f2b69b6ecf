#!/usr/bin/env bash
# Installs what is missing, checks the formatting of the C++ sources, builds
# with warnings as errors, and runs the whole test suite twice: in the
# ordinary build and in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer; builds and checks the Debian package in
# between. Exits non-zero when any check fails.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

velmora_install_packages "${VELMORA_PACKAGES[@]}" xvfb xauth clang libclang-rt-14-dev clang-format \
    "${VELMORA_PACKAGE_TOOLS[@]}" "${VELMORA_PACKAGE_CHECKS[@]}"

export QT_QPA_PLATFORM=offscreen
status=0

echo "== Formatting (at ${SECONDS} s)"
# The tracked C++ sources, as the root .clang-format formats them.
if ! (cd "$VELMORA_ROOT" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror); then
    echo "Formatting differs: run clang-format -i on the files above"
    status=1
fi

echo "== Build (at ${SECONDS} s)"
velmora_build "$VELMORA_ROOT/build" -DVELMORA_WERROR=ON
echo "== Tests (at ${SECONDS} s)"
ctest --test-dir "$VELMORA_ROOT/build" --output-on-failure -j 2 || status=1

echo "== Package (at ${SECONDS} s)"
# The Debian package of the build above: validated, checked by lintian, and
# its programs run from a temporary root.
"$VELMORA_ROOT/scripts/package.sh" --build-dir "$VELMORA_ROOT/build" --check || status=1

echo "== Build with sanitizers (at ${SECONDS} s)"
velmora_build "$VELMORA_ROOT/build-asan" -DVELMORA_SANITIZE=ON -DVELMORA_BENCH=OFF
echo "== Tests with sanitizers (at ${SECONDS} s)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$VELMORA_ROOT/build-asan" --output-on-failure -j 2 || status=1

echo "== Fuzz targets (a short bounded run each) (at ${SECONDS} s)"
CXX=clang++ velmora_build "$VELMORA_ROOT/build-fuzz" -DVELMORA_FUZZ=ON
# Seconds per target; the stage runs every target one after the other.
fuzz_seconds="${VELMORA_FUZZ_SECONDS:-10}"
artifacts="$VELMORA_ROOT/build-fuzz/fuzz-artifacts"
mkdir -p "$artifacts"
for corpus in "$VELMORA_ROOT"/tests/fuzz/corpus/*/; do
    name=$(basename "$corpus")
    fuzzer="$VELMORA_ROOT/build-fuzz/tests/fuzz/fuzz_$name"
    if [ ! -x "$fuzzer" ]; then
        echo "fuzz_$name FAILED: the seed corpus has no fuzz target"
        status=1
        continue
    fi
    # New inputs go to a scratch folder; the seed corpus stays as committed.
    # A failing input is kept in build-fuzz/fuzz-artifacts.
    scratch=$(mktemp -d)
    if "$fuzzer" -max_total_time="$fuzz_seconds" -max_len=65537 -timeout=10 \
        -artifact_prefix="$artifacts/fuzz_$name-" \
        -print_final_stats=1 "$scratch" "$corpus" >"$scratch.log" 2>&1; then
        echo "fuzz_$name: $(grep -E '^stat::number_of_executed_units' "$scratch.log" | awk '{print $2}') runs, no failure"
    else
        echo "fuzz_$name FAILED:"
        tail -40 "$scratch.log"
        status=1
    fi
    rm -rf "$scratch" "$scratch.log"
done

echo "== Done in ${SECONDS} s"
exit $status
