#!/usr/bin/env bash
# Installs what is missing, builds from scratch and runs every test: once plain, once under
# AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
qvr_install_packages
cd "$QVR_SOURCE_DIR"

jobs=$(nproc)
rm -rf build build/sanitize
qvr_configure build
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300

qvr_configure build/sanitize -DQVR_SANITIZE=ON
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build/sanitize --output-on-failure -j "$jobs" --timeout 600

# The parsers' fuzz targets (clang, libFuzzer with ASan and UBSan), 20,000 inputs each.
bash tests/fuzz/run.sh build/fuzz
