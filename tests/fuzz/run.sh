#!/usr/bin/env bash
# Builds the parameter-file fuzz target with clang in its own build folder and runs it for a fixed
# number of inputs, starting from the seed corpus. Usage: tests/fuzz/run.sh [BUILD_DIR] [RUNS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/setup.sh"
build=${1:-$QVR_SOURCE_DIR/build-fuzz}
runs=${2:-20000}
qvr_configure "$build" -DQVR_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --target parameter_file_fuzz
# Inputs the run finds go to a scratch folder, so that the seed corpus stays as it is.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$build/bin/parameter_file_fuzz" -runs="$runs" -max_len=4096 -seed=1 "$scratch" "$QVR_SOURCE_DIR/tests/fuzz/corpus"
