// A device opened after another shows only what was read from it: a device that does not answer, an
// offline device, a choice outside its list and another maker's device show empty boxes and choices, never
// the values of the device before.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "LnsSendFixture.h"

namespace {

using e2e::ControlLine;

const std::string kRoom101 = "Floor 1/Room 101";
const std::string kRoom102 = "Floor 1/Room 102";
const std::string kMeter = "Floor 2/Meter 1";    // another maker's device
const std::string kHvacMode = "N:25/C:0:74";     // SCPThvacMode, row 54
const std::string kDigitalInput = "F:7/C:3:44";  // UCPTdiConfig, row 36

// The boxes of Room 101's distinct values: light level and room temperature (outputs), lux set point (input).
const std::vector<std::string> kNvBoxes = {"txtNvo(4)", "txtNvo(9)", "txtNvi(9)", "txtnviset(3)"};

class FailedReads : public e2e::LnsSendScript {
 protected:
  FailedReads() {
    Set("nv", kRoom101, "3", "432");     // nvoLsLuxLevel
    Set("nv", kRoom101, "34", "23.45");  // nvoSpaceTemp
    Set("nv", kRoom101, "20", "650");    // nviLuxSetpoint_1
    Set("nv", kRoom101, "11", "SET_ON 50.0 0.00");
    Set("cp", kRoom101, kHvacMode, "HVAC_HEAT");
    Set("cp", kRoom101, kDigitalInput, "2 0 0 0");
  }
  void Set(const std::string& kind, const std::string& path, const std::string& address,
           const std::string& value) {
    const auto run = Lns({kind, "set", "Demo", path, address, value});
    ASSERT_EQ(run.code, 0) << run.err;
  }
  // The director's Configure for `path` and, with `next`, then for `next` on the same window.
  std::string Snapshot(const std::string& path, const std::string& next = {}) {
    const std::string file = (root.Path() / "snapshot.txt").string();
    std::vector<std::string> args = {"send", "Demo", "13", "7", "Demo/" + path, "--snapshot", file};
    if (!next.empty()) args.insert(args.end(), {"--do", "send 13 7 Demo/" + next});
    const auto run = Lns(args);
    EXPECT_EQ(run.code, 0) << run.err;
    return e2e::ReadFile(file);
  }
};

bool Empty(const std::string& snapshot, const std::string& control) {
  return ControlLine(snapshot, control).find(" text=\"\" ") != std::string::npos;
}

// The lines of the controls that show a device's values (the choices with their lists), of the status bar
// and of the tabs.
std::string ValueLines(const std::string& snapshot) {
  std::istringstream lines(snapshot);
  std::string kept;
  for (std::string line; std::getline(lines, line);) {
    for (const char* prefix : {"txtN", "txtnviset(", "cmb_nci(", "cmb_nvi(", "PlugInStatus ", "tabData "}) {
      if (line.rfind(prefix, 0) == 0) kept += line + "\n";
    }
  }
  return kept;
}

TEST_F(FailedReads, NoValueOfThePreviousDeviceIsShownAsTheOpenedDevices) {
  const std::string room101 = Snapshot(kRoom101);
  for (const std::string& box : kNvBoxes) EXPECT_FALSE(Empty(room101, box)) << box;

  // Listed online, but it does not answer; its properties hold values outside their choices.
  Set("cp", kRoom102, kHvacMode, "HVAC_FAN_ONLY");
  Set("cp", kRoom102, kDigitalInput, "5 0 0 0");
  ASSERT_EQ(Lns({"device", "fault", "Demo", kRoom102, "timeout"}).code, 0);
  std::string snapshot = Snapshot(kRoom101, kRoom102);
  EXPECT_NE(ControlLine(snapshot, "PlugInStatus").find("\"Room 102\""), std::string::npos) << snapshot;
  for (const std::string& box : kNvBoxes) EXPECT_TRUE(Empty(snapshot, box)) << ControlLine(snapshot, box);
  EXPECT_TRUE(Empty(snapshot, "cmb_nci(54)")) << ControlLine(snapshot, "cmb_nci(54)");
  EXPECT_TRUE(Empty(snapshot, "cmb_nci(37)")) << ControlLine(snapshot, "cmb_nci(37)");

  snapshot = Snapshot(kRoom101, "Floor 1/Room 103");  // Cnfg Offline
  for (const std::string& box : kNvBoxes) EXPECT_TRUE(Empty(snapshot, box)) << ControlLine(snapshot, box);
  EXPECT_TRUE(Empty(snapshot, "cmb_nvi(3)"));

  // Another maker's device looks as it does when opened first: no message box, no family, no values.
  const std::string meterAlone = ValueLines(Snapshot(kMeter));
  snapshot = Snapshot(kRoom101, kMeter);
  EXPECT_EQ(snapshot.find("\nbox "), std::string::npos) << snapshot;
  EXPECT_EQ(ValueLines(snapshot), meterAlone);
  EXPECT_EQ(ValueLines(Snapshot("Floor 2/Room 201", kMeter)), meterAlone) << "after the smaller family too";
}

}  // namespace
