#!/usr/bin/env bash
# Builds every fuzz target with clang in its own build folder and runs each for a fixed number of inputs,
# starting from its seed corpus (tests/fuzz/corpus/<target>/), as many at a time as there are cores.
# Usage: tests/fuzz/run.sh [BUILD_DIR] [RUNS]   (RUNS defaults to the short run's, targets.txt; logs in
# BUILD_DIR/fuzz-logs)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/targets.sh"
build=${1:-$QVR_SOURCE_DIR/build-fuzz}
runs=${2:-$(qvr_fuzz_setting runs)}
qvr_fuzz_build "$build"
rm -rf "$build/fuzz-logs"
if ! qvr_fuzz_all "$build" "$runs" "$(nproc)" "$build/fuzz-logs"; then
  echo "a fuzz target failed: its crashing input is in $build/fuzz-logs"
  exit 1
fi
echo "every fuzz target ran $runs inputs without a fault"
