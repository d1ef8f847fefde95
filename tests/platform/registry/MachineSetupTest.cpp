#include "platform/registry/MachineSetup.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "TempMachineRoot.h"
#include "platform/Error.h"
#include "platform/registry/RegistryStore.h"

namespace registry_test {
namespace {

using reg::Hive;

// Sets an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) previous_ = old;
    setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (previous_) {
      setenv(name_, previous_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> previous_;
};

std::optional<std::string> Read(const std::filesystem::path& root, Hive hive, std::string_view key,
                                std::string_view name) {
  reg::RegistryStore store(reg::RegistryStore::FileIn(root));
  return reg::ReadText(store, hive, key, name);
}

TEST(MachineSetup, CreatesTheFolderTreeAndTheTwoValues) {
  testsupport::TempMachineRoot temp;
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(temp.Path());
  {
    ScopedEnv locale("LC_ALL", "C");
    reg::InitMachineRoot("machine");  // relative, and the root itself is made, too
  }
  std::filesystem::current_path(previous);
  const auto root = temp.Path() / "machine";
  for (const char* folder : {"Types", "Import", "PlugIns"}) {
    EXPECT_TRUE(std::filesystem::is_directory(root / "LonWorks" / folder)) << folder;
  }
  EXPECT_EQ(Read(root, Hive::LocalMachine, "SOFTWARE\\LonWorks", "LonWorks Path"), "C:\\LonWorks");
  EXPECT_EQ(Read(root, Hive::CurrentUser, "Control Panel\\International", "sDecimal"), ".");
  EXPECT_EQ(reg::LonWorksFolderIn(root), root / "LonWorks");

  std::ofstream(temp.Path() / "plain-file") << "x";
  try {
    reg::InitMachineRoot(temp.Path() / "plain-file");
    FAIL() << "made a machine root inside a file";
  } catch (const platform::RaisedError& error) {
    EXPECT_NE(error.Description().find("plain-file"), std::string::npos) << error.Description();
  }
}

TEST(MachineSetup, KeepsValuesThatAreThereAndCompletesTheRest) {
  testsupport::TempMachineRoot temp;
  reg::RegistryStore(reg::RegistryStore::FileIn(temp.Path()))
      .SetValue(Hive::CurrentUser, "Control Panel\\International", "sDecimal", {reg::ValueType::Sz, ","},
                true);
  reg::InitMachineRoot(temp.Path());
  EXPECT_EQ(Read(temp.Path(), Hive::CurrentUser, "Control Panel\\International", "sDecimal"), ",");

  // The LonWorks folder completed is the one the kept value names.
  reg::RegistryStore(reg::RegistryStore::FileIn(temp.Path()))
      .SetValue(Hive::LocalMachine, "SOFTWARE\\LonWorks", "LonWorks Path",
                {reg::ValueType::Sz, "C:\\Elsewhere"});
  EXPECT_EQ(reg::InitMachineRoot(temp.Path()), temp.Path() / "Elsewhere");
  EXPECT_EQ(Read(temp.Path(), Hive::LocalMachine, "SOFTWARE\\LonWorks", "LonWorks Path"), "C:\\Elsewhere");
  EXPECT_TRUE(std::filesystem::is_directory(temp.Path() / "Elsewhere" / "Import"));
}

TEST(MachineSetup, DecimalSeparatorFollowsTheUserLocale) {
  testsupport::TempMachineRoot temp;
  {
    ScopedEnv locale("LC_ALL", "no_SUCH.locale");  // a locale that cannot be loaded gives the point
    reg::InitMachineRoot(temp.Path() / "unknown");
  }
  EXPECT_EQ(Read(temp.Path() / "unknown", Hive::CurrentUser, "Control Panel\\International", "sDecimal"),
            ".");

  // Where a German locale is installed, its comma is taken.
  locale_t german = newlocale(LC_NUMERIC_MASK, "de_DE.UTF-8", static_cast<locale_t>(0));
  if (german == static_cast<locale_t>(0)) return;
  freelocale(german);
  {
    ScopedEnv locale("LC_ALL", "de_DE.UTF-8");
    reg::InitMachineRoot(temp.Path() / "german");
  }
  EXPECT_EQ(Read(temp.Path() / "german", Hive::CurrentUser, "Control Panel\\International", "sDecimal"), ",");
}

}  // namespace
}  // namespace registry_test
