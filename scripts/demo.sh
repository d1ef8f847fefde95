#!/usr/bin/env bash
# Installs what is missing, builds, creates a demo machine root and shows what it holds.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
qvr_install_packages
cd "$QVR_SOURCE_DIR"

qvr_configure build
cmake --build build -j "$(nproc)"

export LNS_ROOT=${LNS_ROOT:-$QVR_SOURCE_DIR/build/demo-machine}
rm -rf "$LNS_ROOT"
build/bin/lns init --demo
echo "machine root: $LNS_ROOT"
find "$LNS_ROOT" -maxdepth 3 | sort
build/bin/lns reg get HKLM 'SOFTWARE\LonWorks' 'LonWorks Path'
