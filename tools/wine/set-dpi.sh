#!/usr/bin/env bash
# Gives a prefix a screen of another density, as Windows 98's display settings do ("Large Fonts"
# is 120 pixels per inch): the LogPixels values of the machine's and of the user's font
# settings, added to the hives (no Wine start needed; a later value of a key wins).
#   set-dpi.sh PREFIX PIXELS_PER_INCH
set -euo pipefail
prefix=$1
value=$(printf 'dword:%08x' "$2")
now=$(date +%s)
cat >>"$prefix/system.reg" <<REG

[System\\\\CurrentControlSet\\\\Hardware Profiles\\\\Current\\\\Software\\\\Fonts] $now
"LogPixels"=$value
REG
cat >>"$prefix/user.reg" <<REG

[Control Panel\\\\Desktop] $now
"LogPixels"=$value
REG
