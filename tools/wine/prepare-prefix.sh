#!/usr/bin/env bash
# Builds a Wine prefix once, so that tests and the sandbox can copy it instead of booting Wine.
#   prepare-prefix.sh win64|win32 DIR [WINDOWS_VERSION]
# win64: a 64-bit prefix run by /usr/lib/wine/wine64; win32: a 32-bit-only prefix run by wine.
set -euo pipefail
arch=$1
dir=$(realpath -m "$2") # Wine takes absolute prefix paths only
version=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"

if [ -f "$dir/.qv-ready" ]; then
    exit 0
fi
rm -rf "$dir"
mkdir -p "$(dirname "$dir")"
tmp="$dir.tmp.$$"
rm -rf "$tmp"

export WINEPREFIX="$tmp"
qv_wine_select "$arch"
export WINEARCH
qv_with_display "$WINE" wineboot -i >/dev/null 2>&1 || true
"$WINESERVER" -w || true

# Wine's own fonts (MS Sans Serif, Marlett for the caption buttons) must be in the prefix.
mkdir -p "$tmp/drive_c/windows/Fonts"
cp -n /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$tmp/drive_c/windows/Fonts/" 2>/dev/null || true

if [ -n "$version" ]; then
    qv_with_display "$WINE" reg add 'HKCU\Software\Wine' /v Version /d "$version" /f >/dev/null 2>&1
    "$WINESERVER" -w || true
fi
touch "$tmp/.qv-ready"
mv -T "$tmp" "$dir" 2>/dev/null || rm -rf "$tmp"
