#!/usr/bin/env bash
# make bench: set-up, build, then every benchmark under Wine; each prints its figures.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" || exit 1
. "$top/scripts/xvfb.sh"
export WINEPREFIX="$top/build/wineprefix"
WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
trap stop_all EXIT
start_xvfb
status=0
for exe in "$top"/build/bin/*_bench.exe; do
    "$top/cmake/wine-run.sh" "$top/build" "$exe" || status=1
done
exit $status
