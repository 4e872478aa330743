#!/bin/bash
# Builds the benchmark programs and runs each, printing its figures: the
# platform-free ones natively, the sound one under Wine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
./scripts/install-deps.sh

./scripts/build.sh native --target score_list_benchmark rest_merge_benchmark
echo "== score list (native build, with sanitizers)"
build/native/bin/score_list_benchmark
echo "== rest merging (native build, with sanitizers)"
build/native/bin/rest_merge_benchmark

./scripts/build.sh windows --target play_note_benchmark score_list_window_benchmark
./scripts/make-wine-prefix.sh build/wine/base
export WINEPREFIX="$root/build/wine/base"
echo "== notes through the sound service (Windows build under Wine)"
./scripts/wine-run.sh build/windows/bin/play_note_benchmark.exe
echo "== the main window with long melodies (Windows build under Wine, on a virtual screen)"
# The headless run above leaves Wine's session (its desktop process started
# without a display) alive for a moment; a program joining it from the
# virtual screen could not create its windows. Its end is awaited, so the
# run below starts a session of its own on the screen.
wineserver -w
# The window paints on a real (virtual) X display, as a user's would.
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
  ./scripts/wine-run.sh build/windows/bin/score_list_window_benchmark.exe | cat
