#include "DeviceModelTestSupport.h"
#include "datapoints/ModelTable.h"
#include "platform/lns/LnsObjectServer.h"

namespace devicemodel_test {
namespace {

TEST_F(DeviceModelTest, SettingsAreReadOnceForEachDeviceCommand) {
  SetDecimalSeparator(".");
  SetLonWorksPath("/lon/first");
  program.model.SettingsPending = true;
  Apply(kQvrl207);
  EXPECT_EQ(program.model.DecimalSep, ".");
  EXPECT_EQ(program.model.LonWorksFolder, "/lon/first");
  EXPECT_FALSE(program.model.SettingsPending);

  // Later calls of the same command (value reading, help) leave the settings alone.
  SetDecimalSeparator(";");
  SetLonWorksPath("/lon/second");
  Apply(kQvrl207, 1);
  Apply(kQvrl207, 0, "Nci", 3);
  EXPECT_EQ(program.model.DecimalSep, ".");
  EXPECT_EQ(program.model.LonWorksFolder, "/lon/first");

  // The next command sees the registry as it is then.
  program.model.SettingsPending = true;
  Apply(kQvrl207);
  EXPECT_EQ(program.model.DecimalSep, ";");
  EXPECT_EQ(program.model.LonWorksFolder, "/lon/second");
}

TEST_F(DeviceModelTest, MissingSettingsGiveTheDecimalCommaAndNoLonWorksFolder) {
  SetDecimalSeparator("");
  program.model.SettingsPending = true;
  Apply("");
  EXPECT_EQ(program.model.DecimalSep, ",");
  EXPECT_FALSE(program.model.SettingsPending);

  reg::RegistryStore store(reg::RegistryStore::FileIn(fixture.root()));
  ASSERT_EQ(store.DeleteValue(reg::Hive::CurrentUser, reg::kInternationalKey, reg::kDecimalSeparatorValue),
            reg::Status::Ok);
  ASSERT_EQ(store.DeleteValue(reg::Hive::LocalMachine, reg::kLonWorksKey, reg::kLonWorksPathValue),
            reg::Status::Ok);
  program.model.DecimalSep = ".";
  program.model.LonWorksFolder = "/stale";
  program.model.SettingsPending = true;
  Apply(kQvrl106);
  EXPECT_EQ(program.model.DecimalSep, ",");
  EXPECT_EQ(program.model.LonWorksFolder, "");
}

TEST_F(DeviceModelTest, TheObjectServerWritesNumbersWithTheSeparatorThePlugInReads) {
  // Empty, then missing: the server's values and the plug-in's boxes take the same separator.
  SetDecimalSeparator("");
  for (int missing : {0, 1}) {
    if (missing == 1) {
      reg::RegistryStore(reg::RegistryStore::FileIn(fixture.root()))
          .DeleteValue(reg::Hive::CurrentUser, reg::kInternationalKey, reg::kDecimalSeparatorValue);
    }
    program.model.SettingsPending = true;
    Apply("");
    lns::LnsObjectServer server(fixture.services().Loop(), fixture.root());
    server.Open();
    EXPECT_EQ(server.GetDecimalSeparator(), program.model.DecimalSep) << "missing " << missing;
  }
}

TEST_F(DeviceModelTest, ModelGroupZeroFillsOnlyTheModelTable) {
  for (std::int16_t otherGroup : {100, 1, -1}) {
    Apply("", 0, "", 0, otherGroup);
    EXPECT_EQ(program.model.ProgramIdPrefix, "") << otherGroup;
    EXPECT_EQ(program.model.ModelNames[8], "") << otherGroup;
  }

  Apply("", 0, "", 0, 0);
  const qvr::DeviceModelState& model = program.model;
  EXPECT_EQ(model.ProgramIdPrefix, "9FFF6E0A5A0604");
  ASSERT_EQ(model.ModelLast - model.ModelFirst, 3) << "four supported models";
  for (int row = 0; row < static_cast<int>(model.ModelNames.size()); ++row) {
    const std::string& name = model.ModelNames[static_cast<std::size_t>(row)];
    const std::string& xif = model.ModelXifFiles[static_cast<std::size_t>(row)];
    if (row < model.ModelFirst || row > model.ModelLast) {
      EXPECT_EQ(name + xif, "") << row;
      continue;
    }
    // Each model's interface file lies in a folder of its name.
    ASSERT_TRUE(name.starts_with("Calyxtern qvrl")) << name;
    const std::string shortName = name.substr(10);
    EXPECT_EQ(xif, shortName + "\\" + shortName + ".xif");
    EXPECT_NE(qvr::FamilyOfProgramId(qvr::ProgramIdOfModel(model.ProgramIdPrefix, row)),
              qvr::DeviceFamily::None);
  }
  EXPECT_EQ(model.ModelNames[static_cast<std::size_t>(model.ModelFirst)], "Calyxtern qvrl105");
  // No settings were pending, and registration has no window to adapt.
  EXPECT_EQ(model.DecimalSep, "");
  EXPECT_EQ(model.DeviceTypeName, "");
  EXPECT_EQ(program.Windows().Find<qvr::fMain>(), nullptr);
}

TEST(ModelTable, ProgramIdsAreUpperCaseHexAndComparedExactly) {
  EXPECT_EQ(qvr::ProgramIdOfModel(qvr::kProgramIdPrefix, 8), kQvrl105);
  EXPECT_EQ(qvr::ProgramIdOfModel(qvr::kProgramIdPrefix, 11), kQvrl207);
  EXPECT_EQ(qvr::ProgramIdOfModel("AB", 300), "AB12C");

  EXPECT_EQ(qvr::FamilyOfProgramId(kQvrl105), qvr::DeviceFamily::QvrL1);
  EXPECT_EQ(qvr::FamilyOfProgramId(kQvrl106), qvr::DeviceFamily::QvrL1);
  EXPECT_EQ(qvr::FamilyOfProgramId(kQvrl206), qvr::DeviceFamily::QvrL2);
  EXPECT_EQ(qvr::FamilyOfProgramId(kQvrl207), qvr::DeviceFamily::QvrL2);
  for (const std::string other :
       {"9fff6e0a5a06040a", "9FFF6E0A5A06040b", "9FFF6E0A5A06040C", "9FFF6E0A5A06040A ", ""}) {
    EXPECT_EQ(qvr::FamilyOfProgramId(other), qvr::DeviceFamily::None) << other;
  }
}

}  // namespace
}  // namespace devicemodel_test
