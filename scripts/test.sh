#!/usr/bin/env bash
# Installs what is missing, checks the sources, builds from scratch and runs every test: once plain, once
# under AddressSanitizer and UndefinedBehaviorSanitizer, and the core's tests once more without Qt, so
# that the core never comes to need it. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
qvr_install_packages
cd "$QVR_SOURCE_DIR"
jobs=$(nproc)

echo "== include directions and formatting"
bash scripts/check-includes.sh
git ls-files -co --exclude-standard -- '*.h' '*.cpp' | xargs clang-format --dry-run -Werror

echo "== plain build"
rm -rf build
qvr_configure build
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300

echo "== sanitized build"
qvr_configure build/sanitize -DQVR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build/sanitize --output-on-failure -j "$jobs" --timeout 600

echo "== the core without Qt"
qvr_configure build/noqt -DQVR_WITH_QT=OFF -DCMAKE_BUILD_TYPE=None
cmake --build build/noqt -j "$jobs"
ctest --test-dir build/noqt --output-on-failure -j "$jobs" --timeout 300

echo "== fuzzing"
# The parsers' fuzz targets (clang, libFuzzer with ASan and UBSan), 20,000 inputs each.
bash tests/fuzz/run.sh build/fuzz
