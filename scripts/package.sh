#!/usr/bin/env bash
# Builds the Debian package of the console: velmora, velmora-cli and kvemu
# with the desktop entry, icons, metainfo, manual pages and the emulator's
# systemd user service.
#
# Usage: scripts/package.sh [--install] [--check] [--build-dir DIR]
#   (no option)      a Release build of the three programs alone, with
#                    Debian's hardening flags, in build-release/; prints the
#                    package's path
#   --install        then installs the package (apt-get, through sudo when
#                    not run as root)
#   --check          then checks it: unpacked into a temporary root, the
#                    desktop entry and the metainfo are validated, lintian
#                    looks at the package, and the installed velmora-cli
#                    talks to the installed kvemu
#   --build-dir DIR  packages a build tree that exists (the test command's)
#                    instead of making a Release build
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install="" check="" dir=""
while [ $# -gt 0 ]; do
    case $1 in
    --install) install=yes ;;
    --check) check=yes ;;
    --build-dir)
        [ $# -ge 2 ] || { echo "package.sh: --build-dir takes a folder" >&2; exit 2; }
        dir=$2
        shift
        ;;
    *)
        sed -n '7,17s/^# \{0,1\}//p' "${BASH_SOURCE[0]}" >&2
        exit 2
        ;;
    esac
    shift
done

tools=("${VELMORA_PACKAGE_TOOLS[@]}")
[ -n "$check" ] && tools+=("${VELMORA_PACKAGE_CHECKS[@]}")
velmora_install_packages "${VELMORA_PACKAGES[@]}" "${tools[@]}"

programs=(velmora velmora-cli kvemu velmora_package_data)
if [ -z "$dir" ]; then
    dir="$VELMORA_ROOT/build-release"
    if [ ! -f "$dir/build.ninja" ]; then
        # Debian's build flags, hardening included; CMake reads no CPPFLAGS.
        eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
        export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
    fi
    velmora_build "$dir" -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF \
        -DCMAKE_INSTALL_PREFIX=/usr -- "${programs[@]}"
else
    [ -f "$dir/build.ninja" ] || { echo "package.sh: $dir is not a build tree" >&2; exit 2; }
    # The package installs into /usr whatever prefix the tree was made with.
    velmora_build "$dir" -DCMAKE_INSTALL_PREFIX=/usr -- "${programs[@]}"
fi

rm -f "$dir"/packages/velmora_*.deb
if ! (cd "$dir" && cpack -G DEB >cpack.log 2>&1); then
    cat "$dir/cpack.log" >&2
    exit 1
fi
deb=$(echo "$dir"/packages/velmora_*.deb)
echo "Package: $deb"

if [ -n "$check" ]; then
    root=$(mktemp -d)
    sockets=$(mktemp -d)
    daemon=""
    finish() {
        [ -n "$daemon" ] && { kill "$daemon" 2>/dev/null || true; wait "$daemon" 2>/dev/null || true; }
        rm -rf "$root" "$sockets"
    }
    trap finish EXIT
    failed=0
    dpkg-deb -x "$deb" "$root"
    echo "-- desktop-file-validate"
    desktop-file-validate "$root/usr/share/applications/velmora.desktop" || failed=1
    echo "-- appstreamcli validate"
    appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || failed=1
    echo "-- lintian"
    lint=$(lintian --fail-on error,warning "$deb" 2>&1) || failed=1
    grep -v "^running with root privileges" <<<"$lint" || true
    for page in velmora velmora-cli kvemu; do
        [ -f "$root/usr/share/man/man1/$page.1.gz" ] || { echo "no manual page for $page"; failed=1; }
    done

    echo "-- the installed programs"
    bin="$root/usr/bin"
    # The emulator as the user service starts it: by its socket, at the
    # first connection (where systemd's activation tool is at hand).
    export VELMORA_EMULATOR_DIR="$sockets"
    chmod 700 "$sockets"
    if command -v systemd-socket-activate >/dev/null; then
        systemd-socket-activate -l "$sockets/kvdriver.sock" \
            "$bin/kvemu" serve --socket-dir "$sockets" --demo >"$sockets.log" 2>&1 &
        daemon=$!
        for _ in $(seq 100); do [ -S "$sockets/kvdriver.sock" ] && break; sleep 0.05; done
    else
        "$bin/kvemu" serve --socket-dir "$sockets" --demo >"$sockets.log" 2>&1 &
        daemon=$!
        for _ in $(seq 100); do grep -q serving "$sockets.log" 2>/dev/null && break; sleep 0.05; done
    fi
    if "$bin/velmora-cli" >"$sockets/status.txt" 2>&1 && grep -q "arrays:" "$sockets/status.txt" &&
        "$bin/velmora-cli" --dump | grep -q '^LD: '; then
        cat "$sockets/status.txt"
    else
        echo "the installed velmora-cli did not read the installed kvemu's configuration:"
        cat "$sockets/status.txt" "$sockets.log"
        failed=1
    fi
    "$bin/kvemu" ctl stop >/dev/null || failed=1
    wait "$daemon" || failed=1
    daemon=""
    rm -f "$sockets.log"
    # The console loads all its libraries, and says so in one line when there
    # is no display.
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$root" "$bin/velmora" 2>&1) && failed=1
    grep -q "velmora-cli" <<<"$said" || { echo "velmora without a display said: $said"; failed=1; }
    [ $failed -eq 0 ] && echo "The package checks passed" || { echo "The package checks FAILED"; exit 1; }
fi

if [ -n "$install" ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --reinstall "$deb"
    echo "Installed. In a session that was already running, start the driver emulator's"
    echo "socket once with: systemctl --user start velmora-emulator.socket"
fi
