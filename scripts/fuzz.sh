#!/usr/bin/env bash
# Runs every libFuzzer target (or the ones named) for SECONDS each and prints the
# executions and crashes per target. The inputs a run finds are kept under
# build/fuzz/grown/<target>/; with ZEK_FUZZ_KEEP=1 the ones that add coverage are
# merged into the corpus in the repository (fuzz/corpus/<target>/).
#   scripts/fuzz.sh SECONDS [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(data_file old_format ini command_line remote_block default_icon box_keys store_orders)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null

bin="$root/build/fuzz/bin"
printf '%-14s %14s %8s\n' target executions crashes
for t in "${targets[@]}"; do
  grown="$root/build/fuzz/grown/$t" artifacts="$root/build/fuzz/crashes/$t"
  rm -rf "$artifacts"
  mkdir -p "$grown" "$artifacts" "fuzz/corpus/$t"
  log=$(mktemp)
  # A crash ends a run; go on with a fresh one until the time is used up.
  end=$((SECONDS + seconds)) execs=0
  while [ $SECONDS -lt $end ]; do
    "$bin/fuzz_$t" -max_total_time=$((end - SECONDS)) -print_final_stats=1 -max_len=4096 \
      -artifact_prefix="$artifacts/" "$grown" "fuzz/corpus/$t" </dev/null >"$log" 2>&1 || true
    n=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
    execs=$((execs + ${n:-0}))
    grep -q 'ERROR: libFuzzer\|==ERROR\|broken promise\|runtime error' "$log" || break
  done
  crashes=$(find "$artifacts" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  printf '%-14s %14d %8d\n' "$t" "$execs" "$crashes"
  if [ "${ZEK_FUZZ_KEEP:-0}" = 1 ]; then
    "$bin/fuzz_$t" -merge=1 -max_len=4096 "fuzz/corpus/$t" "$grown" </dev/null >/dev/null 2>&1 || true
  fi
  rm -f "$log"
done
echo "crash inputs, if any: build/fuzz/crashes/<target>/"
