#!/usr/bin/env bash
# Installs everything a fresh Debian 12 machine lacks to build, run and test
# Tiravel. Idempotent: each step first checks whether its result is already in
# place, so a second run only looks around and returns within seconds.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

say() { printf 'setup: %s\n' "$*" >&2; }

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# --- Debian packages ---------------------------------------------------------

APT_PACKAGES=(
    # toolchains and build
    g++ cmake ninja-build pkg-config dpkg-dev nasm
    # the sanitizer and fuzzing builds: clang with its runtimes (libFuzzer)
    clang libclang-rt-14-dev
    g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
    # core libraries (native build) and host tools
    zlib1g-dev libpng-dev libjpeg-dev libpugixml-dev
    libharfbuzz-dev libharfbuzz-bin libfreetype-dev nlohmann-json3-dev python3-fonttools
    # tests and benchmarks
    googletest libgtest-dev libbenchmark-dev libcairo2-dev
    # data inputs
    fonts-hosny-amiri
    # running under Wine on a virtual display, and observing it
    xvfb xauth xdotool xclip imagemagick x11-apps fontconfig
    # an interface font with Arabic for the Wine prefixes
    fonts-dejavu-core
    libreoffice-writer-nogui poppler-utils
    # a browser that renders the copied HTML (headless)
    chromium
)
# Wine wants its recommended packages (fonts, XRender support).
APT_WITH_RECOMMENDS=(wine wine64)

apt_updated=0
apt_update_once() {
    if [ "$apt_updated" = 0 ]; then
        say "apt-get update"
        as_root apt-get update -qq
        apt_updated=1
    fi
}

missing_packages() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
    done
}

install_apt() {
    local missing
    # Node.js may come from elsewhere than Debian (its npm then conflicts with
    # Debian's), so Debian's is installed only where there is none.
    command -v npm >/dev/null || APT_PACKAGES+=(nodejs npm)
    missing=$(missing_packages "${APT_PACKAGES[@]}")
    if [ -n "$missing" ]; then
        apt_update_once
        say "installing:" $missing
        # shellcheck disable=SC2086
        DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends $missing
    fi
    missing=$(missing_packages "${APT_WITH_RECOMMENDS[@]}")
    if [ -n "$missing" ]; then
        apt_update_once
        say "installing:" $missing
        # shellcheck disable=SC2086
        DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq $missing
    fi
}

# --- Debian source packages, cross-compiled for Windows ------------------------

enable_deb_src() {
    if ! grep -rqs '^Types: *deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
        say "adding deb-src entries"
        if [ -f /etc/apt/sources.list.d/debian.sources ]; then
            sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
                as_root tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
        else
            grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
                as_root tee /etc/apt/sources.list.d/debian-src.list >/dev/null
        fi
        apt_updated=0
    fi
    apt_update_once
}

# Unpacks source package $1 into the current folder. The index can list a
# version whose files are gone from the mirror, so every listed version is
# tried, newest first, until one downloads.
fetch_source() {
    local pkg=$1 v
    apt-get source -qq "$pkg" >/dev/null 2>&1 && return 0
    for v in $(apt-cache showsrc "$pkg" | awk '/^Version:/ {print $2}' | sort -Vr -u); do
        say "apt-get source $pkg=$v"
        apt-get source -qq "$pkg=$v" >/dev/null 2>&1 && return 0
    done
    say "could not fetch the source of $pkg"
    return 1
}

# source_build NAME SOURCE-PACKAGE PREFIX STAMP CMAKE-ARGS...: builds the
# library from its Debian source package with CMake and installs it into
# PREFIX. The stamp file records the source version on its first line and
# STAMP (what the build depends on) on its second; another STAMP builds the
# library again.
source_build() {
    local name=$1 srcpkg=$2 prefix=$3 want=$4; shift 4
    local stamp=$prefix/.built-$name
    [ -f "$stamp" ] && [ "$(sed -n 2p "$stamp")" = "$want" ] && return 0
    enable_deb_src
    mkdir -p "$prefix"
    local work=$TIRAVEL_CACHE/src/$name-$(basename "$prefix")
    rm -rf "$work"; mkdir -p "$work"
    (cd "$work" && fetch_source "$srcpkg")
    local dir
    dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
    say "building $name from $(basename "$dir") into $prefix"
    cmake -S "$dir" -B "$dir/build-tiravel" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >"$work/configure.log" 2>&1 ||
        { tail -n 30 "$work/configure.log" >&2; return 1; }
    cmake --build "$dir/build-tiravel" --target install >"$work/build.log" 2>&1 ||
        { tail -n 30 "$work/build.log" >&2; return 1; }
    { basename "$dir"; echo "$want"; } >"$stamp"
    rm -rf "$work"
}

# cross_build NAME SOURCE-PACKAGE CMAKE-ARGS...: for Windows; the stamp
# records the flags and the toolchain file.
cross_build() {
    local name=$1 srcpkg=$2; shift 2
    source_build "$name" "$srcpkg" "$TIRAVEL_MINGW_PREFIX" \
        "flags: $* toolchain: $(sha256sum "$TIRAVEL_ROOT/cmake/mingw-w64-posix.cmake" | cut -c1-16)" \
        -DCMAKE_TOOLCHAIN_FILE="$TIRAVEL_ROOT/cmake/mingw-w64-posix.cmake" "$@"
}

# fuzz_build NAME SOURCE-PACKAGE CMAKE-ARGS...: for the fuzz targets, with
# clang's coverage for libFuzzer and AddressSanitizer, so the fuzzer sees
# inside the picture decoders. Their own undefined behaviour is left to
# their maintainers: the targets look for ours.
fuzz_build() {
    local name=$1 srcpkg=$2; shift 2
    local flags="-g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,address"
    source_build "$name" "$srcpkg" "$TIRAVEL_FUZZ_PREFIX" "flags: $* cflags: $flags" \
        -DCMAKE_C_COMPILER=clang -DCMAKE_C_FLAGS="$flags" "$@"
}

install_windows_libraries() {
    mkdir -p "$TIRAVEL_MINGW_PREFIX"
    cross_build libjpeg-turbo libjpeg-turbo -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF
    cross_build libpng libpng1.6 -DPNG_SHARED=OFF -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF
    cross_build pugixml pugixml -DBUILD_SHARED_LIBS=OFF -DPUGIXML_BUILD_TESTS=OFF
}

# The fuzz preset finds these before Debian's own builds of the same sources.
# Without SIMD the decoders run their C code, which the fuzzer can see.
install_fuzz_libraries() {
    fuzz_build libjpeg-turbo libjpeg-turbo -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF
    fuzz_build libpng libpng1.6 -DPNG_SHARED=OFF -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF
}

# --- data inputs ---------------------------------------------------------------

# The plain (imla'i) Quran text comes from a file of texlive-lang-arabic; only
# that file is needed, so the package is downloaded and unpacked, not installed.
install_simple_text() {
    local target=$TIRAVEL_INPUTS/qurantext-simple.def
    [ -s "$target" ] && return 0
    apt_update_once
    local work=$TIRAVEL_CACHE/src/texlive
    rm -rf "$work"; mkdir -p "$work" "$TIRAVEL_INPUTS"
    say "downloading texlive-lang-arabic for qurantext-simple.def"
    (cd "$work" && apt-get download -qq -o APT::Sandbox::User=root texlive-lang-arabic >/dev/null)
    dpkg -x "$work"/texlive-lang-arabic_*.deb "$work/root"
    local found
    found=$(find "$work/root" -name qurantext-simple.def | head -n 1)
    [ -n "$found" ] || { say "qurantext-simple.def not found in texlive-lang-arabic"; return 1; }
    cp "$found" "$target"
    rm -rf "$work"
}

install_npm() {
    local stamp=$TIRAVEL_ROOT/node_modules/.tiravel-lock
    local want
    want=$(sha256sum "$TIRAVEL_ROOT/package-lock.json" | cut -d' ' -f1)
    [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ] && return 0
    say "npm ci"
    (cd "$TIRAVEL_ROOT" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error >/dev/null)
    echo "$want" >"$stamp"
}

# --- Wine ----------------------------------------------------------------------

source "$(dirname "${BASH_SOURCE[0]}")/wine-prefix.sh"

install_wine_prefix() {
    wine_prefix_ready "$WINEPREFIX" && return 0
    say "preparing the Wine prefix $WINEPREFIX (interface fonts with Arabic)"
    make_wine_prefix "$WINEPREFIX" || { say "could not prepare the Wine prefix $WINEPREFIX"; return 1; }
}

install_apt
install_windows_libraries
install_fuzz_libraries
install_simple_text
install_npm
install_wine_prefix
