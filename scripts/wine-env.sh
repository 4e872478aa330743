# Sourced by the scripts that run Wine: the environment every Wine call gets.
# WINEPREFIX must be set by the caller; HOME goes beside it, because Wine
# writes desktop entries and sound runtime files there.
: "${WINEPREFIX:?WINEPREFIX must name the Wine prefix}"
export WINEPREFIX
export HOME="${WINEPREFIX%/}-home"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Code page 932 for the ANSI and OEM code pages, as on a Japanese system.
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
mkdir -p "$HOME"
