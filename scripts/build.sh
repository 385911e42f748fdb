#!/usr/bin/env bash
# Builds what is out of date: the native preset first (its host tools make the
# generated resources that the Windows executable embeds), then Windows.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$TIRAVEL_ROOT"

presets=("$@")
[ $# -gt 0 ] || presets=(native windows)
for p in "${presets[@]}"; do
    [ -f "build/$p/build.ninja" ] || cmake --preset "$p" >/dev/null
    cmake --build --preset "$p"
done
