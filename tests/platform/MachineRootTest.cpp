#include "platform/MachineRoot.h"

#include <gtest/gtest.h>

#include <string>

#include "TempMachineRoot.h"

namespace platform_test {
namespace {

// What a program's main hands down: LNS_ROOT, XDG_DATA_HOME and HOME, empty when unset.
TEST(MachineRoot, FollowsLnsRootThenXdgDataHome) {
  testsupport::TempMachineRoot root;
  EXPECT_EQ(platform::MachineRoot(root.Path().string(), "/tmp/xdg-here", "/home/u"), root.Path());
  EXPECT_EQ(platform::MachineRoot("", "/tmp/xdg-here", "/home/u"),
            std::filesystem::path("/tmp/xdg-here/lns-machine"));
  EXPECT_EQ(platform::MachineRoot("", "", "/home/u"),
            std::filesystem::path("/home/u/.local/share/lns-machine"));
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

// The bus's configuration takes a tab, a carriage return, DEL and any character of UTF-8 text that XML
// allows; a root with anything else is refused, as is one whose bus socket would not fit.
TEST(MachineRoot, TakesTheRootsThatTheBusCanServe) {
  for (const char* usable :
       {"/m/tab\there", "/m/cr\r", "/m/del\x7f", "/m/\xc3\xbc\xe4\xb8\xad\xf0\x9f\x98\x80", "/m/./a/../b/"}) {
    EXPECT_EQ(platform::UnusableMachineRoot(usable), std::nullopt) << usable;
  }
  for (const char* unusable :
       {"/m/\x1f", "/m/\xef\xbf\xbe", "/m/\xc0\xaf", "/m/\xc3", "/m/\xed\xa0\x80", "/m/\xf4\x90\x80\x80"}) {
    EXPECT_NE(platform::UnusableMachineRoot(unusable), std::nullopt) << unusable;
  }
  EXPECT_EQ(platform::UnusableMachineRoot("/" + std::string(87, 'x') + "/"), std::nullopt);
  EXPECT_NE(platform::UnusableMachineRoot("/" + std::string(88, 'x')), std::nullopt);
}

}  // namespace
}  // namespace platform_test
