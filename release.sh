#!/usr/bin/env bash
# Builds the 32-bit program for release and writes dist/quorvane-<version>.zip with
# quorvane.exe, Quorvane.hlp, Quorvane.cnt and README.TXT.
#   ./release.sh
# The program comes from the same sources as the tested 32-bit build, optimised for size,
# without debug information (configure preset "release", build/release/), and passes the same
# import check. It is built for the 486 with a GCC and runtime of its own
# (tools/toolchain/i486-toolchain.sh: built once, about half an hour, then kept in
# ~/.cache/quorvane/), and a check fails on any instruction that a 486 lacks. Its C runtime is
# crtdll.dll, which every Windows 95 has (docs/c-runtime.md). Where this host runs 32-bit Wine,
# the packed program is run through in a Windows 98 prefix: its window shows, a ticked box is
# saved into system.ini and the registry, and a changed value is saved by answering the
# confirmation question on exit (tools/release/start-check.cpp).
set -euo pipefail
cd "$(dirname "$0")"
repo=$(pwd)
./tools/setup-deps.sh
source tools/wine/wine-env.sh

version=$(sed -n 's/^project(Quorvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
build="$repo/build/release"
program="$build/quorvane.exe"
zip_file="$repo/dist/quorvane-$version.zip"
max_bytes=$((260 * 1024))

echo "== The 486 toolchain"
./tools/toolchain/i486-toolchain.sh build
QV_I486_TOOLCHAIN=$(./tools/toolchain/i486-toolchain.sh path)
export QV_I486_TOOLCHAIN
# A build folder made with another compiler (Debian's, or an older toolchain) is made anew.
if [ -d "$build" ] && [ "$(cat "$build/toolchain.txt" 2>/dev/null)" != "$QV_I486_TOOLCHAIN" ]; then
    rm -rf "$build"
fi
mkdir -p "$build"
echo "$QV_I486_TOOLCHAIN" >"$build/toolchain.txt"

echo "== Building the release program in $build"
cmake --preset release -DQV_WERROR=ON >/dev/null
cmake --build --preset release --target quorvane quorvane_help quorvane_readme \
    release_start_check -j "${QV_JOBS:-2}"

echo "== Checking it"
# Its C runtime is crtdll.dll, which every Windows 95 has (docs/c-runtime.md): msvcrt.dll fails.
./tools/check-imports.sh i686-w64-mingw32-objdump "$program" tools/win9x-imports.txt \
    tools/crtdll-win95.txt
python3 tools/release/check-i486.py --map "$build/quorvane.map" \
    --exceptions tools/release/i486-exceptions.txt "$program"
if i686-w64-mingw32-objdump -h "$program" | grep -q '\.debug'; then
    echo "quorvane.exe has debug information" >&2
    exit 1
fi
size=$(stat -c %s "$program")
if [ "$size" -gt "$max_bytes" ]; then
    echo "quorvane.exe is $size bytes, more than $max_bytes" >&2
    exit 1
fi

echo "== Packing $zip_file"
mkdir -p "$repo/dist"
rm -f "$zip_file"
zip -q -j -X "$zip_file" "$program" "$build/Quorvane.hlp" "$build/Quorvane.cnt" "$build/README.TXT"
unzip -l "$zip_file"

if qv_wine32_works; then
    echo "== Running it under 32-bit Wine (Windows 98): start, save, change, confirm, end"
    prefix_root=${QV_PREFIX_ROOT:-$repo/build/prefixes}
    ./tools/wine/prepare-prefix.sh win32 "$prefix_root/win32" win98
    work=$(mktemp -d /tmp/qv-release.XXXXXX)
    qv_wine_select win32
    cleanup() {
        WINEPREFIX="$work/prefix" "$WINESERVER" -k >/dev/null 2>&1 || true
        rm -rf "$work"
    }
    trap cleanup EXIT
    ./tools/wine/clone-prefix.sh "$prefix_root/win32" "$work/prefix"
    export WINEPREFIX="$work/prefix"
    ./tools/wine/use-virtual-desktop.sh "$WINEPREFIX"
    # Installed as a user would: the package unpacked into a folder of its own, in a fresh
    # Windows 98 prefix (no [vcache] keys, no template of the program's own).
    unzip -q "$zip_file" -d "$WINEPREFIX/drive_c/Quorvane"
    cp "$build/release_start_check.exe" "$WINEPREFIX/drive_c/"
    qv_with_display "$WINE" 'C:\release_start_check.exe' 'C:\Quorvane\quorvane.exe' "$version"
    "$WINESERVER" -w >/dev/null 2>&1 || true
else
    echo "== 32-bit Wine does not run on this host: the run-through under Windows 98 is skipped"
fi

echo
echo "quorvane.exe: $size bytes ($(((size + 1023) / 1024)) KB)"
echo "Package: $zip_file"
