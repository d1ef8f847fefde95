#!/usr/bin/env bash
# Installs what is missing, builds, creates a demo machine root and opens the plug-in's main window on it.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
qvr_install_packages
cd "$QVR_SOURCE_DIR"

qvr_configure build
cmake --build build -j "$(nproc)"

export LNS_ROOT=${LNS_ROOT:-$QVR_SOURCE_DIR/build/demo-machine}
[ -d "$LNS_ROOT" ] && build/bin/lns bus stop
rm -rf "$LNS_ROOT"
build/bin/lns init --demo
# The machine root's own bus, and the plug-in registered on it, so that a director can start it.
build/bin/lns bus start
build/bin/Calyxtern_qvr_lon_PlugIn /regplugin /english
echo "machine root: $LNS_ROOT"
find "$LNS_ROOT" -maxdepth 3 | sort
build/bin/lns reg get HKLM 'SOFTWARE\LonWorks' 'LonWorks Path'

# The plug-in's main window on a demo device, opened as a director opens it; closing the window ends it.
# Without a display it runs on a virtual one (Xvfb), where nobody sees it: stop it with Ctrl-C.
show=(build/bin/lns send Demo 13 7 "Demo/Floor 1/Room 101" --show)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "showing the plug-in's main window: ${show[*]}"
  exec xvfb-run -a "${show[@]}"
fi
# On a display the bus starts the plug-in program, whose window stays when the director is done.
echo "showing the plug-in's main window: ${show[*]} --com"
"${show[@]}" --com
echo "the plug-in program runs until its window is closed; stop the bus with: LNS_ROOT=$LNS_ROOT build/bin/lns bus stop"
