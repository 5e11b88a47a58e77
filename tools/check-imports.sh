#!/usr/bin/env bash
# Fails when a program imports a DLL or a function that Windows 95/98 does not offer.
#   check-imports.sh OBJDUMP PROGRAM ALLOW_LIST...
# An allow list has one "dll function" per line (ordinals as "dll @N"); "#" starts a comment.
# Only the DLLs that the lists name may be imported: win9x-imports.txt names the system's own,
# and one more list names the C runtime (crtdll-win95.txt for the release, msvcrt-imports.txt
# for the tested builds).
set -euo pipefail
if [ $# -lt 3 ]; then
    echo "usage: check-imports.sh OBJDUMP PROGRAM ALLOW_LIST..." >&2
    exit 2
fi
objdump=$1
program=$2
shift 2

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

lists=$(for list in "$@"; do basename "$list"; done | paste -sd' ')

# Every import against the allow lists (names compared without case); the import table is the
# last input, "-".
printf '%s\n' "$imports" | awk -v lists="$lists" '
    FILENAME != "-" {
        sub(/#.*/, "")
        if (NF == 2) { allowed[tolower($1) " " tolower($2)] = 1; dll_ok[tolower($1)] = 1 }
        next
    }
    NF == 2 {
        count++
        per_dll[$1]++
        if (!($1 in dll_ok)) {
            print "not allowed: " $1 " (imported for " $2 ")" \
                ($1 == "msvcrt.dll" ? ": Windows 95 has no msvcrt.dll" : "")
            bad = 1
            next
        }
        if (!((tolower($1) " " tolower($2)) in allowed)) { print "not in " lists ": " $1 " " $2; bad = 1 }
    }
    END {
        if (count == 0) { print "no imports found"; exit 1 }
        if (bad) exit 1
        for (dll in per_dll) each = each (each == "" ? "" : ", ") dll " " per_dll[dll]
        print count " imports, all offered by Windows 95/98 (" each ")"
        exit bad
    }' "$@" -
