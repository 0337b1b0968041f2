#!/usr/bin/env bash
# Test emulator: runs one Windows program under Wine in the build tree's own prefix.
# Usage: wine-run.sh <build-dir> <program.exe> [args...]
set -euo pipefail
build=$1; shift
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPATH="$build/bin"
wine=/usr/lib/wine/wine64
server=$(command -v wineserver || true)
[ -n "$server" ] || server=/usr/lib/wine/wineserver

# Boot the prefix once per build tree; the lock keeps parallel tests from booting twice.
if [ ! -f "$WINEPREFIX/.booted" ]; then
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.booted" ]; then
            "$wine" wineboot --init >/dev/null 2>&1 || true
            "$server" -w || true
            touch "$WINEPREFIX/.booted"
        fi
    ) 9>"$build/wineprefix.lock"
fi

xvfb_pid=
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
    fifo=$(mktemp -u); mkfifo "$fifo"
    Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp 4>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r num <"$fifo"; rm -f "$fifo"
    export DISPLAY=":$num"
fi
"$wine" "$@"
