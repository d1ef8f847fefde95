#include "framework/ObjectPath.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PlugInFixture.h"
#include "platform/Error.h"

namespace framework_test {
namespace {

using qvr::FindObjectByClass;
using qvr::ObjectNamePart;
using qvr::ParseObjectName;

std::vector<std::string> Parts(const qvr::FrameworkState& state) {
  return {state.ObjectNameParts.begin(), state.ObjectNameParts.begin() + state.ObjectNamePartCount};
}

TEST(ObjectPath, ParsingStopsAtTheFirstEmptyPart) {
  qvr::FrameworkState state;
  EXPECT_EQ(ParseObjectName(state, "Net/Sub/Dev"), 3);
  EXPECT_EQ(Parts(state), (std::vector<std::string>{"Net", "Sub", "Dev"}));
  EXPECT_EQ(ParseObjectName(state, "/Net/Dev"), 0);
  EXPECT_EQ(state.ObjectNamePartCount, 0);
  EXPECT_EQ(ParseObjectName(state, "Net//Dev"), 1);
  EXPECT_EQ(Parts(state), (std::vector<std::string>{"Net"}));
  EXPECT_EQ(ParseObjectName(state, ""), 0);
  EXPECT_EQ(ParseObjectName(state, "Net/ "), 1) << "a blank last part is empty once trimmed";
}

TEST(ObjectPath, BlanksAroundASlashStayBeforeItAndGoAfterIt) {
  qvr::FrameworkState state;
  EXPECT_EQ(ParseObjectName(state, "  Net / Floor 1 /  Room 1  "), 3);
  EXPECT_EQ(Parts(state), (std::vector<std::string>{"  Net ", "Floor 1 ", "Room 1"}));
}

TEST(ObjectPath, AShorterPathLeavesTheLongerOnesLaterPartsUnread) {
  qvr::FrameworkState state;
  ParseObjectName(state, "A/B/C");
  ParseObjectName(state, "X");
  EXPECT_EQ(state.ObjectNamePartCount, 1);
  EXPECT_EQ(ObjectNamePart(state, 1, false), "X");
  EXPECT_EQ(ObjectNamePart(state, 2, false), "");
  EXPECT_EQ(ObjectNamePart(state, 0, false), "");
  EXPECT_EQ(ObjectNamePart(state, -1, true), "");
}

TEST(ObjectPath, StrippingKeepsWhatFollowsTheFirstColon) {
  qvr::FrameworkState state;
  ParseObjectName(state, "Sub:Floor 1/Sub:/Plain/a:b:c/Sub: Floor 2");
  EXPECT_EQ(ObjectNamePart(state, 1, true), "Floor 1");
  EXPECT_EQ(ObjectNamePart(state, 1, false), "Sub:Floor 1");
  EXPECT_EQ(ObjectNamePart(state, 2, true), "Sub:");
  EXPECT_EQ(ObjectNamePart(state, 3, true), "Plain");
  EXPECT_EQ(ObjectNamePart(state, 4, true), "b:c");
  EXPECT_EQ(ObjectNamePart(state, 5, true), "Floor 2");
}

TEST(ObjectPath, APathOfMorePartsThanTheCountHoldsIsRefused) {
  qvr::FrameworkState state;
  std::string path = "a";
  for (int part = 1; part < 32768; ++part) path += "/a";
  try {
    ParseObjectName(state, path);
    ADD_FAILURE() << "no error was raised";
  } catch (const platform::RaisedError& error) {
    EXPECT_EQ(error.Number(), 6);
  }
  EXPECT_EQ(state.ObjectNamePartCount, 32767);
}

class FindObjectByClassTest : public PlugInTest {
 protected:
  FindObjectByClassTest() { plugIn.SetNetworkName("Demo"); }

  std::optional<qvr::LnsObject> Find(const std::string& path, std::int16_t objectClass) {
    ParseObjectName(state, path);
    return FindObjectByClass(state, objectClass);
  }

  // The name of the object that `path` and `objectClass` lead to, "(none)" for no object, or the number
  // of items of a collection.
  std::string Found(const std::string& path, std::int16_t objectClass) {
    auto found = Find(path, objectClass);
    if (!found) return "(none)";
    return std::visit(
        [](const auto& object) -> std::string {
          using T = std::decay_t<decltype(object)>;
          if constexpr (requires { object.GetName(); }) {
            return std::string(object.GetName());
          } else if constexpr (requires { object.Count(); }) {
            return std::to_string(object.Count()) + " items";
          } else if constexpr (std::is_same_v<T, lns::LnsErrorObject>) {
            return "error " + std::to_string(object.GetNumber());
          } else if constexpr (std::is_same_v<T, lns::LnsRecoveryStatus>) {
            return "recovery status";
          } else {
            return "object";
          }
        },
        *found);
  }

  qvr::LNSPlugInAPI plugIn{program};
};

TEST_F(FindObjectByClassTest, ApplicationDevicesAreFoundByTheirLastTwoParts) {
  auto device = Find("Demo/Floor 1/Room 103", qvr::kClassAppDevice);
  ASSERT_TRUE(device && std::holds_alternative<lns::LnsAppDevice>(*device));
  EXPECT_EQ(std::get<lns::LnsAppDevice>(*device).GetName(), "Room 103");

  EXPECT_EQ(Found("Anything/Before/Floor 2/Room 202", 7), "Room 202");
  EXPECT_EQ(Found("Demo/Sub:Floor 2/Dev:Meter 1", 7), "Meter 1");
  EXPECT_EQ(Found("Floor 1/Room 101", 7), "Room 101") << "the network's part is not looked at";
  EXPECT_EQ(Found("Room 101", 7), "(none)");
  EXPECT_EQ(Found("Demo/Floor 2/Room 101", 7), "(none)");
  EXPECT_EQ(Found("Demo/Floor 1/Room 999", 7), "(none)");
  EXPECT_EQ(Found("Demo//Floor 1/Room 101", 7), "(none)");
}

TEST_F(FindObjectByClassTest, EveryClassWalksToItsOwnObject) {
  EXPECT_EQ(Found("Demo", qvr::kClassNetwork), "Demo");
  EXPECT_EQ(Found("", qvr::kClassNetworks), "1 items");
  EXPECT_EQ(Found("Demo", qvr::kClassSystem), "Demo");
  EXPECT_EQ(Found("Demo", qvr::kClassSystems), "1 items");
  EXPECT_EQ(Found("Demo/Floor 2", qvr::kClassSubsystem), "Floor 2");
  EXPECT_EQ(Found("Demo/Floor 2", qvr::kClassSubsystems), "0 items");
  EXPECT_EQ(Found("Demo/Floor 2", qvr::kClassAppDevices), "4 items");
  EXPECT_EQ(Found("Demo/Floor 1/Router 1", qvr::kClassRouter), "(none)");
  EXPECT_EQ(Found("Demo/Floor 1", qvr::kClassRouters), "0 items");
  EXPECT_EQ(Found("Demo/Channel 1", qvr::kClassChannel), "Channel 1");
  EXPECT_EQ(Found("Demo", qvr::kClassChannels), "1 items");
  EXPECT_EQ(Found("Demo", qvr::kClassConnections), "0 items");
  EXPECT_EQ(Found("Demo/Floor 1/Room 101/Interface", qvr::kClassInterface), "object");
  EXPECT_EQ(Found("Demo", qvr::kClassTemplateLibrary), "object");
  EXPECT_EQ(Found("Demo/Floor 1/Room 101/SCC", qvr::kClassLonMarkObject), "SCC");
  EXPECT_EQ(Found("Demo/Floor 2/Room 201/SCC", qvr::kClassLonMarkObject), "(none)");
  EXPECT_EQ(Found("Demo/Floor 1/Room 101", qvr::kClassLonMarkObjects), "8 items");
  EXPECT_EQ(Found("Demo/em210", qvr::kClassDeviceTemplate), "em210");
  EXPECT_EQ(Found("Demo", qvr::kClassDeviceTemplates), "5 items");
  EXPECT_EQ(Found("Demo/Network Service Device", qvr::kClassNetworkServiceDevice), "Network Service Device");
  EXPECT_EQ(Found("Demo", qvr::kClassNetworkServiceDevices), "1 items");
  EXPECT_EQ(Found("Demo", qvr::kClassHardwareTemplates), "0 items");
  EXPECT_EQ(Found("Demo", qvr::kClassBuildTemplates), "0 items");
  EXPECT_EQ(Found("Demo", qvr::kClassProgramTemplates), "0 items");
  EXPECT_EQ(Found("Demo", qvr::kClassConnectionDescriptionTemplates), "0 items");
  EXPECT_EQ(Found("Demo", qvr::kClassError), "error 0");
  EXPECT_EQ(Found("Demo", qvr::kClassRecoveryStatus), "recovery status");
}

TEST_F(FindObjectByClassTest, ClassesWithoutAWalkFindNothing) {
  for (std::int16_t objectClass :
       {0, 11, 14, 15, 20, 22, 23, 24, 25, 26, 27, 30, 31, 45, 46, 47, 48, 49, 50, 51, 53, -1, 1000}) {
    EXPECT_EQ(Found("Demo/Floor 1/Room 101", objectClass), "(none)") << objectClass;
  }
}

TEST_F(FindObjectByClassTest, NothingIsFoundWithoutAnOpenNetwork) {
  state.CurrentSystem.reset();
  state.CurrentNetwork.reset();
  EXPECT_EQ(Found("Demo/Floor 1/Room 101", 7), "(none)");
  EXPECT_EQ(Found("Demo", qvr::kClassNetwork), "(none)");
  Server().Close();
  EXPECT_EQ(Found("", qvr::kClassNetworks), "(none)");
}

}  // namespace
}  // namespace framework_test
