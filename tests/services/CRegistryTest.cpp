#include "platform/ErrorNumbers.h"
#include "services/CRegistry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TempMachineRoot.h"
#include "identity/PlugInIdentity.h"
#include "platform/registry/RegistryStore.h"

namespace framework_test {
namespace {

using reg::Hive;
using reg::RegValue;
using reg::ValueType;

const std::string kPlugInKey = "SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\Calyxtern_qvr_lon_PlugIn";

class CRegistryTest : public ::testing::Test {
 protected:
  reg::RegistryStore& Store() {
    if (!store_) store_ = std::make_unique<reg::RegistryStore>(reg::RegistryStore::FileIn(root.Path()));
    return *store_;
  }
  void Put(Hive hive, const std::string& key, const std::string& name, RegValue value) {
    ASSERT_EQ(Store().SetValue(hive, key, name, value, true), reg::Status::Ok);
  }
  void MakeStoreReadOnly() {
    Store();  // the file exists from here on
    std::filesystem::permissions(reg::RegistryStore::FileIn(root.Path()), std::filesystem::perms::owner_read);
  }

  testsupport::TempMachineRoot root;
  reg::MachineRegistry machine{root.Path()};
  runtime::ErrObject err;

 private:
  std::unique_ptr<reg::RegistryStore> store_;
};

TEST_F(CRegistryTest, ReadsGiveTheTextBeforeTheFirstNulOrNothing) {
  Put(Hive::LocalMachine, kPlugInKey, "", RegValue{ValueType::Sz, "Calyxtern_qvr_lon_PlugIn"});
  Put(Hive::LocalMachine, kPlugInKey, "Version", RegValue{ValueType::Sz, std::string("1.5\0garbage", 11)});
  Put(Hive::LocalMachine, kPlugInKey, "Expand", RegValue{ValueType::ExpandSz, "%PATH%"});
  Put(Hive::LocalMachine, kPlugInKey, "Scope", RegValue{ValueType::Dword, "3"});
  Put(Hive::LocalMachine, kPlugInKey, "Blank", RegValue{ValueType::Sz, ""});
  Put(Hive::LocalMachine, kPlugInKey, "Leading", RegValue{ValueType::Sz, std::string("\0x", 2)});
  Put(Hive::LocalMachine, "SOFTWARE\\NoDefault", "named", RegValue{ValueType::Sz, "x"});
  Put(Hive::CurrentUser, "Control Panel\\International", "sDecimal", RegValue{ValueType::Sz, ","});
  Put(Hive::CurrentUser, "SOFTWARE\\LonWorks\\LCA\\Applets\\Calyxtern_qvr_lon_PlugIn\\Window", "Left",
      RegValue{ValueType::Sz, "120"});

  qvr::CRegistry registry(err, machine);
  EXPECT_EQ(registry.MachineSetting(kPlugInKey, ""), "Calyxtern_qvr_lon_PlugIn");
  EXPECT_EQ(registry.MachineSetting("software\\lonworks\\lca\\plug-ins\\calyxtern_qvr_lon_plugin", "VERSION"),
            "1.5");
  EXPECT_EQ(registry.MachineSetting(kPlugInKey, "Expand"), "%PATH%") << "a REG_EXPAND_SZ is text, unexpanded";
  EXPECT_EQ(registry.MachineSetting(kPlugInKey, "Scope"), "");
  EXPECT_EQ(registry.MachineSetting(kPlugInKey, "Blank"), "");
  EXPECT_EQ(registry.MachineSetting(kPlugInKey, "Leading"), "");
  EXPECT_EQ(registry.MachineSetting(kPlugInKey, "Missing"), "");
  EXPECT_EQ(registry.MachineSetting("SOFTWARE\\NoDefault", ""), "");
  EXPECT_EQ(registry.MachineSetting("SOFTWARE\\LonWorks", "LonWorks Path"), "");
  EXPECT_EQ(registry.MachineSetting("", "x"), "");

  // Each hive answers only for itself.
  EXPECT_EQ(registry.Werte("Control Panel\\International", "sDecimal"), ",");
  EXPECT_EQ(registry.MachineSetting("Control Panel\\International", "sDecimal"), "");
  EXPECT_EQ(registry.Werte(kPlugInKey, ""), "");
  EXPECT_EQ(registry.AppSetting("Window", "Left"), "120");
  EXPECT_EQ(registry.AppSetting("window", "Top"), "");
  EXPECT_EQ(err.Number, 0);

  // Every other reader of the store reads by the same rule.
  for (const char* name : {"Version", "Expand", "Scope", "Leading"})
    EXPECT_EQ(reg::ReadText(Store(), Hive::LocalMachine, kPlugInKey, name).value_or(""),
              registry.MachineSetting(kPlugInKey, name))
        << name;
}

TEST_F(CRegistryTest, ReadsOfAMachineWithoutRootGiveNothingAndCreateNothing) {
  const auto missing = root.Path() / "not-there";
  reg::MachineRegistry missingMachine(missing);
  qvr::CRegistry registry(err, missingMachine);
  EXPECT_EQ(registry.MachineSetting("SOFTWARE\\LonWorks", "LonWorks Path"), "");
  EXPECT_EQ(registry.Werte("Control Panel\\International", "sDecimal"), "");
  EXPECT_EQ(registry.FindFirstMachineKey("SOFTWARE"), "");
  EXPECT_FALSE(registry.DeleteMachineKey("SOFTWARE"));
  EXPECT_EQ(err.Number, 0);
  registry.MachineSetting("SOFTWARE\\LonWorks", "LonWorks Path", "/x");
  EXPECT_EQ(err.Number, platform::kErrRegistryWriteRefused);
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(CRegistryTest, WritesCreateTheWholeKeyPathAsText) {
  qvr::CRegistry registry(err, machine);
  registry.MachineSetting(kPlugInKey, "Language", "1");
  registry.MachineSetting(kPlugInKey, "", "Calyxtern_qvr_lon_PlugIn");
  registry.MachineSetting(kPlugInKey, "Description", "");
  registry.AppSetting("Window", "Left", "120");
  EXPECT_EQ(err.Number, 0);

  EXPECT_TRUE(Store().KeyExists(Hive::LocalMachine, "SOFTWARE\\LonWorks\\LCA\\Plug-Ins"));
  RegValue value;
  ASSERT_EQ(Store().QueryValue(Hive::LocalMachine, kPlugInKey, "Language", value), reg::Status::Ok);
  EXPECT_EQ(value.type, ValueType::Sz);
  EXPECT_EQ(value.data, "1");
  ASSERT_EQ(Store().QueryValue(Hive::LocalMachine, kPlugInKey, "Description", value), reg::Status::Ok);
  EXPECT_EQ(value.data, "");
  EXPECT_EQ(reg::ReadText(Store(), Hive::CurrentUser,
                          "SOFTWARE\\LonWorks\\LCA\\Applets\\Calyxtern_qvr_lon_PlugIn\\Window", "Left"),
            "120");
  EXPECT_EQ(qvr::CRegistry(err, machine).MachineSetting(kPlugInKey, ""), "Calyxtern_qvr_lon_PlugIn");

  // A write replaces a value of another type.
  Put(Hive::LocalMachine, kPlugInKey, "Scope", RegValue{ValueType::Dword, "3"});
  registry.MachineSetting(kPlugInKey, "Scope", "0");
  EXPECT_EQ(registry.MachineSetting(kPlugInKey, "Scope"), "0");
}

TEST_F(CRegistryTest, RefusedWriteLeavesTheErrorNumberAndChangesNothing) {
  Put(Hive::LocalMachine, kPlugInKey, "Language", RegValue{ValueType::Sz, "0"});
  MakeStoreReadOnly();
  qvr::CRegistry registry(err, machine);
  registry.MachineSetting(kPlugInKey, "Language", "1");
  EXPECT_EQ(err.Number, platform::kErrRegistryWriteRefused);
  EXPECT_EQ(err.Number, -2147220991);
  EXPECT_EQ(err.Source, "Calyxtern_qvr_lon_PlugIn");
  EXPECT_FALSE(err.Description.empty());
  EXPECT_EQ(registry.MachineSetting(kPlugInKey, "Language"), "0");

  err.Clear();
  registry.AppSetting("Window", "Left", "1");
  EXPECT_EQ(err.Number, platform::kErrRegistryWriteRefused);
  EXPECT_EQ(registry.AppSetting("Window", "Left"), "");

  // Writable again: a successful write leaves the pending error as it was.
  std::filesystem::permissions(reg::RegistryStore::FileIn(root.Path()), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  registry.MachineSetting(kPlugInKey, "Language", "1");
  EXPECT_EQ(registry.MachineSetting(kPlugInKey, "Language"), "1");
  EXPECT_EQ(err.Number, platform::kErrRegistryWriteRefused);

  // A key path the registry cannot hold is refused the same way.
  err.Clear();
  registry.MachineSetting("SOFTWARE\\\\Broken", "x", "1");
  EXPECT_EQ(err.Number, platform::kErrRegistryWriteRefused);
}

TEST_F(CRegistryTest, DeleteMachineKeyRemovesTheWholeTree) {
  Put(Hive::LocalMachine, kPlugInKey, "Language", RegValue{ValueType::Sz, "1"});
  for (const char* key : {"\\Commands\\13\\Deep", "\\Commands\\10000", "\\Types", "\\Types\\a\\b\\c\\d"}) {
    Put(Hive::LocalMachine, kPlugInKey + key, "v", RegValue{ValueType::Sz, key});
  }
  Put(Hive::LocalMachine, "SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\Other", "v", RegValue{ValueType::Sz, "kept"});
  Put(Hive::CurrentUser, kPlugInKey, "v", RegValue{ValueType::Sz, "other hive"});

  qvr::CRegistry registry(err, machine);
  EXPECT_TRUE(registry.DeleteMachineKey(kPlugInKey));
  EXPECT_FALSE(Store().KeyExists(Hive::LocalMachine, kPlugInKey));
  EXPECT_TRUE(Store().KeyExists(Hive::LocalMachine, "SOFTWARE\\LonWorks\\LCA\\Plug-Ins"));
  EXPECT_EQ(registry.MachineSetting("SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\Other", "v"), "kept");
  EXPECT_EQ(registry.Werte(kPlugInKey, "v"), "other hive");
  EXPECT_FALSE(registry.DeleteMachineKey(kPlugInKey));

  // A key without subkeys goes at once.
  EXPECT_TRUE(registry.DeleteMachineKey("software\\lonworks\\lca\\plug-ins\\other"));
  EXPECT_FALSE(Store().KeyExists(Hive::LocalMachine, "SOFTWARE\\LonWorks\\LCA\\Plug-Ins\\Other"));

  // The hive itself is never emptied.
  EXPECT_FALSE(registry.DeleteMachineKey(""));
  EXPECT_TRUE(Store().KeyExists(Hive::LocalMachine, "SOFTWARE\\LonWorks\\LCA\\Plug-Ins"));
}

TEST_F(CRegistryTest, DeleteMachineKeyOnAReadOnlyStoreFailsAndKeepsTheTree) {
  Put(Hive::LocalMachine, kPlugInKey + "\\Sub\\Deeper", "v", RegValue{ValueType::Sz, "1"});
  MakeStoreReadOnly();
  qvr::CRegistry registry(err, machine);
  EXPECT_FALSE(registry.DeleteMachineKey(kPlugInKey));
  EXPECT_EQ(registry.MachineSetting(kPlugInKey + "\\Sub\\Deeper", "v"), "1");
  // The key is still there: its deletion failed, with the store's reason, where a missing key gives none.
  EXPECT_EQ(err.Number, platform::kErrRegistryWriteRefused);
  EXPECT_NE(err.Description.find("readonly"), std::string::npos) << err.Description;
}

TEST_F(CRegistryTest, EnumerationWalksTheSubkeysOnceAndThenGivesNothing) {
  qvr::CRegistry registry(err, machine);
  EXPECT_EQ(registry.GetNextMachineKey(), "");  // no walk started
  EXPECT_EQ(registry.GetNextMachineKey(), "");

  for (const char* name : {"Gamma", "alpha", "Beta", "Beta\\Nested"}) {
    ASSERT_EQ(Store().CreateKey(Hive::LocalMachine, std::string("SOFTWARE\\Walk\\") + name), reg::Status::Ok);
  }
  EXPECT_EQ(registry.FindFirstMachineKey("software\\walk"), "alpha");
  EXPECT_EQ(registry.GetNextMachineKey(), "Beta");
  EXPECT_EQ(registry.GetNextMachineKey(), "Gamma");
  EXPECT_EQ(registry.GetNextMachineKey(), "");
  EXPECT_EQ(registry.GetNextMachineKey(), "");
  EXPECT_EQ(registry.GetNextMachineKey(), "");

  // A new walk starts at the first subkey again; a key without subkeys gives nothing at once.
  EXPECT_EQ(registry.FindFirstMachineKey("SOFTWARE\\Walk"), "alpha");
  EXPECT_EQ(registry.FindFirstMachineKey("SOFTWARE\\Walk\\Gamma"), "");
  EXPECT_EQ(registry.GetNextMachineKey(), "");

  // A walk of a key that cannot be opened ends the walk before it.
  EXPECT_EQ(registry.FindFirstMachineKey("SOFTWARE\\Walk"), "alpha");
  EXPECT_EQ(registry.FindFirstMachineKey("SOFTWARE\\Missing"), "");
  EXPECT_EQ(registry.GetNextMachineKey(), "");

  // Another hive's key of the same path is not walked.
  ASSERT_EQ(Store().CreateKey(Hive::CurrentUser, "SOFTWARE\\Mine\\Sub"), reg::Status::Ok);
  EXPECT_EQ(registry.FindFirstMachineKey("SOFTWARE\\Mine"), "");
  EXPECT_EQ(registry.FindFirstMachineKey("SOFTWARE"), "Walk");
}

}  // namespace
}  // namespace framework_test
