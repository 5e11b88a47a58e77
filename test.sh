#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds and runs the tests.
#   ./test.sh                 every stage, as CI does
#   ./test.sh STAGE...        only the stages named: native, fuzz, win64, win32, release
# native: the portable logic's GoogleTest programs; fuzz: 60 s of the GIF decoder's libFuzzer
# target; win64 / win32: the Win32 code's test programs under 64-bit / 32-bit Wine; release: the
# released program and its checks (./release.sh). Each stage builds only what it needs.
# The release is built with a toolchain for the 486 that takes about half an hour to build once:
# without arguments the release stage runs only when that toolchain is already cached.
set -uo pipefail
cd "$(dirname "$0")"
repo=$(pwd)

all_stages=(native fuzz win64 win32)
usage() {
    echo "usage: ./test.sh [native|fuzz|win64|win32|release]..." >&2
    exit 2
}
declare -A wanted=()
for stage in "$@"; do
    case "$stage" in
    native | fuzz | win64 | win32 | release) wanted[$stage]=1 ;;
    -h | --help) usage ;;
    *) echo "unknown stage: $stage" >&2; usage ;;
    esac
done
release_if_cached=
if [ $# -eq 0 ]; then
    for stage in "${all_stages[@]}"; do wanted[$stage]=1; done
    release_if_cached=1
fi

./tools/setup-deps.sh || exit 1
source tools/wine/wine-env.sh

werror=OFF
[ -n "${CI:-}" ] && werror=ON
export QV_PREFIX_ROOT=${QV_PREFIX_ROOT:-$repo/build/prefixes}
jobs=${QV_JOBS:-2}

build() {
    cmake --preset "$1" -DQV_WERROR=$werror >/dev/null && cmake --build --preset "$1" -j "$jobs"
}

status=0
summary=()
run_ctest() {
    local preset=$1
    if ctest --preset "$preset" -j "$jobs" --output-on-failure; then
        summary+=("$preset: passed")
    else
        summary+=("$preset: FAILED")
        status=1
    fi
}

if [ -n "${wanted[native]:-}" ]; then
    build native || exit 1
    run_ctest native
fi

if [ -n "${wanted[fuzz]:-}" ]; then
    # A short fuzzing run of the GIF decoder (clang, ASan + UBSan); findings go to build/fuzz/.
    mkdir -p build
    ./fuzz/run-fuzz.sh 60 >build/fuzz.log 2>&1 && summary+=("fuzz: 60 s, no findings") ||
        { summary+=("fuzz: FAILED (see build/fuzz.log)"); status=1; }
fi

if [ -n "${wanted[win64]:-}" ]; then
    build win64 || exit 1
    ./tools/wine/prepare-prefix.sh win64 "$QV_PREFIX_ROOT/win64" || exit 1
    run_ctest win64
fi

if [ -n "${wanted[win32]:-}" ]; then
    build win32 || exit 1
    if qv_wine32_works && ./tools/wine/prepare-prefix.sh win32 "$QV_PREFIX_ROOT/win32" "${QV_WIN32_VERSION:-win98}"; then
        run_ctest win32
    else
        # Build checks of the 32-bit program still run; its Wine tests need a host that runs i386 code.
        ctest --preset win32 -L build --output-on-failure || status=1
        summary+=("win32: built; Wine tests skipped (this host cannot run 32-bit Wine)")
    fi
fi

if [ -n "$release_if_cached" ]; then
    if ./tools/toolchain/i486-toolchain.sh path >/dev/null 2>&1; then
        wanted[release]=1
    else
        summary+=("release: skipped, the 486 toolchain is not built yet (./release.sh builds it once: about 30 minutes on 2 cores)")
    fi
fi

if [ -n "${wanted[release]:-}" ]; then
    if ./release.sh; then
        summary+=("release: passed (the zip in dist/ built and checked)")
    else
        summary+=("release: FAILED")
        status=1
    fi
fi

echo
echo "== Summary"
for line in "${summary[@]}"; do echo "  $line"; done
exit $status
