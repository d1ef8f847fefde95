#!/usr/bin/env bash
# Shared by tests/fuzz/run.sh and scripts/fuzz-long.sh. Usage: source tests/fuzz/targets.sh;
# qvr_fuzz_build BUILD_DIR; qvr_fuzz_all BUILD_DIR RUNS PARALLEL LOG_DIR [MAX_LEN [SEED]]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/setup.sh"

# Configures and builds every fuzz target with the set-up's clang in its own build folder.
qvr_fuzz_build() {
  qvr_configure "$1" -DQVR_FUZZ=ON -DCMAKE_CXX_COMPILER="$QVR_CLANGXX" >/dev/null
  cmake --build "$1"
}

# The fuzz targets and the short run's settings, as CMake reads them too.
qvr_fuzz_list=$QVR_SOURCE_DIR/tests/fuzz/targets.txt

# The short run's setting NAME (runs, max_len, seed).
qvr_fuzz_setting() {
  awk -v name="$1" '$1 == name { print $2 }' "$qvr_fuzz_list"
}

# The fuzz targets' names.
qvr_fuzz_targets() {
  awk '$1 == "target" { print $2 }' "$qvr_fuzz_list"
}

# Runs TARGET for RUNS inputs of at most MAX_LEN bytes from its seed corpus with libFuzzer's SEED, its output
# in LOG_DIR/TARGET.log. Inputs the run finds go to a scratch folder, so that the seed corpus stays as it is;
# a crashing input is kept as LOG_DIR/TARGET-crash-<hash>. The log's last line tells the outcome and the seed,
# which repeats the run.
qvr_fuzz_run() {
  local build=$1 target=$2 runs=$3 logs=$4 max_len=$5 seed=$6
  local scratch status=0 start=$SECONDS
  scratch=$(mktemp -d)
  "$build/bin/$target" -runs="$runs" -max_len="$max_len" -seed="$seed" -artifact_prefix="$logs/$target-" \
    "$scratch" "$QVR_SOURCE_DIR/tests/fuzz/corpus/$target" >"$logs/$target.log" 2>&1 || status=$?
  rm -rf "$scratch"
  echo "$target: exit $status after $((SECONDS - start)) s, seed $seed, inputs up to $max_len bytes;" \
    "$(grep -E '^Done [0-9]+ runs' "$logs/$target.log" || echo 'stopped early')" >>"$logs/$target.log"
  return $status
}

# Runs every target for RUNS inputs, PARALLEL of them at a time, and prints each one's outcome as it ends
# (with the end of its log when it failed). Inputs are at most MAX_LEN bytes, the seed is SEED (both the short
# run's by default). Fails when any target failed.
qvr_fuzz_all() {
  local build=$1 runs=$2 parallel=$3 logs=$4
  local max_len=${5:-$(qvr_fuzz_setting max_len)} seed=${6:-$(qvr_fuzz_setting seed)}
  mkdir -p "$logs"
  local target running=0 failed=0
  for target in $(qvr_fuzz_targets); do
    if [ $running -ge "$parallel" ]; then
      wait -n || failed=1
      running=$((running - 1))
    fi
    (qvr_fuzz_run "$build" "$target" "$runs" "$logs" "$max_len" "$seed" && tail -1 "$logs/$target.log" ||
      { tail -40 "$logs/$target.log"; exit 1; }) &
    running=$((running + 1))
  done
  while [ $running -gt 0 ]; do
    wait -n || failed=1
    running=$((running - 1))
  done
  return $failed
}
