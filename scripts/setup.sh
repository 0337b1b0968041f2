#!/usr/bin/env bash
# Installs the cross toolchain, Wine, Xvfb and the GoogleTest sources when any is missing.
# A second run finds everything and installs nothing.
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1 || [ -x "$2" ]; }
have x86_64-w64-mingw32-g++-posix /nonexistent || need+=(g++-mingw-w64-x86-64-posix)
have x86_64-w64-mingw32-windres /nonexistent   || need+=(binutils-mingw-w64-x86-64)
have widl /usr/bin/x86_64-w64-mingw32-widl      || need+=(mingw-w64-tools)
have wine64 /usr/lib/wine/wine64                || need+=(wine64)
have Xvfb /nonexistent                          || need+=(xvfb)
have xauth /nonexistent                         || need+=(xauth)
have cmake /nonexistent                         || need+=(cmake)
have ninja /nonexistent                         || need+=(ninja-build)
[ -f /usr/src/googletest/CMakeLists.txt ]       || need+=(googletest)
[ -x /usr/bin/convert ]                         || need+=(imagemagick)

if [ ${#need[@]} -eq 0 ]; then
    exit 0
fi
echo "setup: installing ${need[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "setup: these packages are missing and installing them needs root: ${need[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${need[@]}"
