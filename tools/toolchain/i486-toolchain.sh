#!/usr/bin/env bash
# The compiler and runtime libraries that the released program is built with: GCC 12.2 and
# mingw-w64 10.0.0 from Debian's sources, built for the 486 (see recipe.sh).
#   tools/toolchain/i486-toolchain.sh build   builds it unless it is cached (half an hour on
#                                             two cores), resumes an interrupted build
#   tools/toolchain/i486-toolchain.sh path    prints its prefix; fails when it is not built
#   tools/toolchain/i486-toolchain.sh key     prints the cache key
# It is kept in ${QV_TOOLCHAIN_CACHE:-~/.cache/quorvane}/, in a folder named after the versions
# and the hash of recipe.sh, so that other clones, later release builds and CI reuse it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/recipe.sh"

cache_root=${QV_TOOLCHAIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvane}
key=$(sha256sum "$here/recipe.sh" | cut -c1-16)
name="$tc_arch-gcc-$tc_gcc_version-mingw-w64-$tc_mingw_version-$key"
dir="$cache_root/$name"
tc_prefix="$dir/prefix"
tc_work="$dir/work"
tc_jobs=${QV_JOBS:-2}
log="$dir/build.log"

say() { echo "[$tc_arch toolchain $(date +%H:%M:%S)] $*"; }

install_packages() {
    local missing=() p
    for p in "${tc_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    say "installing ${missing[*]}"
    $sudo apt-get update -q >>"$log" 2>&1
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends \
        "${missing[@]}" >>"$log" 2>&1
}

# Runs one step in a subshell with its output in the log, saying every five minutes that it is
# still working, so that a long step does not look like a hang.
run_step() {
    local number=$1 step=$2 stamp="$tc_work/stamps/$2"
    if [ -f "$stamp" ]; then
        say "step $number/${#tc_steps[@]}: $(tc_describe "$step"): done before"
        return 0
    fi
    say "step $number/${#tc_steps[@]}: $(tc_describe "$step")"
    local started=$SECONDS
    echo "==== $step $(date)" >>"$log"
    ("tc_step_$step") >>"$log" 2>&1 &
    local pid=$! ticks=0
    while kill -0 "$pid" 2>/dev/null; do
        sleep 10
        ticks=$((ticks + 1))
        [ $((ticks % 30)) -eq 0 ] && say "  still $(tc_describe "$step"): $(((SECONDS - started) / 60)) min"
    done
    if ! wait "$pid"; then
        say "step $step failed; the end of $log:"
        tail -n 30 "$log" >&2
        return 1
    fi
    touch "$stamp"
    say "  took $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
}

build() {
    mkdir -p "$cache_root"
    if [ -f "$tc_prefix/.complete" ]; then
        say "cached in $tc_prefix"
        return 0
    fi
    exec 9>"$cache_root/$name.lock"
    if ! flock -n 9; then
        say "another build of this toolchain is running; waiting for it"
        flock 9
        [ -f "$tc_prefix/.complete" ] && { say "cached in $tc_prefix"; return 0; }
    fi
    mkdir -p "$tc_work/stamps"
    say "building into $dir (log: $log); an interrupted build resumes where it stopped"
    install_packages
    local started=$SECONDS i=0 step
    for step in "${tc_steps[@]}"; do
        i=$((i + 1))
        run_step "$i" "$step"
    done
    {
        echo "GCC $tc_gcc_version from Debian gcc-12-source $tc_gcc_deb"
        echo "mingw-w64 $tc_mingw_version from Debian source package mingw-w64 $tc_mingw_deb"
        echo "default -march=$tc_arch -mtune=$tc_tune; runtime built with $tc_target_flags"
        echo "key $key"
    } >"$tc_prefix/BUILT-FROM.txt"
    touch "$tc_prefix/.complete"
    rm -rf "$tc_work"
    say "built in $(((SECONDS - started) / 60)) min: $tc_prefix"
}

main() {
    case "${1:-}" in
    build) build ;;
    path)
        [ -f "$tc_prefix/.complete" ] || { echo "the $tc_arch toolchain is not built: $tc_prefix" >&2; return 1; }
        echo "$tc_prefix"
        ;;
    key) echo "$key" ;;
    *)
        echo "usage: $0 build|path|key" >&2
        return 2
        ;;
    esac
}

main "$@"
exit
