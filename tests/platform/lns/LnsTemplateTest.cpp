#include <gtest/gtest.h>

#include <fstream>

#include "LnsDemo.h"
#include "LnsTestErrors.h"

namespace {

using lnstest::ErrorNumberOf;

// A system of a fresh network with no templates.
struct EmptyNetwork {
  testsupport::TempMachineRoot root;
  platform::HeadlessEventLoop loop;
  lns::LnsObjectServer server{loop, root.Path()};
  std::optional<lns::LnsSystem> system;

  EmptyNetwork() {
    lnstest::SetDecimalSeparator(root.Path(), ".");
    server.Open();
    lns::LnsNetwork network = server.GetNetworks().Add("Plant");
    network.Open();
    system.emplace(network.GetSystems().Item(1));
    system->Open();
  }
};

TEST(LnsTemplateTest, TemplatesAreAddedImportedAndRemoved) {
  EmptyNetwork net;
  lns::LnsDeviceTemplates templates = net.system->GetTemplateLibrary().GetDeviceTemplates();
  EXPECT_EQ(ErrorNumberOf([&] { templates.Add("Calyxtern qvrl105", 2); }), lns::kLnsInvalidArgument);
  lns::LnsDeviceTemplate spare = templates.Add("Calyxtern qvrl105", 1);
  EXPECT_EQ(spare.GetProgramId(), "");
  EXPECT_EQ(ErrorNumberOf([&] { spare.GetInterface(); }), lns::kLnsInvalidArgument);
  lns::LnsAppDevices devices = net.system->GetSubsystems().Add("Hall").GetAppDevices();
  EXPECT_EQ(ErrorNumberOf([&] { devices.Add("Lamp", spare); }), lns::kLnsInvalidArgument);
  EXPECT_EQ(ErrorNumberOf([&] { templates.Add("calyxtern QVRL105", 1); }), lns::kLnsAlreadyExists);

  // The system passes Windows paths into the LonWorks folder.
  std::filesystem::path import = net.root.Path() / "LonWorks" / "Import" / "Calyxtern";
  std::filesystem::create_directories(import);
  std::filesystem::copy_file(lnstest::InterfaceFolder() / "qvrl105.xif", import / "qvrl105.xif");
  spare.Import("C:\\LonWorks\\Import\\Calyxtern\\qvrl105.xif");
  EXPECT_EQ(spare.GetProgramId(), "9FFF6E0A5A060408");
  EXPECT_EQ(templates.Item("9FFF6E0A5A060408").GetName(), "Calyxtern qvrl105");
  EXPECT_EQ(spare.GetInterface().GetLonMarkObjects().Count(), 7);

  lns::LnsDeviceTemplate other = templates.Add("Second", 1);
  EXPECT_EQ(ErrorNumberOf([&] { other.Import((lnstest::InterfaceFolder() / "qvrl105.xif").string()); }),
            lns::kLnsAlreadyExists);
  EXPECT_EQ(ErrorNumberOf([&] { other.Import("C:\\LonWorks\\Import\\missing.xif"); }), lns::kLnsNotFound);
  EXPECT_EQ(other.GetProgramId(), "");

  devices.Add("Lamp", spare);
  EXPECT_EQ(ErrorNumberOf([&] { spare.Import((lnstest::InterfaceFolder() / "qvrl106.xif").string()); }),
            lns::kLnsInvalidArgument);
  EXPECT_EQ(ErrorNumberOf([&] { templates.Remove("Calyxtern qvrl105"); }), lns::kLnsInvalidArgument);
  EXPECT_EQ(templates.Count(), 2);
  templates.Remove("second");
  EXPECT_EQ(templates.Count(), 1);
  EXPECT_EQ(ErrorNumberOf([&] { templates.Item("Second"); }), lns::kLnsNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { templates.Remove("Second"); }), lns::kLnsNotFound);
  EXPECT_EQ(templates.Item(1).GetName(), "Calyxtern qvrl105");
  EXPECT_EQ(ErrorNumberOf([&] { templates.Item(2); }), lns::kLnsNotFound);
}

TEST(LnsTemplateTest, DeviceOwnPropertiesAndBrokenInterfaces) {
  EmptyNetwork net;
  lns::LnsDeviceTemplates templates = net.system->GetTemplateLibrary().GetDeviceTemplates();
  lns::DeviceInterface custom;
  custom.model = "custom";
  custom.programId = "9000000000000001";
  custom.networkVariables = {{1, "nvoCount", lns::NvDirection::Output, "SNVT_count", "7"}};
  custom.blocks = {{0, "NodeObject", 0}};
  custom.configProperties = {{lns::CpOwner::Device, 0, 0, 49, "SCPTmaxSendTime", "SNVT_time_sec", "30.0"},
                             {lns::CpOwner::Device, 0, 0, 52, "SCPTminSendTime", "SNVT_time_sec", "1.0"}};
  lns::LnsDeviceTemplate deviceTemplate = templates.Add("Custom", 1);

  lns::DeviceInterface broken = custom;
  broken.configProperties[1].delivered = "oops";
  EXPECT_EQ(ErrorNumberOf([&] { deviceTemplate.ImportInterface(broken); }), lns::kLnsBadFile);
  broken = custom;
  broken.networkVariables.push_back(broken.networkVariables[0]);
  EXPECT_EQ(ErrorNumberOf([&] { deviceTemplate.ImportInterface(broken); }), lns::kLnsBadFile);
  EXPECT_EQ(deviceTemplate.GetProgramId(), "");  // nothing of a refused interface stays

  deviceTemplate.ImportInterface(custom);
  lns::LnsAppDevice device =
      net.system->GetSubsystems().Add("Hall").GetAppDevices().Add("Counter", deviceTemplate);
  lns::LnsConfigProperties own = device.GetInterface().GetConfigProperties();
  ASSERT_EQ(own.Count(), 2);
  EXPECT_EQ(own.Item(2).GetTypeIndex(), 52);
  EXPECT_EQ(own.Item(1).GetValue(), "30.0");
  own.Item(1).PutValue("45.5");
  EXPECT_EQ(device.GetInterface().GetConfigProperties().Item(1).GetValue(), "45.5");
  EXPECT_EQ(device.GetInterface().GetConfigProperties().Item(2).GetValue(), "1.0");
}

TEST(LnsTemplateTest, ComponentAppsOfEachPlaceAreKeptApart) {
  lnstest::LnsDemo demo;
  lns::LnsDeviceTemplate qvrl206 = demo.System().GetTemplateLibrary().GetDeviceTemplates().Item("qvrl206");
  lns::LnsComponentApps apps = qvrl206.GetComponentApps();
  EXPECT_EQ(apps.Count(), 0);
  lns::LnsComponentApp configure = apps.Add("Configure", "Other.PlugIn", 7);
  configure.PutCommandId(13);
  configure.PutText("Configure the device");
  configure.PutVersion("1.5");
  configure.PutManufacturerId("1048430");
  configure.PutDefault(true);
  apps.Add("Configure (1)", "Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI", 7).PutCommandId(10000);
  EXPECT_EQ(ErrorNumberOf([&] { apps.Add("CONFIGURE", "X", 7); }), lns::kLnsAlreadyExists);

  ASSERT_EQ(apps.Count(), 2);
  lns::LnsComponentApp first = apps.Item(1);
  EXPECT_EQ(first.GetName(), "Configure");
  EXPECT_EQ(first.GetProgId(), "Other.PlugIn");
  EXPECT_EQ(first.GetObjectClass(), 7);
  EXPECT_EQ(first.GetCommandId(), 13);
  EXPECT_EQ(first.GetText(), "Configure the device");
  EXPECT_EQ(first.GetVersion(), "1.5");
  EXPECT_EQ(first.GetManufacturerId(), "1048430");
  EXPECT_TRUE(first.GetDefault());
  EXPECT_EQ(apps.Item("configure (1)").GetCommandId(), 10000);
  EXPECT_EQ(ErrorNumberOf([&] { apps.Item(3); }), lns::kLnsNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { apps.Item("Configure (2)"); }), lns::kLnsNotFound);

  // Other places have their own entries.
  EXPECT_EQ(demo.System().GetComponentApps().Count(), 0);
  EXPECT_EQ(demo.Server().GetComponentApps().Count(), 0);
  lns::LnsComponentApps blockApps = qvrl206.GetInterface().GetLonMarkObjects().Item("SCC").GetComponentApps();
  blockApps.Add("Configure", "Other.PlugIn", 11);
  EXPECT_EQ(demo.Device("Floor 1", "Room 102")
                .GetInterface()
                .GetLonMarkObjects()
                .Item(7)
                .GetComponentApps()
                .Count(),
            1);
  EXPECT_EQ(
      demo.System().GetTemplateLibrary().GetDeviceTemplates().Item("qvrl207").GetComponentApps().Count(), 0);

  // Removing from the top keeps the lower positions; a removed entry is gone for its handles too.
  apps.Remove(2);
  apps.Remove("Configure");
  EXPECT_EQ(apps.Count(), 0);
  EXPECT_EQ(ErrorNumberOf([&] { first.GetName(); }), lns::kLnsNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { apps.Remove(1); }), lns::kLnsNotFound);
}

}  // namespace
