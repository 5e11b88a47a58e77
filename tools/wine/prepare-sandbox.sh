#!/usr/bin/env bash
# Prepares the sandbox prefix of ./run.sh once: a Windows 98 look-alike with a [vcache] section
# in C:\windows\system.ini and the file-system templates of Windows 98 in the registry.
#   prepare-sandbox.sh win32|win64 DIR
# win32 is a 32-bit-only prefix in Windows 98 mode, so the registry has one view only.
set -euo pipefail
arch=$1
dir=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
[ -f "$dir/.qv-sandbox" ] && exit 0

version=
[ "$arch" = win32 ] && version=win98
root=$(dirname "$dir")/.template-$arch
"$here/prepare-prefix.sh" "$arch" "$root" $version
rm -rf "$dir"
cp -a "$root" "$dir"
rm -rf "$root"

cat >"$dir/drive_c/windows/system.ini" <<'INI'
[boot]
shell=Explorer.exe
system.drv=system.drv
drivers=mmsystem.dll power.drv
user.exe=user.exe
gdi.exe=gdi.exe

[boot.description]
keyboard.typ=Standard 101/102-Key or Microsoft Natural Keyboard
mouse.drv=Standard mouse

[386Enh]
ebios=*ebios
woafont=dosapp.fon
mouse=*vmouse, msmouse.vxd
device=*vshare

[drivers]
wavemapper=*.drv
MSACM.imaadpcm=*.drv

[vcache]
minfilecache=2048
maxfilecache=16384
chunksize=512
INI
sed -i 's/$/\r/' "$dir/drive_c/windows/system.ini"

export WINEPREFIX="$dir"
qv_wine_select "$arch"
templates='HKLM\Software\Microsoft\Windows\CurrentVersion\FS Templates'
add() { "$WINE" reg add "$@" /f >/dev/null 2>&1; }
write_templates() {
    add "$templates" /ve /d Desktop
    # NameCache and PathCache: 4-byte little-endian binary values.
    add "$templates\\Desktop" /v NameCache /t REG_BINARY /d a5020000 # 677
    add "$templates\\Desktop" /v PathCache /t REG_BINARY /d 20000000 # 32
    add "$templates\\Mobile" /v NameCache /t REG_BINARY /d 51010000  # 337
    add "$templates\\Mobile" /v PathCache /t REG_BINARY /d 10000000  # 16
    add "$templates\\Server" /v NameCache /t REG_BINARY /d a90a0000  # 2729
    add "$templates\\Server" /v PathCache /t REG_BINARY /d 40000000  # 64
    "$WINESERVER" -w
}
# Windows 9x has Arial; Wine has none, and the face it falls back to is wider, which cuts off
# the "Enabled" boxes and five-digit sizes. Liberation Sans has Arial's metrics.
liberation=/usr/share/fonts/truetype/liberation
if ls "$liberation"/LiberationSans-*.ttf >/dev/null 2>&1; then
    cp -n "$liberation"/LiberationSans-*.ttf "$dir/drive_c/windows/Fonts/"
fi
write_font_replacements() {
    add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d "Liberation Sans"
    "$WINESERVER" -w
}
qv_with_display write_templates
ls "$dir/drive_c/windows/Fonts"/LiberationSans-*.ttf >/dev/null 2>&1 &&
    qv_with_display write_font_replacements
touch "$dir/.qv-sandbox"
