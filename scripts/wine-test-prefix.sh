#!/bin/bash
# The Wine prefix of one test run: a fresh copy of the base prefix, made
# headless (null display driver), with its wineserver kept running for the
# run. Its services start here with their output on /dev/null, so they do
# not hold a test's output pipe open.
#   wine-test-prefix.sh start BASE TEST
#   wine-test-prefix.sh stop TEST
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

case "$1" in
  start)
    base="$(realpath -m "$2")"
    test_prefix="$(realpath -m "$3")"
    "$here/make-wine-prefix.sh" "$base"
    export WINEPREFIX="$test_prefix"
    # shellcheck source=wine-env.sh
    source "$here/wine-env.sh"
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$test_prefix" "$HOME"
    cp -a "$base" "$test_prefix"
    mkdir -p "$HOME"
    wineserver -p >/dev/null 2>&1 </dev/null
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d null /f \
      >/dev/null 2>&1 </dev/null
    # A sound device that writes what is played to a file instead of a sound
    # card, so the sound service really finds and plays the tone samples.
    printf 'pcm.!default { type file; slave.pcm "null"; file "%s"; format "wav" }\n' \
      "${test_prefix}-sound.wav" >"$HOME/.asoundrc"
    wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d alsa /f \
      >/dev/null 2>&1 </dev/null
    wine cmd /c exit >/dev/null 2>&1 </dev/null
    ;;
  stop)
    export WINEPREFIX="$(realpath -m "$2")"
    # shellcheck source=wine-env.sh
    source "$here/wine-env.sh"
    wineserver -k >/dev/null 2>&1 || true
    ;;
  *)
    echo "usage: $0 start BASE TEST | stop TEST" >&2
    exit 2
    ;;
esac
