#!/usr/bin/env bash
# The link check (qvr_link_check in cmake/QvrTargets.cmake) refuses a call against the layers' order: in a
# scratch copy of the tree, the registry's link check links as it stands, and no longer once a file of the
# registry calls into the LNS substitute above it, though nothing in the registry reaches that file.
# Usage: link-check-test.sh CMAKE_COMMAND
set -euo pipefail
cmake_command=$1
repo=$(cd "$(dirname "$0")/../.." && pwd)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp -r "$repo/CMakeLists.txt" "$repo/cmake" "$repo/src" "$repo/tests" "$repo/bench" "$copy/"
ln -s "$repo/data" "$copy/data"

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=$copy CCACHE_NOHASHDIR=true
fi
"$cmake_command" -S "$copy" -B "$copy/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVR_WITH_QT=OFF \
  "${launcher[@]}" >/dev/null
"$cmake_command" --build "$copy/build" --target qvr_registry_link_check >"$copy/clean.log" 2>&1 ||
  { cat "$copy/clean.log"; echo "the registry's link check fails on the unchanged tree"; exit 1; }

cat >"$copy/src/platform/registry/PlantedUpwardCall.cpp" <<'PLANTED'
#include "platform/lns/LnsObjectServer.h"

void PlantedUpwardCall(lns::LnsObjectServer& server) { server.Open(); }
PLANTED
if "$cmake_command" --build "$copy/build" --target qvr_registry_link_check >"$copy/planted.log" 2>&1; then
  echo "the registry's link check linked a call into the LNS substitute"
  exit 1
fi
grep -q "undefined reference to .lns::LnsObjectServer::Open()" "$copy/planted.log" ||
  { cat "$copy/planted.log"; echo "the link check failed, but not on the planted call"; exit 1; }
