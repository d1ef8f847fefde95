#!/usr/bin/env bash
# Shows the plug-in on a demo machine root of its own, build/demo-machine (made anew each time; a user's
# $LNS_ROOT is never touched). With a display the main window opens on Room 101; without one the windows
# of Room 101 and of a QVR-L1 device (Room 201) are saved as pictures and snapshots in build/demo/.
# The build folder is $QVR_BUILD_DIR, or build/ of the source tree.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
build=${QVR_BUILD_DIR:-$QVR_SOURCE_DIR/build}
lns=$build/bin/lns

export LNS_ROOT=$build/demo-machine
if [ -d "$LNS_ROOT" ]; then "$lns" bus stop >/dev/null; fi
rm -rf "$LNS_ROOT"
# The demo network, with the plug-in registered as an installer registers it (/regplugin /english); the
# tool names the machine root and the network.
"$lns" init --demo

# The plug-in's main window on a demo device, opened as a director opens it: the machine root's bus
# starts the registered plug-in program, whose window stays until the user closes it.
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  "$lns" bus start
  show=("$lns" send Demo 13 7 "Demo/Floor 1/Room 101" --com --show)
  echo "showing the plug-in's main window until it is closed: ${show[*]}"
  "${show[@]}"
  # The director's release after the window closed ends the program that the bus started; the bus goes
  # after it.
  address=$("$lns" bus address)
  while grep -Fqsz "DBUS_STARTER_ADDRESS=$address" /proc/[0-9]*/environ; do sleep 1; done
  "$lns" bus stop
  exit 0
fi

# No display: nobody would see a window, so its picture is drawn offscreen instead.
pictures=$build/demo
mkdir -p "$pictures"
echo "no display: the plug-in's main window is saved as a picture (PNG) and a snapshot (text) per device"
for device in "Floor 1/Room 101" "Floor 2/Room 201"; do
  name=$(basename "$device" | tr 'A-Z ' 'a-z-')
  "$lns" send Demo 13 7 "Demo/$device" --screenshot "$pictures/$name.png" \
    --snapshot "$pictures/$name.txt" >/dev/null
  echo "Demo/$device: picture $pictures/$name.png, snapshot $pictures/$name.txt"
done
