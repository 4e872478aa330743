#!/bin/bash
# Installs what is missing, builds both presets and runs every test: the
# platform-free code natively under the sanitizers, the Windows programs and
# the toolkit under Wine (headless, no X server needed), and a short fuzzing
# pass over every reader of untrusted bytes.
set -uo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh || exit 1

status=0
for preset in native windows; do
  echo "== $preset build"
  if ! ./scripts/build.sh "$preset"; then
    status=1
    continue
  fi
  echo "== $preset tests"
  ctest --preset "$preset" || status=1
done
echo "== fuzzing: each target 20 s from its seed corpus"
./scripts/run-fuzzers.sh 20 || status=1
exit "$status"
