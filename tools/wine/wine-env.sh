# Shared helpers for the Wine scripts (sourced, not run).
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

qv_wine_select() {
    case "$1" in
    win64) WINE=/usr/lib/wine/wine64; WINEARCH=win64 ;;
    win32) WINE=/usr/lib/wine/wine; WINEARCH=win32 ;;
    *) echo "unknown Wine architecture: $1" >&2; return 2 ;;
    esac
    WINESERVER=/usr/lib/wine/wineserver
    [ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)
    export WINEARCH
}

# Runs a command on a private Xvfb display unless one is given in QV_DISPLAY; its size is
# QV_SCREEN (1024x768 unless given), its colour depth QV_SCREEN_DEPTH (24 unless given; 8 makes
# a 256-colour palette display).
qv_with_display() {
    if [ -n "${QV_DISPLAY:-}" ]; then
        DISPLAY=$QV_DISPLAY "$@"
        return
    fi
    local fifo rc disp pid
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${QV_SCREEN:-1024x768}x${QV_SCREEN_DEPTH:-24}" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    pid=$!
    read -r disp <"$fifo"
    rm -f "$fifo"
    set +e
    DISPLAY=":$disp" "$@"
    rc=$?
    set -e
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return $rc
}

# True when this host can run 32-bit Windows programs under Wine.
qv_wine32_works() {
    [ -x /usr/lib/wine/wine ] || return 1
    local out
    out=$(WINEPREFIX=$(mktemp -d) /usr/lib/wine/wine --version 2>&1) || return 1
    # /usr/lib/wine/wine is itself an i386 program: where the kernel runs no 32-bit code this
    # fails with "Exec format error".
    case "$out" in wine-*) return 0 ;; *) return 1 ;; esac
}
