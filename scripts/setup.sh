#!/usr/bin/env bash
# Shared by test.sh and demo.sh: installs the Debian packages the project needs (only what is missing) and
# configures a build folder. Usage: source scripts/setup.sh; qvr_install_packages; qvr_configure DIR [cmake args]
set -euo pipefail

# One clang for the fuzz targets and its runtime (libFuzzer, the sanitizers), and the clang-format whose
# output the sources are checked against: another version formats the same file differently.
QVR_CLANG_VERSION=14
QVR_CLANGXX=clang++-$QVR_CLANG_VERSION
QVR_CLANG_FORMAT=clang-format-$QVR_CLANG_VERSION

QVR_PACKAGES=(cmake ninja-build pkg-config g++ qt6-base-dev libsqlite3-dev libgtest-dev libgmock-dev
  libbenchmark-dev xvfb xauth "clang-$QVR_CLANG_VERSION" "$QVR_CLANG_FORMAT" "libclang-rt-$QVR_CLANG_VERSION-dev"
  dbus-daemon ccache fonts-liberation libxcb1-dev qt6-translations-l10n poppler-utils btrfs-progs openbox
  python3 util-linux)

qvr_install_packages() {
  local missing=()
  local package
  for package in "${QVR_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Every build goes through ccache: a second build of the same sources, in this clone or another, compiles
# nothing again.
qvr_configure() {
  local dir=$1
  shift
  cmake -S "$QVR_SOURCE_DIR" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@"
}

QVR_SOURCE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export QVR_SOURCE_DIR
# Paths below the source folder are hashed relative to it, and the build folder's own path not at all (the
# debugging information then names the folder of the build that filled the cache), so that clones in other
# folders share the cache.
export CCACHE_BASEDIR=$QVR_SOURCE_DIR CCACHE_NOHASHDIR=true
