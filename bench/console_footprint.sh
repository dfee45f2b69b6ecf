#!/usr/bin/env bash
# What the console costs while it runs against a driver emulator of its own:
# its resident memory every INTERVAL seconds, the largest at the end, and
# its CPU time over the run after its first minute, as a share of one core.
#
#   bench/console_footprint.sh [--arrays N] [--full-log] [--idle] [--seconds T]
#                              [--interval S] BUILD_DIR
#
# The configuration is the demo, or the demo grown to N arrays (12 has 48
# disks), as bench_service writes it; --full-log keeps the driver's whole
# event log (4096 records). The arrays added to grow the demo start with
# their initialization under way; --idle lets every background task end at
# once, so that what is measured is the console at rest. The window opens on QT_QPA_PLATFORM (offscreen
# unless set; under xvfb-run, xcb measures what a desktop would).
set -euo pipefail

arrays=0
events=0
idle=""
seconds=600
interval=30
while [ $# -gt 1 ]; do
    case "$1" in
    --arrays) arrays=$2; shift ;;
    --full-log) events=4096 ;;
    --idle) idle=yes ;;
    --seconds) seconds=$2; shift ;;
    --interval) interval=$2; shift ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
    esac
    shift
done
build=$(realpath "${1:?the build directory}")

work=$(mktemp -d)
chmod 0700 "$work"
emulator_pid=""
console_pid=""
cleanup() {
    [ -n "$console_pid" ] && kill "$console_pid" 2>/dev/null || true
    [ -n "$emulator_pid" ] && kill "$emulator_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -m 0700 "$work/socket" "$work/home" "$work/tmp"
mkdir -p "$work/home/.config/OXV"
printf '[General]\nEULA_Accepted=true\n' >"$work/home/.config/OXV/Velmora.conf"
"$build/bench/bench_service" --write-state "$arrays" "$events" "$work/state.kvemu"
"$build/emulator/kvemu" serve --socket-dir "$work/socket" --state "$work/state.kvemu" \
    >"$work/kvemu.log" 2>&1 &
emulator_pid=$!
for _ in $(seq 1 100); do
    "$build/emulator/kvemu" ctl --socket-dir "$work/socket" status >/dev/null 2>&1 && break
    sleep 0.1
done
if [ -n "$idle" ]; then
    "$build/emulator/kvemu" ctl --socket-dir "$work/socket" rate 1 >/dev/null
    sleep 2
fi

HOME="$work/home" TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/tmp" \
    VELMORA_EMULATOR_DIR="$work/socket" QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" \
    "$build/app/velmora" >"$work/console.log" 2>&1 &
console_pid=$!

# User and system CPU time of the console, in clock ticks.
ticks() { awk '{print $14 + $15}' "/proc/$console_pid/stat"; }

largest=0
kb=0
settled=""
samples=$((seconds / interval))
for i in $(seq 0 "$samples"); do
    [ "$i" -gt 0 ] && sleep "$interval"
    if ! kb=$(awk '/^VmRSS:/ {print $2}' "/proc/$console_pid/status" 2>/dev/null); then
        echo "the console stopped:" >&2
        cat "$work/console.log" >&2
        exit 1
    fi
    elapsed=$((i * interval))
    if [ -z "$settled" ] && [ "$elapsed" -ge 60 ]; then
        settled=$elapsed
        settled_ticks=$(ticks)
    fi
    [ "$kb" -gt "$largest" ] && largest=$kb
    awk -v t="$elapsed" -v kb="$kb" 'BEGIN { printf "%4d s  %6.1f MB\n", t, kb / 1024 }'
done
awk -v most="$largest" -v kb="$kb" \
    'BEGIN { printf "resident: largest %.1f MB, last %.1f MB\n", most / 1024, kb / 1024 }'
if [ -n "$settled" ] && [ "$elapsed" -gt "$settled" ]; then
    awk -v used=$(($(ticks) - settled_ticks)) -v hz="$(getconf CLK_TCK)" \
        -v span=$((elapsed - settled)) -v from="$settled" -v to="$elapsed" \
        'BEGIN { printf "CPU from %d s to %d s: %.2f %% of one core\n", from, to, 100 * used / hz / span }'
fi
