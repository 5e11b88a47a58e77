#!/usr/bin/env bash
# Fails when a program imports a DLL or a function that Windows 95/98 does not offer.
#   check-imports.sh OBJDUMP PROGRAM ALLOW_LIST
# The allow list has one "dll function" per line (ordinals as "dll @N"); "#" starts a comment.
set -euo pipefail
objdump=$1
program=$2
allow=$3
dlls="kernel32.dll user32.dll gdi32.dll comctl32.dll advapi32.dll shell32.dll msvcrt.dll"

imports=$("$objdump" -p "$program" | awk '
    /^The Import Tables/ { inside = 1; next }
    /^[A-Z][A-Za-z ]+\(interpreted/ && !/Import/ { inside = 0 }
    /^The / && !/Import/ { inside = 0 }
    !inside { next }
    /DLL Name:/ { dll = tolower($3); next }
    dll != "" && /^\t[0-9a-f]+\t/ {
        # "\tvma\t hint  Name" or, imported by ordinal, "\tvma\t ordinal  <none>"
        name = $NF
        if (name == "<none>") name = "@" $(NF - 1)
        print dll, name
    }')

status=0
count=0
while read -r dll name; do
    count=$((count + 1))
    case " $dlls " in
    *" $dll "*) ;;
    *) echo "not allowed: $dll (imported for $name)"; status=1; continue ;;
    esac
    if ! grep -v '^[[:space:]]*#' "$allow" | tr 'A-Z' 'a-z' | grep -qx "$dll $(echo "$name" | tr 'A-Z' 'a-z')"; then
        echo "not in $(basename "$allow"): $dll $name"
        status=1
    fi
done <<<"$imports"
if [ "$count" -eq 0 ]; then
    echo "no imports found in $program"
    exit 1
fi
[ $status -eq 0 ] && echo "$count imports, all offered by Windows 95/98"
exit $status
