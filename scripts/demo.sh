#!/usr/bin/env bash
# Installs what is missing, builds, creates a demo machine root and shows the plug-in's main window on it.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
qvr_install_packages
cd "$QVR_SOURCE_DIR"

qvr_configure build
cmake --build build -j "$(nproc)"
exec scripts/demo-show.sh
