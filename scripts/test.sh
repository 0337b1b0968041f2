#!/usr/bin/env bash
# make test: set-up, build, then every test under Wine; exits with ctest's status.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" || exit 1
. "$top/scripts/xvfb.sh"
export WINEPREFIX="$top/build/wineprefix"
WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
trap stop_all EXIT
start_xvfb
cd "$top/build" && ctest --output-on-failure --timeout 300 "$@"
