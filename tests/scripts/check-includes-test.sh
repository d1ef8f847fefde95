#!/usr/bin/env bash
# scripts/check-includes.sh passes this tree and refuses each wrong include, undeclared folder and use
# outside its home planted in a scratch copy of it, and nothing else: a rule named in a comment or a text
# only, or a system header, passes. An allowed use that is gone is refused as well.
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
  # Includes.
  "$(plant src/platform/lns/LnsError.h '#include "program/Program.h"')"     # the platform reaching up
  "$(plant src/devicemodel/HelpPane.cpp '  #  include "mainwindow/fMain.h"')" # a cycle, spelt apart
  "$(plant src/texts/Language.h '#include <services/CRegistry.h>')"         # angle brackets
  "$(plant src/platform/registry/StoreFile.cpp '#include <sqlite3.h>')"      # SQLite past its wrapper
  "$(plant tests/platform/lns/LnsObjectServerTest.cpp '#include "identity/PlugInIdentity.h"')" # a test's library
  "$(plant src/platform/registry/KeyPath.cpp '#include "../../mainwindow/fMain.h"')" # a relative path up
  "$(plant src/platform/lns/sim/DemoNetwork.cpp '#include "../../../services/CRegistry.h"')" # from a part
  "$(plant tests/platform/registry/MachineSetupTest.cpp '#include "../../../src/program/Program.h"')"
  "$(plant src/formats/ParameterFile.cpp '#include <../src/mainwindow/fMain.h>')" # climbing in angle brackets
  "$(plant tests/platform/registry/RegistryStoreFailureTest.cpp '#include <../../src/program/Program.h>')"
  "$(plant src/platform/ui/Form.cpp '#/* hidden */include "texts/Language.h"')" # a comment as the space
  "$(plant src/platform/ui/Menu.cpp '%:include "program/Program.h"')"         # the digraph
  "$(plant src/platform/ui/Label.cpp '#include QVR_HEADER')"                 # a name that is not spelt out
  "$(plant src/platform/runtime/RuntimeErrors.cpp '#include "platform/NoSuchHeader.h"')" # names no file
  "$(plant src/platform/Spawn.cpp '#include "support/TempMachineRoot.h"')"   # the tests' helpers in src/
  # Undeclared folders.
  "$(plant src/newfolder/Thing.cpp '#include "platform/Error.h"')"           # a folder of its own
  "$(plant src/mainwindow/newpart/Thing.cpp '#include "mainwindow/fMain.h"')" # a sub-folder of a layer
  "$(plant tests/newtests/ThingTest.cpp '#include <gtest/gtest.h>')"         # a test folder
  # What has one home.
  "$(plant src/platform/registry/UserLocale.cpp 'const char* home = std::getenv("HOME");')"
  "$(plant src/framework/StartUp.cpp 'const QByteArray display = qgetenv("DISPLAY");')"
  "$(plant src/tools/lns/BusCommand.cpp 'const auto self = fs::read_symlink("/proc/self/exe");')"
  "$(plant src/mainwindow/files/fMainPrint.cpp 'std::ofstream out(file, std::ios::trunc);')"
  "$(plant src/services/TypeFiles.cpp 'store.DeleteKey(Hive::LocalMachine, "SOFTWARE\\LonWorks");')"
  "$(plant src/devicemodel/HelpPane.cpp 'const char* value = "sDecimal";')"
  "$(plant src/platform/lns/LnsError.h 'auto key = std::string("Software\\Echelon") + "\\x";')"
  "$(plant src/platform/lns/LnsObjectServer.cpp 'extern char** environ;')"     # the whole environment
  "$(plant src/mainwindow/files/fMainPrint.cpp 'auto all = platform::EnvironmentWithout(none);')"
  "$(plant src/services/TypeFiles.cpp 'std::fstream out(file, std::ios::in | std::ios::out);')"
  "$(plant src/devicemodel/HelpPane.cpp 'FILE* out = std::fopen(name, "w");')"
  "$(plant src/tools/lns/BusCommand.cpp 'const auto self = fs::read_symlink("/proc/self/" "exe");')"
  "$(plant src/platform/lns/LnsObjectServer.cpp 'for (char** each = __environ; *each; ++each) {}')"
  "$(plant src/services/TypeFiles.cpp 'std::ifstream all("/proc/self/" "environ");')"
  "$(plant src/mainwindow/files/fMainPrint.cpp 'const int fd = ::open(name, O_WRONLY | O_CREAT, 0644);')"
  "$(plant src/devicemodel/HelpPane.cpp 'std::filesystem::copy_file(from, to);')"
  "$(plant src/platform/registry/StoreFile.cpp 'fs::copy(from, to);')"
)
# A cycle in the declared uses, with an include that makes the use, so that only the cycle is refused.
sed -i 's#^qvr_layer(datapoints  LIBRARY qvr_datapoints USES#qvr_layer(datapoints LIBRARY qvr_datapoints USES program#' \
  "$copy/cmake/Layers.cmake"
plant src/datapoints/DataPoint.h '#include "program/Program.h"' >/dev/null
planted+=("cmake/Layers.cmake")
# A use that no include makes.
sed -i 's#^qvr_layer(texts       LIBRARY qvr_texts)#qvr_layer(texts LIBRARY qvr_texts USES platform/ui)#' "$copy/cmake/Layers.cmake"
planted+=("cmake/Layers.cmake")
# Harmless lines: a rule named in comments and a text, a system header, an include in a comment.
plant src/platform/registry/UserLocale.cpp '// getenv, std::ofstream and "/proc/self/exe" are not used here' >/dev/null
plant src/platform/registry/UserLocale.cpp '/* #include "mainwindow/fMain.h" */' >/dev/null
plant src/platform/ui/Menu.cpp 'const char* text = "call getenv( or std::ofstream in a text";' >/dev/null
plant src/platform/ui/Menu.cpp '#include <vector>' >/dev/null
plant src/platform/ui/Menu.cpp '#include <fstream>' >/dev/null
plant src/platform/ui/Menu.cpp 'std::ifstream in(file); FILE* read = std::fopen(name, "rb");' >/dev/null
plant src/platform/ui/Menu.cpp 'const int fd = ::open(name, O_RDONLY | O_CLOEXEC); // environ, O_CREAT' >/dev/null
# An allowance whose use is gone (or never was) is refused.
sed -i "s#^allowed='\$#allowed='\\nenvironment  src/platform/runtime/SplitAt.cpp  a use that is gone#" \
  "$copy/scripts/check-includes.sh"
planted+=("src/platform/runtime/SplitAt.cpp")

output=$(bash "$copy/scripts/check-includes.sh" "$copy") && { echo "the planted lines passed"; exit 1; }
status=0
for place in "${planted[@]}"; do
  grep -q "^$place: " <<<"$output" || { echo "not refused: $place"; status=1; }
done
[ "$(wc -l <<<"$output")" -eq ${#planted[@]} ] || { echo "refused other lines than the planted ones:"; echo "$output"; status=1; }
exit $status
