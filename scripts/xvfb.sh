# Sourced: starts an Xvfb of our own when no display is set, and stops it by its own id.
xvfb_pid=
start_xvfb() {
    if [ -z "${DISPLAY:-}" ]; then
        local fifo
        fifo=$(mktemp -u); mkfifo "$fifo"
        Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp 4>"$fifo" >/dev/null 2>&1 &
        xvfb_pid=$!
        read -r num <"$fifo"; rm -f "$fifo"
        export DISPLAY=":$num"
        echo "started Xvfb on $DISPLAY (pid $xvfb_pid)"
    fi
}
stop_all() {
    # Only the wineserver of our own prefix, and only our own Xvfb.
    if [ -d "${WINEPREFIX:-}" ]; then
        WINEPREFIX="$WINEPREFIX" "${WINESERVER:-/usr/lib/wine/wineserver}" -k 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
