#!/usr/bin/env bash
# Installs what is missing, builds, creates a demo machine root and shows the plug-in's main window on it.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
qvr_install_packages
cd "$QVR_SOURCE_DIR"

# Only the programs the demo runs are built: lns (which brings lns-windows, where Qt is built) and the
# plug-in program; the tests and benchmarks are scripts/test.sh's. The build's own lines go to a log, shown
# only when the build fails.
mkdir -p build
log=build/demo-build.log
echo "building the programs in $QVR_SOURCE_DIR/build (the first build takes a few minutes; log: $QVR_SOURCE_DIR/$log)"
if ! { qvr_configure build && cmake --build build -j "$(nproc)" --target lns Calyxtern_qvr_lon_PlugIn; } >"$log" 2>&1; then
  tail -n 40 "$log"
  echo "the build failed; its whole log: $QVR_SOURCE_DIR/$log"
  exit 1
fi
exec scripts/demo-show.sh
