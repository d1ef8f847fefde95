#!/usr/bin/env bash
# The long fuzz run (docs/reliability.md): builds every fuzz target and runs each for 1,000,000 inputs of up
# to 8 KB from its seed corpus, two targets at a time, one process each, with a fresh seed each time (so that
# every run explores anew; its logs name the seed, and SEED repeats a run). Each target's log and any crashing
# input go to BUILD_DIR/fuzz-long/. Usage: [SEED=n] scripts/fuzz-long.sh [BUILD_DIR] [RUNS] [PARALLEL]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../tests/fuzz/targets.sh"
build=${1:-$QVR_SOURCE_DIR/build-fuzz}
runs=${2:-1000000}
parallel=${3:-2}
qvr_fuzz_build "$build"
rm -rf "$build/fuzz-long"
# From 1 up: libFuzzer takes 0 for "choose one", which the log would not tell before the run starts.
seed=${SEED:-$(($(od -An -N4 -tu4 /dev/urandom) % 2147483647 + 1))}
echo "fuzz-long: seed $seed"
qvr_fuzz_all "$build" "$runs" "$parallel" "$build/fuzz-long" 8192 "$seed"
