#!/usr/bin/env bash
# Builds Quorvane and starts it under Wine in a sandbox that looks like a Windows 98 machine.
#   ./run.sh                 sandbox prefix in ./sandbox/ (prepared on first use)
#   ./run.sh --prefix DIR    run in the Wine prefix DIR instead, used as it is
#   QV_ARCH=win64 ./run.sh   the 64-bit build even where 32-bit Wine works
#   QV_DPI=120 ./run.sh      the sandbox's screen at 120 pixels per inch (Windows' Large Fonts)
#   QV_SCREEN=640x480 ./run.sh   the screen's size without a DISPLAY (default 1024x768)
# Without a DISPLAY the program runs on a private Xvfb inside Wine's virtual desktop; the script
# then takes a screenshot of the main window, prints its path, closes the program and exits.
set -euo pipefail
cd "$(dirname "$0")"
repo=$(pwd)
prefix=
while [ $# -gt 0 ]; do
    case "$1" in
    --prefix) prefix=$(realpath -m "$2"); shift 2 ;;
    -h | --help) sed -n '2,9p' "$0"; exit 0 ;;
    *) echo "unknown option: $1 (see ./run.sh --help)" >&2; exit 2 ;;
    esac
done

./tools/setup-deps.sh
source tools/wine/wine-env.sh

# The 32-bit program where this host runs 32-bit Wine; otherwise the 64-bit build.
arch=${QV_ARCH:-}
if [ -z "$arch" ]; then
    if qv_wine32_works; then arch=win32; else arch=win64; fi
fi
echo "== Building the $arch program"
cmake --preset "$arch" >/dev/null
cmake --build --preset "$arch" --target quorvane -j "${QV_JOBS:-2}"
program="$repo/build/$arch/quorvane.exe"

if [ -z "$prefix" ]; then
    prefix="$repo/sandbox/$arch"
    ./tools/wine/prepare-sandbox.sh "$arch" "$prefix"
    ./tools/wine/set-dpi.sh "$prefix" "${QV_DPI:-96}" # 96 again after a run at another
fi
export WINEPREFIX="$prefix"
qv_wine_select "$arch"
echo "== Running $program ($arch Wine, prefix $prefix)"

if [ -n "${DISPLAY:-}" ]; then
    "$WINE" "$program"
    exit 0
fi

# No display: a private Xvfb (qv_with_display), the program inside a virtual desktop, and a
# screenshot. The main window is alone on the desktop: trimming the desktop colour leaves it.
shot="$repo/sandbox/screenshot-main${QV_DPI:+-${QV_DPI}dpi}.png"
mkdir -p "$repo/sandbox"
screenshot_main_window() {
    "$WINE" explorer "/desktop=quorvane,${QV_SCREEN:-1024x768}" "$program" >/dev/null 2>&1 &
    local wine_pid=$! raw width height found=1
    local screen=${QV_SCREEN:-1024x768}
    local screen_width=${screen%x*} screen_height=${screen#*x}
    # The window is 497x514 inside at 96 pixels per inch; a lower screen shows its top part.
    local least_height=$((screen_height < 514 ? screen_height : 514))
    raw=$(mktemp --suffix=.png)
    for _ in $(seq 1 60); do
        sleep 1
        import -window root "$raw" 2>/dev/null || continue
        read -r width height <<<"$(convert "$raw" -trim -format '%w %h' info: 2>/dev/null || echo 0 0)"
        if [ "$width" -ge 497 ] && [ "$height" -ge "$least_height" ] && [ "$width" -lt "$screen_width" ]; then
            sleep 2 # let it finish painting
            import -window root "$raw"
            convert "$raw" -trim +repage "$shot"
            found=0
            break
        fi
    done
    rm -f "$raw"
    "$WINESERVER" -k >/dev/null 2>&1 || true # closes the program before its display goes
    wait "$wine_pid" 2>/dev/null || true
    return $found
}
status=0
qv_with_display screenshot_main_window || status=$?
if [ $status -ne 0 ]; then
    echo "The main window did not appear within a minute." >&2
    exit 1
fi
echo "Screenshot of the main window: $shot"
