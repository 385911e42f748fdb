# Shared environment of the project's scripts; sourced, never run.
# Everything that is not in the source tree lives under one cache folder so
# that a clean checkout builds against it without redoing the set-up.

TIRAVEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export TIRAVEL_ROOT
export TIRAVEL_CACHE=${TIRAVEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tiravel}
# Windows builds of the core's libraries, cross-compiled by scripts/setup.sh.
export TIRAVEL_MINGW_PREFIX=$TIRAVEL_CACHE/mingw
# The picture libraries built for the fuzz targets, by scripts/setup.sh.
export TIRAVEL_FUZZ_PREFIX=$TIRAVEL_CACHE/fuzz-libs
# Inputs of the data build that do not come from npm.
export TIRAVEL_INPUTS=$TIRAVEL_CACHE/inputs

export WINEPREFIX=${WINEPREFIX:-$TIRAVEL_CACHE/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINEARCH=win64
# Debian's own python carries python3-fonttools; a python earlier on PATH may not.
export TIRAVEL_PYTHON=/usr/bin/python3
