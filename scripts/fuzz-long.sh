#!/usr/bin/env bash
# The long fuzz run (docs/reliability.md): builds every fuzz target and runs each for 1,000,000 inputs from
# its seed corpus, two targets at a time, one process each. Each target's log and any crashing input go to
# BUILD_DIR/fuzz-long/. Usage: scripts/fuzz-long.sh [BUILD_DIR] [RUNS] [PARALLEL]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../tests/fuzz/targets.sh"
build=${1:-$QVR_SOURCE_DIR/build-fuzz}
runs=${2:-1000000}
parallel=${3:-2}
qvr_fuzz_build "$build"
rm -rf "$build/fuzz-long"
qvr_fuzz_all "$build" "$runs" "$parallel" "$build/fuzz-long"
