#!/bin/bash
# Installs what is missing, builds the editor and starts it under Wine with a
# sample melody. Without a display it starts Xvfb itself, takes a screenshot
# once the window is up, prints where the picture is and ends the editor.
#   run-editor.sh [melody.als]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

./scripts/install-deps.sh
./scripts/build.sh windows --target melopad
./scripts/make-wine-prefix.sh build/wine/base

export WINEPREFIX="$root/build/wine/base"
melody="${1:-$root/songs/kirakira.als}"
program="$root/build/windows/bin/melopad.exe"

if [ -n "${DISPLAY:-}" ]; then
  exec ./scripts/wine-run.sh "$program" "$melody"
fi

# No display: a private X server, a screenshot, and an orderly end.
display=":$(( 90 + RANDOM % 100 ))"
while [ -e "/tmp/.X11-unix/X${display#:}" ]; do display=":$(( ${display#:} + 1 ))"; done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
cleanup() {
  # shellcheck source=wine-env.sh
  (source ./scripts/wine-env.sh && wineserver -k) >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
./scripts/wine-run.sh "$program" "$melody" >/dev/null 2>&1 &

# The main window is up once a window of the program, wider than 400 pixels
# (the main window is; the small windows are not), is viewable on screen.
main_window_viewable() {
  local id
  for id in $(xwininfo -root -tree 2>/dev/null |
              sed -n 's/^ *\(0x[0-9a-f]*\) .*("melopad.exe" "melopad.exe") *4[0-9][0-9]x.*/\1/p'); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && return 0
  done
  return 1
}
for _ in $(seq 300); do main_window_viewable && break; sleep 0.1; done
sleep 1
mkdir -p build/screenshots
shot="$root/build/screenshots/melopad.png"
import -window root "$shot"
echo "Screenshot of the editor with $(basename "$melody"): $shot"
