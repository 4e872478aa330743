#!/bin/bash
# Builds the benchmark programs and runs each under Wine, printing its figures.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
./scripts/install-deps.sh
./scripts/build.sh windows --target play_note_benchmark
./scripts/make-wine-prefix.sh build/wine/base
export WINEPREFIX="$root/build/wine/base"
./scripts/wine-run.sh build/windows/bin/play_note_benchmark.exe
