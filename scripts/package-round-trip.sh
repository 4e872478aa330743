#!/bin/bash
# The release package from unpacking to removal in a fresh Wine prefix: the
# package is unzipped into C:\Downloads, the test program installs it twice,
# uses and removes it through the package's own programs, and the unpacked
# folder is deleted again as a user would. The prefix must then be as it was
# before the package came, but for the installer's copy in the Windows folder.
#   package-round-trip.sh BASE PREFIX ZIP TEST_PROGRAM
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
base="$1"
prefix="$(realpath -m "$2")"
zip="$(realpath "$3")"
program="$4"
snapshots="${prefix}-snapshots"

"$here/wine-test-prefix.sh" start "$base" "$prefix"
trap '"$here/wine-test-prefix.sh" stop "$prefix"' EXIT
export WINEPREFIX="$prefix"
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"

# Every file and folder of the drive with its size, and the whole registry
# as the system's own export writes it, but for what Wine keeps for itself:
# its own settings and caches, the sound devices it lists the first time a
# program plays a sound, and the folder its save dialog remembers, with the
# view settings it reads, the first time a program saves through it.
snapshot() {
  (cd "$prefix/drive_c" && find . -printf '%p\t%s\n' | grep -v '^\.\s' | sort) >"$snapshots/$1.files"
  wine regedit /E 'C:\registry.reg' >/dev/null 2>&1 </dev/null
  iconv -f UTF-16 -t UTF-8 "$prefix/drive_c/registry.reg" | tr -d '\r' |
    awk '/^\[/ { wine = ($0 ~ /^\[HKEY_USERS\\[^\\]*\\Software\\Wine\\/ ||
                          $0 ~ /\\CurrentVersion\\MMDevices[\\\]]/ ||
                          $0 ~ /\\CurrentVersion\\Explorer\\(ComDlg32|Advanced)[\\\]]/) }
         !wine' >"$snapshots/$1.registry"
  rm -f "$prefix/drive_c/registry.reg"
}

rm -rf "$snapshots"
mkdir -p "$snapshots"
snapshot before
mkdir -p "$prefix/drive_c/Downloads"
(cd "$prefix/drive_c/Downloads" && cmake -E tar xf "$zip")
wine "$program" 'C:\Downloads\Melopad' </dev/null
rm -rf "$prefix/drive_c/Downloads"
snapshot after

status=0
diff "$snapshots/before.files" "$snapshots/after.files" >"$snapshots/files.diff" || true
expected=$(printf '> ./windows/Install.exe\t%s\n' "$(stat -c %s "$prefix/drive_c/windows/Install.exe")")
if [ "$(grep '^[<>]' "$snapshots/files.diff")" != "$expected" ]; then
  echo "The drive differs from before the package came by more than the installer's copy:"
  cat "$snapshots/files.diff"
  status=1
fi
if ! diff "$snapshots/before.registry" "$snapshots/after.registry"; then
  echo "The registry differs from before the package came."
  status=1
fi
exit $status
