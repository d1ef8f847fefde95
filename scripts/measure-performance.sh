#!/bin/sh
# The figures of docs/performance.md: whole-process times of `lns` commands (median of 20 runs) on a
# fresh machine root with a network of 10,000 devices, and the lns benchmarks.
# usage: scripts/measure-performance.sh BUILD_DIR
set -eu
bin="${1:?usage: $0 BUILD_DIR}/bin"
LNS_ROOT=$(mktemp -d)
export LNS_ROOT
trap 'rm -rf "$LNS_ROOT"' EXIT
"$bin/lns" init --demo >/dev/null
"$bin/lns" network create Scale --devices 10000 >/dev/null

# Median wall time in milliseconds of 20 runs of a command.
median_ms() {
  for run in $(seq 20); do
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
  done | sort -n | sed -n 10p | awk '{printf "%.2f ms\n", $1 / 1000}'
}

echo "true (a process that does nothing): $(median_ms /bin/true)"
echo "lns nv get Demo \"Floor 1/Room 101\" 20: $(median_ms "$bin/lns" nv get Demo "Floor 1/Room 101" 20)"
echo "lns devices Scale (10,000 devices): $(median_ms "$bin/lns" devices Scale)"
"$bin/lns_bench" --benchmark_filter='BM_ReadAllValuesOfOneDevice|BM_OpenNetwork' 2>/dev/null | grep '^BM_'

# Opening a device headless against `lns networks`, the two taking turns 20 times: the median of the pairs'
# ratios; then the open in-process and the transfer on an FT-10 channel in real time (about 13 s).
open_ratio() {
  for run in $(seq 20); do
    start=$(date +%s%N)
    "$bin/lns" networks >/dev/null
    middle=$(date +%s%N)
    "$bin/lns" send Demo 13 7 "Demo/Floor 1/Room 101" --snapshot /dev/null >/dev/null
    end=$(date +%s%N)
    echo "$(((middle - start) / 1000)) $(((end - middle) / 1000))"
  done | awk '{print $2 / $1}' | sort -n | sed -n 10p | awk '{printf "%.2f x lns networks\n", $1}'
}
echo "lns send Demo 13 7 \"Demo/Floor 1/Room 101\" --snapshot /dev/null: $(open_ratio)"
"$bin/open_bench" 2>/dev/null | grep '^BM_'
"$bin/apply_bench" --benchmark_filter=BM_ApplyToTwentyDevicesOnFt10 2>/dev/null | grep '^BM_'
