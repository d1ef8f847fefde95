#!/usr/bin/env bash
# Installs what is missing, checks the sources, builds and runs every test: once plain, once under
# AddressSanitizer and UndefinedBehaviorSanitizer; builds the programs without Qt in Release and runs them,
# so that the core never comes to need Qt and the packagers' build type builds; fuzzes the parsers. Exits non-zero on any
# failure. The build trees under build/ are kept and built incrementally (through ccache);
# `scripts/test.sh --clean` or QVR_CLEAN=1 removes them first.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
clean=${QVR_CLEAN:-0}
for arg in "$@"; do
  case $arg in
    --clean) clean=1 ;;
    *)
      echo "usage: scripts/test.sh [--clean]" >&2
      exit 2
      ;;
  esac
done
qvr_install_packages
cd "$QVR_SOURCE_DIR"
jobs=$(nproc)

echo "== include directions and formatting"
bash scripts/check-includes.sh
git ls-files -co --exclude-standard -- '*.h' '*.cpp' | xargs "$QVR_CLANG_FORMAT" --dry-run -Werror

if [ "$clean" = 1 ]; then
  echo "== clean build"
  rm -rf build
fi

echo "== plain build"
qvr_configure build
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300

echo "== sanitized build"
qvr_configure build/sanitize -DQVR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build/sanitize --output-on-failure -j "$jobs" --timeout 600

echo "== the programs without Qt, in Release"
# Only the programs (and the libraries they link): the tests ran in the two builds above. Building them
# shows that the core needs no Qt and that the optimiser's warnings hold; one run, that they work.
qvr_configure build/noqt -DQVR_WITH_QT=OFF -DCMAKE_BUILD_TYPE=Release
cmake --build build/noqt -j "$jobs" --target lns Calyxtern_qvr_lon_PlugIn
smoke_root=$(mktemp -d)
trap 'rm -rf "$smoke_root"' EXIT
LNS_ROOT=$smoke_root build/noqt/bin/lns init --demo >/dev/null

echo "== fuzzing"
# The parsers' fuzz targets (clang, libFuzzer with ASan and UBSan), 20,000 inputs each.
bash tests/fuzz/run.sh build/fuzz
