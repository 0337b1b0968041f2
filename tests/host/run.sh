#!/usr/bin/env bash
# Configures, builds and runs the external host against a finished build of the library.
# Usage: run.sh <source-dir> <build-dir>
set -euo pipefail
src=$1 build=$2
out="$build/external-host"
cmake -S "$src/tests/host" -B "$out" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-w64-x86_64.cmake" \
    -DQOR_SOURCE="$src" -DQOR_BUILD="$build" >/dev/null
cmake --build "$out"
set +e
"$src/cmake/wine-run.sh" "$build" "$out/host.exe"
code=$?
set -e
if [ "$code" -ne 0 ]; then
    echo "external host: check $code failed (see tests/host/main.cpp)"
fi
exit "$code"
