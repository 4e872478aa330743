#!/bin/bash
# Makes a Wine prefix once: initialised without a display, sound probing off,
# no window manager assumptions, and the Japanese font names of the programs
# mapped to the IPA fonts. Does nothing when the prefix is already complete.
#   make-wine-prefix.sh PREFIX
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
export WINEPREFIX="$(realpath -m "$1")"
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"

[ -f "$WINEPREFIX/.melopad-prefix-complete" ] && exit 0
rm -rf "$WINEPREFIX"
echo "Making the Wine prefix $WINEPREFIX"

# wineboot with the null display driver needs no X server.
DISPLAY= wine wineboot -i >/dev/null 2>&1 </dev/null
wineserver -w

# Wine's own fonts (Marlett draws the caption buttons) where the prefix's
# programs find them.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"

reg_add() { wine reg add "$@" /f >/dev/null 2>&1 </dev/null; }
reg_add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d ''
reg_add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N

# Font substitutes: a UTF-16LE .reg file with a byte order mark for regedit.
fonts_reg="$WINEPREFIX/font-substitutes.reg"
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
  for pair in "ＭＳ Ｐゴシック=IPAPGothic" "ＭＳ ゴシック=IPAGothic" \
              "ＭＳ Ｐ明朝=IPAPMincho" "ＭＳ 明朝=IPAMincho" \
              "MS PGothic=IPAPGothic" "MS Gothic=IPAGothic" \
              "MS PMincho=IPAPMincho" "MS Mincho=IPAMincho" "MS UI Gothic=IPAPGothic" \
              "Arial Black=DejaVu Sans"; do
    printf '"%s"="%s"\r\n' "${pair%%=*}" "${pair#*=}"
  done
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$fonts_reg"
wine regedit /S "$(winepath -w "$fonts_reg" 2>/dev/null)" >/dev/null 2>&1 </dev/null
wineserver -w
touch "$WINEPREFIX/.melopad-prefix-complete"
