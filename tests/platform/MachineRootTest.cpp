#include "platform/MachineRoot.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace platform_test {
namespace {

// What a program's main hands down from the environment; an empty variable counts as unset.
TEST(MachineRoot, FollowsLnsRootThenXdgDataHome) {
  std::map<std::string, std::string> variables = {
      {"LNS_ROOT", "/tmp/root-here"}, {"XDG_DATA_HOME", "/tmp/xdg-here"}, {"HOME", "/home/someone"}};
  const platform::EnvironmentLookup environment = [&](const char* name) -> const char* {
    const auto found = variables.find(name);
    return found == variables.end() ? nullptr : found->second.c_str();
  };
  EXPECT_EQ(platform::MachineRoot(environment), std::filesystem::path("/tmp/root-here"));
  variables["LNS_ROOT"] = "";
  EXPECT_EQ(platform::MachineRoot(environment), std::filesystem::path("/tmp/xdg-here/lns-machine"));
  variables.erase("LNS_ROOT");
  variables.erase("XDG_DATA_HOME");
  EXPECT_EQ(platform::MachineRoot(environment),
            std::filesystem::path("/home/someone/.local/share/lns-machine"));
}

TEST(MachineRoot, MapsWindowsPathsInsideTheBase) {
  const std::filesystem::path base = "/m/LonWorks";
  EXPECT_EQ(platform::MapWindowsPath(base, "\\Import\\Calyxtern\\"), "/m/LonWorks/Import/Calyxtern");
  EXPECT_EQ(platform::MapWindowsPath(base, "Types\\User\\Calyxtern"), "/m/LonWorks/Types/User/Calyxtern");
  EXPECT_EQ(platform::MapWindowsPath(base, "C:\\LonWorks\\x.xif"), "/m/LonWorks/LonWorks/x.xif");
  EXPECT_EQ(platform::MapWindowsPath(base, "\\a\\..\\..\\..\\etc\\passwd"), "/m/LonWorks/etc/passwd");
  EXPECT_EQ(platform::MapWindowsPath(base, ""), base);
  EXPECT_EQ(platform::MapWindowsPath(base, "\\Dokumentation\\qvrl207.pdf"),
            "/m/LonWorks/Dokumentation/qvrl207.pdf");
}

// Every place that turns a name the system passes into a file (template import, the resource catalogue, the
// parameter folder) maps it this one way.
TEST(MachineRoot, MapsFileNamesAsTheSystemPassesThem) {
  const std::filesystem::path root = "/m";
  // A POSIX LonWorks Path with the Windows-spelled rest that a client appends.
  EXPECT_EQ(platform::MapFilePath(root, "/opt/lw\\Import\\Calyxtern\\qvrl105\\qvrl105.xif"),
            "/opt/lw/Import/Calyxtern/qvrl105/qvrl105.xif");
  EXPECT_EQ(platform::MapFilePath(root, "/opt/lw/\\PlugIns\\..\\Types"), "/opt/lw/Types");
  EXPECT_EQ(platform::MapFilePath(root, "C:\\LonWorks\\Import\\x.xif"), "/m/LonWorks/Import/x.xif");
  EXPECT_EQ(platform::MapFilePath(root, "\\LonWorks\\Types"), "/m/LonWorks/Types");
  EXPECT_EQ(platform::MapFilePath(root, "LonWorks\\Types"), "/m/LonWorks/Types");
}

}  // namespace
}  // namespace platform_test
