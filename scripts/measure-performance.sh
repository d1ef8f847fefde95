#!/usr/bin/env bash
# The figures of docs/performance.md. Whole processes are timed paired (scripts/time-processes.py: every
# round runs each command once, so that a figure and the one it is held against share the machine's load),
# then the peak memory of the headless and the windowed open, then every benchmark of bench/.
# Not part of CI: the machine it runs on sets the figures.
# usage: scripts/measure-performance.sh [BUILD_DIR [BASELINE_BIN_DIR]]
#   BUILD_DIR (default build-performance) is configured and built as far as needed. With BASELINE_BIN_DIR
#   (the bin/ folder of another build), each command is also timed from there, paired with this build's.
# QVR_ROUNDS sets the rounds of paired runs (default 30).
set -euo pipefail
source "$(dirname "$0")/setup.sh"
build=$(realpath -m "${1:-$QVR_SOURCE_DIR/build-performance}")
baseline=${2:+$(realpath "$2")}
rounds=${QVR_ROUNDS:-30}

[ -f "$build/build.ninja" ] || qvr_configure "$build" >/dev/null
available=$(cmake --build "$build" --target help)
has_target() { grep -q "^$1:" <<<"$available"; }
benches=()
for source in "$QVR_SOURCE_DIR"/bench/*.cpp; do
  name=$(basename "$source" .cpp)
  has_target "$name" && benches+=("$name")
done
targets=(lns Calyxtern_qvr_lon_PlugIn "${benches[@]}")
has_target lns-windows && targets+=(lns-windows)
cmake --build "$build" --target "${targets[@]}" >/dev/null
bin=$build/bin

echo "## Whole processes, $(nproc) CPUs, $(date -u +%Y-%m-%dT%H:%MZ)"
python3 "$QVR_SOURCE_DIR/scripts/time-processes.py" "$rounds" "$bin" ${baseline:+"$baseline"}

echo
echo "## Peak resident memory (one run each)"
LNS_ROOT=$(mktemp -d)
export LNS_ROOT
snapshot=$(mktemp)
trap 'rm -rf "$LNS_ROOT" "$snapshot"' EXIT
"$bin/lns" init --demo >/dev/null
open=(send Demo 13 7 "Demo/Floor 1/Room 101")
peak() {
  if [ ! -x /usr/bin/time ]; then
    echo "n/a (needs GNU time, /usr/bin/time)"
    return
  fi
  /usr/bin/time -f "%M" -o "$snapshot.rss" "$@" >/dev/null
  awk '{printf "%.1f MB\n", $1 / 1024}' "$snapshot.rss"
}
label='lns send Demo 13 7 "Demo/Floor 1/Room 101"'
echo "- headless open, \`$label --snapshot /dev/null\`: $(peak "$bin/lns" "${open[@]}" --snapshot /dev/null)"
if [ -x "$bin/lns-windows" ]; then
  echo "- window open on the device offscreen, \`$label --screenshot FILE\`:" \
    "$(QT_QPA_PLATFORM=offscreen peak "$bin/lns" "${open[@]}" --screenshot "$snapshot.png")"
fi
rm -f "$snapshot.rss" "$snapshot.png"

for bench in "${benches[@]}"; do
  echo
  echo "## $bench"
  "$bin/$bench" 2>/dev/null
done
