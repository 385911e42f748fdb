#!/usr/bin/env bash
# Writes the release a user downloads: build/dist/Tiravel-<version>-win64.zip
# (Tiravel.exe, a read-me for Windows users in Arabic and English, the
# licence texts of everything inside) and build/dist/SHA256SUMS. Sets up the
# machine and builds what is out of date first; the version is the project's
# (project(... VERSION ...) in CMakeLists.txt).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$TIRAVEL_ROOT"
bash scripts/setup.sh
bash scripts/build.sh
cmake --build --preset windows --target dist
