#!/usr/bin/env bash
# Installs what is missing, builds the console, its command-line tool and
# the driver emulator, and runs the console. When no RAID driver is present
# the driver emulator is started on its demo configuration first (unless it
# is running already); it keeps running in the background for later runs.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

velmora_install_packages "${VELMORA_PACKAGES[@]}"
# Only what runs here: the tests and benchmarks are the test command's.
velmora_build "$VELMORA_ROOT/build" -- velmora velmora-cli kvemu

bin="$VELMORA_ROOT/build"
if ! "$bin/emulator/kvemu" ctl status >/dev/null 2>&1; then
    socket_dir=${VELMORA_EMULATOR_DIR:-${XDG_RUNTIME_DIR:+$XDG_RUNTIME_DIR/velmora-emulator}}
    socket_dir=${socket_dir:-/tmp/velmora-emulator-$(id -u)}
    mkdir -p -m 0700 "$socket_dir"
    echo "Starting the driver emulator in $socket_dir"
    nohup "$bin/emulator/kvemu" serve --socket-dir "$socket_dir" >"$socket_dir/kvemu.log" 2>&1 &
    started=""
    for _ in $(seq 1 100); do
        if "$bin/emulator/kvemu" ctl --socket-dir "$socket_dir" status >/dev/null 2>&1; then
            started=yes
            break
        fi
        sleep 0.1
    done
    if [ -z "$started" ]; then
        echo "The driver emulator did not start:" >&2
        cat "$socket_dir/kvemu.log" >&2
        if [ -f "$socket_dir/state.kvemu" ]; then
            echo "A state file of an older emulator is refused. To start again from the" >&2
            echo "demo configuration, remove $socket_dir/state.kvemu" >&2
        fi
        exit 1
    fi
fi

# With arguments the service's commands run in the terminal; without, the window opens.
if [ $# -gt 0 ]; then
    exec "$bin/app/velmora-cli" "$@"
fi
exec "$bin/app/velmora"
