#!/usr/bin/env bash
# The long fault walk. The suite walks one fault (the Nth transfer of any
# kind fails) over every service command; this walks more:
#
#  1. in the same process, every command with each transfer kind on its own
#     (open, read, write, query, host frame) failing, timing out and
#     stalling, and any kind timing out (tst_fault_walk, VELMORA_FAULT_WALK=long);
#  2. over the emulator daemon's socket, the command-line tool's commands,
#     with the Nth transfer failing or timing out (FAULTS), for every N:
#     the exit code must say what the driver's configuration shows, a
#     failed command must leave the configuration as it was, and the
#     System mirror (HD 1) must stay as it was.
#
# Usage: scripts/fault-walk.sh [in-process|socket|all] [COMMAND-REGEX]
#   FAULTS="fail;stall 0" (default) the socket walk's faults, as
#   `kvemu ctl fault after any N ...` takes them; "stall 11000" outlasts
#   the client's 10 s bound (slow: about 11 s for every N).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

part=${1:-all}
only=${2:-.}
dir="$VELMORA_ROOT/build"
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$VELMORA_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$dir" -j "$(nproc)" --target tst_fault_walk kvemu velmora-cli
failed=0

if [ "$part" = all ] || [ "$part" = in-process ]; then
    QT_QPA_PLATFORM=offscreen VELMORA_FAULT_WALK=long "$dir/tests/service/tst_fault_walk" \
        -silent || failed=1
fi

[ "$part" = all ] || [ "$part" = socket ] || exit $failed

kvemu="$dir/emulator/kvemu"
cli="$dir/app/velmora-cli"
export VELMORA_EMULATOR_DIR
VELMORA_EMULATOR_DIR=$(mktemp -d)
chmod 700 "$VELMORA_EMULATOR_DIR"
daemon=""
stop_daemon() {
    if [ -n "$daemon" ]; then
        kill "$daemon" 2>/dev/null || true
        wait "$daemon" 2>/dev/null || true
        daemon=""
    fi
}
trap 'stop_daemon; rm -rf "$VELMORA_EMULATOR_DIR"' EXIT

start_daemon() {
    stop_daemon
    "$kvemu" serve --demo >"$VELMORA_EMULATOR_DIR/serve.log" 2>&1 &
    daemon=$!
    for _ in $(seq 100); do
        grep -q "serving" "$VELMORA_EMULATOR_DIR/serve.log" 2>/dev/null && return 0
        sleep 0.05
    done
    echo "fault-walk: the emulator does not start" >&2
    exit 1
}

# The configuration without the generation numbers every change moves.
configuration() {
    "$cli" --dump | grep -E '^(LD|PD| LE)' | sed -E 's/GE: 0x[0-9a-f]+//'
}

# Each row: the command's arguments | an extended regex that a line of the
# configuration matches when the command was carried out, or, after "!", that
# no line matches then. The System mirror's rows must always be refused.
commands=(
    "--create RAID1 3 4|^LD: .* HD: 6 "
    "--transform 3 RAID0 9 10 11|^LD: .* HD: 3 .* TTY: TRANSFORM "
    "--delete 3|!^LD: .* HD: 3 "
    "--delete 1|!^LD: .* HD: 1 "
    "--init 12|^PD: 12 TY: Disk "
    "--prep-remove 3|^LD: .* ST: OFFLINE .* HD: 3 "
    "--prep-remove 1|^LD: .* ST: OFFLINE .* HD: 1 "
)
system_line() { grep -E '^LD: .* HD: 1 ' || true; }

IFS=';' read -r -a fault_list <<<"${FAULTS:-fail;stall 0}"
for row in "${commands[@]}"; do
    arguments=${row%%|*}
    done_pattern=${row#*|}
    [[ "$arguments" =~ $only ]] || continue
    for fault in "${fault_list[@]}"; do
        n=1
        start_daemon
        pristine=$(configuration)
        while :; do
            # A fresh demo only when the last step changed the configuration.
            before=$(configuration)
            if [ "$before" != "$pristine" ]; then
                start_daemon
                before=$(configuration)
            fi
            "$kvemu" ctl fault after any "$n" $fault >/dev/null
            # shellcheck disable=SC2086
            if "$cli" $arguments >/dev/null 2>&1; then answered=done; else answered=failed; fi
            pending=$("$kvemu" ctl fault pending)
            "$kvemu" ctl fault clear >/dev/null
            after=$(configuration)
            if [ "${done_pattern:0:1}" = "!" ]; then
                grep -qE "${done_pattern:1}" <<<"$after" && happened=failed || happened=done
            elif grep -qE "$done_pattern" <<<"$after"; then
                happened=done
            else
                happened=failed
            fi
            at="$arguments, transfer $n $fault"
            if [ "$answered" != "$happened" ]; then
                echo "FAIL $at: answered $answered, the configuration shows $happened"
                failed=1
                break
            fi
            if [ "$answered" = failed ] && [ "$before" != "$after" ]; then
                echo "FAIL $at: failed, yet the configuration changed"
                diff <(echo "$before") <(echo "$after") | head -5
                failed=1
                break
            fi
            if [ "$(system_line <<<"$before")" != "$(system_line <<<"$after")" ]; then
                echo "FAIL $at: the System mirror changed"
                failed=1
                break
            fi
            if [ "$pending" != "no countdown" ]; then
                echo "PASS $arguments, $fault: $((n - 1)) transfers walked"
                break
            fi
            n=$((n + 1))
        done
    done
done
exit $failed
