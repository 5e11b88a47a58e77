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

# Every import against the DLL list and the allow list (names compared without case).
printf '%s\n' "$imports" | awk -v dlls="$dlls" -v list="$(basename "$allow")" '
    BEGIN { n = split(dlls, d, " "); for (i = 1; i <= n; i++) dll_ok[d[i]] = 1 }
    FNR == NR {
        sub(/#.*/, "")
        if (NF == 2) allowed[tolower($1) " " tolower($2)] = 1
        next
    }
    NF == 2 {
        count++
        if (!($1 in dll_ok)) { print "not allowed: " $1 " (imported for " $2 ")"; bad = 1; next }
        if (!((tolower($1) " " tolower($2)) in allowed)) { print "not in " list ": " $1 " " $2; bad = 1 }
    }
    END {
        if (count == 0) { print "no imports found"; exit 1 }
        if (!bad) print count " imports, all offered by Windows 95/98"
        exit bad
    }' "$allow" -
