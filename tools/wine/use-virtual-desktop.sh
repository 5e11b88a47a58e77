#!/usr/bin/env bash
# Makes every program of a prefix run inside one Wine virtual desktop of the screen's size
# (QV_SCREEN, 1024x768 unless given), by adding the two explorer keys to the user hive (no Wine
# start needed).
#   use-virtual-desktop.sh PREFIX
set -euo pipefail
hive="$1/user.reg"
grep -q '^\[Software\\\\Wine\\\\Explorer\\\\Desktops\]' "$hive" && exit 0
now=$(date +%s)
cat >>"$hive" <<REG

[Software\\\\Wine\\\\Explorer] $now
"Desktop"="Default"

[Software\\\\Wine\\\\Explorer\\\\Desktops] $now
"Default"="${QV_SCREEN:-1024x768}"
REG
