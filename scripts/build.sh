#!/usr/bin/env bash
# Builds what is out of date: the native preset first (its host tools make the
# generated resources that the Windows executable embeds), then Windows. The
# presets named are built instead, in the order given: asan and fuzz (clang)
# are built only when named, fuzz after native, whose resources it reads.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$TIRAVEL_ROOT"

presets=("$@")
[ $# -gt 0 ] || presets=(native windows)
for p in "${presets[@]}"; do
    # A changed preset or toolchain file takes effect: configure again.
    if [ ! -f "build/$p/build.ninja" ] || [ CMakePresets.json -nt "build/$p/CMakeCache.txt" ] ||
        [ cmake/mingw-w64-posix.cmake -nt "build/$p/CMakeCache.txt" ]; then
        cmake --preset "$p" >/dev/null
    fi
    cmake --build --preset "$p"
done
