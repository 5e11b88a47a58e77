#!/usr/bin/env bash
# Test of `gifdump --frames`: the dialog picture's one frame as a 48 x 48 RGBA PAM whose corner
# pixel is transparent (alpha 0) and whose centre is opaque.
set -euo pipefail
gifdump=$1
picture=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$gifdump" --frames "$dir" "$picture" >/dev/null 2>&1 || [ $? -eq 3 ]
pam=$dir/frame-001.pam
header=$'P7\nWIDTH 48\nHEIGHT 48\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n'
[ "$(head -c ${#header} "$pam")" == "${header%$'\n'}" ] || { echo "bad header"; exit 1; }
[ "$(stat -c %s "$pam")" -eq $((${#header} + 48 * 48 * 4)) ] || { echo "bad size"; exit 1; }
alpha() { od -An -tu1 -j $((${#header} + ($2 * 48 + $1) * 4 + 3)) -N1 "$pam" | tr -d ' '; }
[ "$(alpha 0 0)" -eq 0 ] || { echo "corner not transparent"; exit 1; }
[ "$(alpha 24 24)" -eq 255 ] || { echo "centre not opaque"; exit 1; }
[ ! -e "$dir/frame-002.pam" ] || { echo "one frame only"; exit 1; }
echo "frames ok"
