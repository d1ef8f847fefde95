#!/usr/bin/env bash
# scripts/check-includes.sh passes this tree and refuses each of six wrong includes of different kinds
# planted in a scratch copy of it.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
mkdir -p "$copy/scripts"
cp -r "$repo/src" "$repo/tests" "$repo/cmake" "$copy/"
cp "$repo/scripts/check-includes.sh" "$copy/scripts/"

bash "$copy/scripts/check-includes.sh" "$copy" || { echo "the unchanged tree is refused"; exit 1; }

plant() { # file, line: appends the line to the file (made anew where it is missing)
  mkdir -p "$(dirname "$copy/$1")"
  printf '%s\n' "$2" >>"$copy/$1"
  echo "$1:$(wc -l <"$copy/$1")"
}
planted=(
  "$(plant src/platform/lns/LnsError.h '#include "program/Program.h"')"     # the platform reaching up
  "$(plant src/devicemodel/HelpPane.cpp '  #  include "mainwindow/fMain.h"')" # a cycle, spelt apart
  "$(plant src/texts/Language.h '#include <framework/CRegistry.h>')"         # angle brackets
  "$(plant src/platform/registry/StoreFile.cpp '#include <sqlite3.h>')"      # SQLite past its wrapper
  "$(plant tests/platform/lns/LnsObjectServerTest.cpp '#include "identity/PlugInIdentity.h"')" # a test's library
  "$(plant src/newfolder/Thing.cpp '#include "platform/Error.h"')"           # an undeclared folder
)
output=$(bash "$copy/scripts/check-includes.sh" "$copy") && { echo "the planted includes passed"; exit 1; }
status=0
for place in "${planted[@]}"; do
  grep -q "^$place: " <<<"$output" || { echo "not refused: $place"; status=1; }
done
[ "$(wc -l <<<"$output")" -eq ${#planted[@]} ] || { echo "refused other lines than the planted ones:"; echo "$output"; status=1; }
exit $status
