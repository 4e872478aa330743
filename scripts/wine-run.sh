#!/bin/bash
# Runs a Windows program under Wine with the project's environment. Used as
# CTest's emulator for the Windows build. WINEPREFIX comes from the caller.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=wine-env.sh
source "$here/wine-env.sh"
exec wine "$@"
