#!/usr/bin/env bash
# make demo: set-up, build, then the demo host; without a display it takes screenshots.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" || exit 1
. "$top/scripts/xvfb.sh"
export WINEPREFIX="$top/build/wineprefix"
WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
trap stop_all EXIT
args=()
if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
    shots="$top/build/demo/screens"
    rm -rf "$shots"; mkdir -p "$shots"
    abs=$(cd "$shots" && pwd)
    args=(--screens "Z:${abs//\//\\}")   # the Windows name of the folder
fi
"$top/cmake/wine-run.sh" "$top/build" "$top/build/bin/demo.exe" "${args[@]}"
status=$?
if [ ${#args[@]} -gt 0 ]; then
    n=0
    for bmp in "$shots"/*.bmp; do
        [ -f "$bmp" ] || continue
        /usr/bin/convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp" && echo "screenshot: ${bmp%.bmp}.png" && n=$((n+1))
    done
    [ $n -gt 0 ] || { echo "demo: no screenshots written" >&2; exit 1; }
fi
exit $status
