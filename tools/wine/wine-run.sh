#!/usr/bin/env bash
# CTest's cross-compiling emulator: runs one Windows test program in a throwaway copy of a
# prepared prefix, on a private Xvfb display, and ends its wineserver afterwards.
#   wine-run.sh win64|win32 PROGRAM [ARGS...]
# The prepared prefixes live in $QV_PREFIX_ROOT (default: <repo>/build/prefixes).
# QV_TIME_LIMIT (seconds, counted from this script's start) stops a program that runs longer;
# CTest sets it a little below its own limit, whose hard kill would leave the copy behind.
# QV_DPI gives the copy a screen of that many pixels per inch (120: Windows' "Large Fonts");
# QV_SCREEN its size (default 1024x768; 640x480 is a VGA screen).
set -euo pipefail
arch=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
source "$here/wine-env.sh"
qv_wine_select "$arch"

root=${QV_PREFIX_ROOT:-$repo/build/prefixes}
template="$root/$arch"
if [ ! -f "$template/.qv-ready" ]; then
    version=
    [ "$arch" = win32 ] && version=${QV_WIN32_VERSION:-win98}
    "$here/prepare-prefix.sh" "$arch" "$template" $version
fi

work=$(mktemp -d /tmp/qv-wine.XXXXXX)
cleanup() {
    WINEPREFIX="$work/prefix" "$WINESERVER" -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
"$here/clone-prefix.sh" "$template" "$work/prefix"
export WINEPREFIX="$work/prefix"
# Inside Wine's virtual desktop: hiding or destroying a top-level window then takes no X
# round trip (on a bare Xvfb each one waits about two seconds for the window manager).
"$here/use-virtual-desktop.sh" "$WINEPREFIX"
[ -z "${QV_DPI:-}" ] || "$here/set-dpi.sh" "$WINEPREFIX" "$QV_DPI"

rc=0
if [ -n "${QV_TIME_LIMIT:-}" ]; then
    left=$((QV_TIME_LIMIT - SECONDS)) # copying the prefix takes long on a busy machine
    [ $left -gt 1 ] || left=1
    qv_with_display timeout -k 5 "$left" "$WINE" "$@" || rc=$?
else
    qv_with_display "$WINE" "$@" || rc=$?
fi
if [ -n "${QV_TIME_LIMIT:-}" ] && { [ $rc -eq 124 ] || [ $rc -eq 137 ]; }; then
    echo "$(basename "$1") stopped: it ran longer than its time limit of $QV_TIME_LIMIT s" >&2
fi
"$WINESERVER" -w >/dev/null 2>&1 || true
exit $rc
