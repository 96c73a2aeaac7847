#!/usr/bin/env bash
# Filtering the 100,000 names of the generated data file by an anchored prefix:
# `fzf --filter "^<prefix>"` against the store's buildMatches + findFirstMatch in
# process. fzf's own start-up is taken out by timing it on an empty input too.
# Target: the store at least 50 times faster.
#
# Usage: bench/compare_fzf.sh [prefix]   (default "ab"; RUNS=n fzf runs, default 15)
# Needs the bench preset built: cmake --preset bench && cmake --build --preset bench
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
bench="${ZEK_BENCH_BIN:-$root/build/bench/bench/prefix_filter_bench}"
prefix="${1:-ab}"
runs="${RUNS:-15}"

if [[ ! -x "$bench" ]]; then
    echo "missing $bench: cmake --preset bench && cmake --build --preset bench" >&2
    exit 1
fi
if ! command -v fzf >/dev/null; then
    # Debian's fzf, for this comparison only.
    apt-get install -y fzf >/dev/null 2>&1 || { apt-get update >/dev/null && apt-get install -y fzf >/dev/null; }
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
ZEK_DUMP_NAMES="$work/names.txt" "$bench"
: >"$work/empty.txt"

# Median wall time of one `fzf --filter` run on a file, in microseconds.
fzf_median_us() {
    local input="$1" i start end
    local times=()
    for ((i = 0; i < runs; i++)); do
        start=$(date +%s%N)
        fzf --filter "^$prefix" <"$input" >/dev/null || true # exit status 1: no match
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'
}

names=$(wc -l <"$work/names.txt")
fzf_matches=$(fzf --filter "^$prefix" <"$work/names.txt" | wc -l || true)
fzf_names_us=$(fzf_median_us "$work/names.txt")
fzf_empty_us=$(fzf_median_us "$work/empty.txt")

# Median of the benchmark's repetitions, in microseconds (the benchmark reports in us).
store_line=$(ZEK_PREFIX="$prefix" "$bench" --benchmark_repetitions=7 --benchmark_report_aggregates_only=true 2>/dev/null |
    grep '_median')
store_us=$(awk '{ print $2 }' <<<"$store_line")
store_matches=$(grep -o 'matches=[0-9.k]*' <<<"$store_line" | cut -d= -f2)

awk -v names="$names" -v prefix="$prefix" -v fzf_run="$fzf_names_us" -v fzf_empty="$fzf_empty_us" \
    -v fzf_matches="$fzf_matches" -v store="$store_us" -v store_matches="$store_matches" 'BEGIN {
    fzf = fzf_run - fzf_empty
    printf "names filtered:                %d, prefix \"%s\"\n", names, prefix
    printf "fzf --filter \"^%s\":             %9.3f ms per query (%.3f ms run - %.3f ms on empty input), %d matches\n",
        prefix, fzf / 1000, fzf_run / 1000, fzf_empty / 1000, fzf_matches
    printf "buildMatches + findFirstMatch: %9.4f ms per query, %s matches (case-sensitive)\n", store / 1000, store_matches
    printf "ratio fzf / store:             %9.0f x (target >= 50 x)\n", fzf / store
}'
