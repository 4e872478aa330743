#!/bin/bash
# Builds the fuzz targets (preset "fuzz": clang, libFuzzer, AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs each for the given number of
# seconds, starting from its seed corpus in fuzz/corpus/<target>/. What a
# run finds that is new goes into build/fuzz/corpus/<target>/, never into the
# repository; a crash, hang, leak or sanitizer report ends the script with a
# failure and leaves the input in build/fuzz/findings/.
#   run-fuzzers.sh [SECONDS [TARGET...]]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(als_file_fuzzer midi_file_fuzzer rtttl_fuzzer score_rows_fuzzer
           record_fields_fuzzer install_variables_fuzzer dbcs_paths_fuzzer)
fi

./scripts/build.sh fuzz >/dev/null
mkdir -p build/fuzz/findings
status=0
for target in "${targets[@]}"; do
  corpus="build/fuzz/corpus/$target"
  log="build/fuzz/findings/$target.log"
  mkdir -p "$corpus"
  if build/fuzz/bin/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="build/fuzz/findings/$target-" \
      "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    size=$(ls "$corpus" | wc -l)
    printf '%-26s %s s: %10s runs, %6s exec/s, corpus %s inputs\n' "$target" "$seconds" \
      "$runs" "$speed" "$size"
  else
    echo "$target FAILED; its output:"
    tail -n 40 "$log"
    status=1
  fi
done
exit "$status"
