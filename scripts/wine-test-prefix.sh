#!/bin/bash
# The Wine prefix of one test run: a fresh copy of the base prefix, made
# headless (null display driver), with its wineserver kept running for the
# run. Its services start here with their output on /dev/null, so they do
# not hold a test's output pipe open. Given the printer installer and a
# printer description, it also gets printers that print into files.
#   wine-test-prefix.sh start BASE TEST [ADD_PRINTER PPD]
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
    # Wine's PostScript driver writes each job into C:\printer (a job
    # replaces the file of the one before). The first printer is the
    # default one; the last one's folder does not exist, so the spooler
    # refuses its jobs.
    if [ $# -ge 5 ]; then
      mkdir -p "$test_prefix/drive_c/printer"
      ppd="$(realpath "$5")"
      log="$HOME/add_printer.log"
      if ! wine "$4" "Z:${ppd//\//\\}" \
        "Melopad Test Printer" 'C:\printer\keymap.ps' \
        "Melopad Second Printer" 'C:\printer\second.ps' \
        "Melopad Broken Printer" 'C:\no-such-folder\keymap.ps' >"$log" 2>&1 </dev/null; then
        cat "$log" >&2
        exit 1
      fi
    fi
    ;;
  stop)
    export WINEPREFIX="$(realpath -m "$2")"
    # shellcheck source=wine-env.sh
    source "$here/wine-env.sh"
    wineserver -k >/dev/null 2>&1 || true
    ;;
  *)
    echo "usage: $0 start BASE TEST [ADD_PRINTER PPD] | stop TEST" >&2
    exit 2
    ;;
esac
