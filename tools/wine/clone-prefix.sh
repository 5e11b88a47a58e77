#!/usr/bin/env bash
# Copies a prepared prefix cheaply: the large, read-only system DLLs are hard links, everything
# Wine or a test may write (registry hives, .ini files, user folders) is a real copy.
#   clone-prefix.sh TEMPLATE DEST
set -euo pipefail
src=$1
dst=$2
rm -rf "$dst"
cp -al "$src" "$dst"
for f in "$dst"/*.reg; do
    cp --remove-destination "$src/$(basename "$f")" "$f"
done
find "$dst/drive_c" -maxdepth 2 -type f -iname '*.ini' -print0 |
    while IFS= read -r -d '' f; do cp --remove-destination "$src/${f#"$dst"/}" "$f"; done
rm -rf "$dst/drive_c/users"
cp -a "$src/drive_c/users" "$dst/drive_c/users"
rm -rf "$dst/drive_c/windows/temp"
mkdir -p "$dst/drive_c/windows/temp"
