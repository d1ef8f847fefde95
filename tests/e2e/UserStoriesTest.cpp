// A user's stories end to end through the built `lns send`: edits marked and rebuilt, Apply reaching the
// device (retried when the device refuses), parameter files carried from one device to another,
// printing, and the plug-in's registration in a network.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LnsSendFixture.h"

namespace {

using e2e::ControlLine;

const std::string kRoom101 = "Floor 1/Room 101";
const std::string kRoom102 = "Floor 1/Room 102";
const std::string kRoom201 = "Floor 2/Room 201";
const std::string kHoldTime = "F:3/C:0:91";  // SCPTholdTime, row 2
const std::string kRegisteredApp = "Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI";

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
    ++count;
  return count;
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class UserStory : public e2e::LnsSendScript {
 protected:
  // The director's Configure for the demo device `path` ("Floor 1/Room 101") with the user's `actions`;
  // `extra` holds answers, files and the like. The snapshot taken at the end is kept in `snapshot`.
  e2e::ProgramRun Configure(const std::string& path, const std::vector<std::string>& actions,
                            const std::vector<std::string>& extra = {}) {
    std::vector<std::string> args = {"send", "Demo", "13", "7", "Demo/" + path};
    for (const std::string& action : actions) args.insert(args.end(), {"--do", action});
    args.insert(args.end(), extra.begin(), extra.end());
    const std::string file = (root.Path() / "snapshot.txt").string();
    args.insert(args.end(), {"--snapshot", file});
    const e2e::ProgramRun run = Lns(args);
    snapshot = e2e::ReadFile(file);
    return run;
  }
  bool Red(const std::string& control) const { return Has(ControlLine(snapshot, control), " fore=255 "); }
  std::string Text(const std::string& control) const {
    const std::string line = ControlLine(snapshot, control);
    const std::size_t start = line.find(" text=\"");
    if (start == std::string::npos) return "(no text)";
    return line.substr(start + 7, line.find('"', start + 7) - start - 7);
  }
  bool ApplyEnabled() const { return Has(ControlLine(snapshot, "cmdApply"), " enabled=1 "); }
  std::string HoldTimeOn(const std::string& path) { return Lns({"cp", "get", "Demo", path, kHoldTime}).out; }
  std::string File(const std::string& name) const { return (root.Path() / name).string(); }

  std::string snapshot;
};

TEST_F(UserStory, SubFieldsRebuildTheirRowsOnBothModelsWithEitherDecimalSeparator) {
  auto run = Configure(kRoom101, {"set txtNci(80) 55.5", "set txtNci(70) 21.555"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Text("txtNci(0)"), "55.5 1");
  EXPECT_TRUE(Red("txtNci(0)")) << snapshot;
  // The device keeps hundredths of a set point.
  EXPECT_EQ(Text("txtNci(49)"), "21.56,25.00,28.00,21.00,19.00,16.00");
  EXPECT_TRUE(Red("txtNci(49)"));
  EXPECT_TRUE(ApplyEnabled());

  ASSERT_EQ(Lns({"reg", "set", "HKCU", "Control Panel\\International", "sDecimal", ","}).code, 0);
  run = Configure(kRoom201, {"type txtNci(4) 5", "set txtNci(80) 55,5"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Text("txtNci(4)"), "0,05");
  EXPECT_TRUE(Red("txtNci(4)")) << snapshot;
  EXPECT_EQ(Text("txtNci(0)"), "55,5 1");
  EXPECT_TRUE(Red("txtNci(0)"));
  EXPECT_FALSE(Red("txtNci(81)")) << "the part not edited keeps its colour";
  EXPECT_TRUE(ApplyEnabled());
}

TEST_F(UserStory, AnAppliedValueReachesTheDeviceAndTheLog) {
  const auto run = Configure(kRoom101, {"set txtNci(2) 450", "click cmdApply"}, {"--answer", "yes"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(HoldTimeOn(kRoom101), "450.0\n");
  EXPECT_EQ(HoldTimeOn(kRoom102), "600.0\n") << "only the current device is written";
  EXPECT_TRUE(Has(snapshot,
                  "box text=\"Transmit parameters to the current Device ?\" title=\" ! No Device "
                  "selected !\" style=4 answer=yes\n"))
      << snapshot;
  EXPECT_TRUE(Has(snapshot, "  line text=\"Floor 1 : Room 101: SCPTholdTime = 450.0\"\n")) << snapshot;
  EXPECT_EQ(Text("txtNci(2)"), "450.0");
  EXPECT_FALSE(Red("txtNci(2)"));
  EXPECT_FALSE(ApplyEnabled());
}

TEST_F(UserStory, RefusedWritesAreRepeatedThenTheUserRetriesOrAborts) {
  const std::string refused = "Room 101 refused the write of the configuration property SCPTholdTime";
  const std::string box = "box text=\"Error updating \\r\\n" + refused + " in cmdApply(fMain)\"";
  // Six refusals: the first write and five repeats, then the box.
  ASSERT_EQ(Lns({"device", "fault", "Demo", kRoom101, "refuse-writes", "6"}).code, 0);
  auto run =
      Configure(kRoom101, {"set txtNci(2) 450", "click cmdApply"}, {"--answer", "yes", "--answer", "retry"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Count(snapshot, "  error text=\"" + refused + "  repeating...\"\n"), 5u) << snapshot;
  EXPECT_EQ(Count(snapshot, "  error text=\"" + refused + "\"\n"), 1u) << snapshot;
  EXPECT_TRUE(Has(snapshot, box + " title=\"fMain cmdApply_Click\" style=66 answer=retry\n")) << snapshot;
  EXPECT_TRUE(Has(snapshot, "  line text=\"Floor 1 : Room 101: SCPTholdTime = 450.0\"\n")) << snapshot;
  EXPECT_EQ(HoldTimeOn(kRoom101), "450.0\n");

  ASSERT_EQ(Lns({"device", "fault", "Demo", kRoom101, "refuse-writes", "6"}).code, 0);
  run =
      Configure(kRoom101, {"set txtNci(2) 300", "click cmdApply"}, {"--answer", "yes", "--answer", "abort"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_TRUE(Has(snapshot, box + " title=\"fMain cmdApply_Click\" style=66 answer=abort\n")) << snapshot;
  EXPECT_EQ(HoldTimeOn(kRoom101), "450.0\n");
  EXPECT_TRUE(Red("txtNci(2)")) << "the value not written stays marked";
}

// Values typed into boxes with choices: each choice moves to what the text stands for. A text that is a
// value of that entry stays as typed and Apply writes it; any other gets the entry's own text, in property
// and input boxes alike, so that box and choice show one value and Apply writes it.
TEST_F(UserStory, ABoxAndItsChoiceShowTheValueThatApplyWrites) {
  // The switch's first digit replaces its text, the rest is typed key by key.
  std::vector<std::string> actions = {"set txtNci(36) 5 7 0 0", "set txtNci(28) SET_ON 75.0 0.00",
                                      "set txtNvi(4) 5", "type txtNvi(4) 0.0 1"};
  auto run = Configure(kRoom101, actions);
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Text("txtNci(36)"), "5 7 0 0") << "any digit but 0 is a breaking contact";
  EXPECT_TRUE(Has(ControlLine(snapshot, "cmb_nci(36)"), " listindex=1 ")) << snapshot;
  EXPECT_TRUE(Has(ControlLine(snapshot, "cmb_nci(37)"), " listindex=-1 ")) << "no function is digit 5";
  EXPECT_EQ(Text("txtNci(28)"), "SET_ON 75.0 0.00");
  EXPECT_EQ(Text("txtNvi(4)"), "50.0 1");
  EXPECT_TRUE(Has(ControlLine(snapshot, "cmb_nvi(4)"), " listindex=0 ")) << "on";

  actions.insert(actions.end(), {"set txtNci(54) HVAC_HEAT 1 2", "set txtNvi(20) HVAC_HEAT 1 2",
                                 "set txtNvi(5) 0,00 0", "click cmdApply"});
  run = Configure(kRoom101, actions, {"--answer", "yes"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_FALSE(Has(snapshot, "Error updating")) << snapshot;
  for (const char* line :
       {"SCPThvacMode = HVAC_HEAT", "UCPTdiConfig = 5 7 0 0", "SCPTpowerupState = SET_ON 75.0 0.00",
        " nviOsExtOccup = 50.0 1", " nviOsSensitivity = 0.0 0", " nviApplicMode = HVAC_HEAT"}) {
    EXPECT_TRUE(Has(snapshot, "  line text=\"Floor 1 : Room 101: " + std::string(line) + "\"\n"))
        << line << snapshot;
  }
  EXPECT_EQ(Text("txtNvi(5)"), "0.0 0");
  EXPECT_TRUE(Has(ControlLine(snapshot, "cmb_nvi(5)"), " listindex=1 ")) << "off, as written";
}

// A setting pasted with a leading blank shows the function the device reads, and a setting typed afterwards
// keeps it; an emptied number box takes the keys typed next in place of its 0.
TEST_F(UserStory, ASettingAndANumberAreWrittenAsTheUserTypedThem) {
  const auto run =
      Configure(kRoom101,
                {"set txtNvi(8)  SET_ON 25.0 0.00", "set txtnviset(8) 30", "focus txtNvi(9)",
                 "set txtNci(3) ", "key txtNci(3) 1", "key txtNci(3) 3", "key txtNci(3) 0", "click cmdApply"},
                {"--answer", "yes"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_FALSE(Has(snapshot, "Error updating")) << snapshot;
  for (const char* line : {" nviLcSetting_1 = SET_ON 30.0 0.00", "SCPTmaxSendTime = 130.0"}) {
    EXPECT_TRUE(Has(snapshot, "  line text=\"Floor 1 : Room 101: " + std::string(line) + "\"\n"))
        << line << snapshot;
  }
  EXPECT_TRUE(Has(ControlLine(snapshot, "cmb_nvi(8)"), " listindex=0 ")) << "SET_ON";
}

// A director opens Room 102 while the user, on Room 101's window with a value typed, clicks Apply: the
// window takes the click only once Room 102 is open, where nothing is left to apply, and writes nothing.
TEST_F(UserStory, AClickWhileADirectorOpensAnotherDeviceWaitsUntilItIsOpen) {
  std::vector<std::string> actions = {"set txtNci(2) 450", "send 13 7 Demo/" + kRoom102};
  // The click comes a few window events into the command, while Room 102's resource files are looked up.
  for (int event = 0; event < 5; ++event) actions.push_back("snapshot " + File("during.txt"));
  actions.push_back("click cmdApply");
  const auto run = Configure(kRoom101, actions, {"--answer", "yes"});
  EXPECT_EQ(run.err, "lns send: cannot click cmdApply: cmdApply is disabled\n");
  EXPECT_EQ(HoldTimeOn(kRoom102), "600.0\n") << "Room 101's edit never reaches Room 102";
  EXPECT_EQ(HoldTimeOn(kRoom101), "600.0\n");
}

TEST_F(UserStory, AParameterFileCarriesOneDevicesValuesToAnother) {
  ASSERT_EQ(Lns({"cp", "set", "Demo", kRoom101, kHoldTime, "450.0"}).code, 0);
  const std::string saved = File("room101.par");
  auto run = Configure(kRoom101, {"click mnuParameter_speichern"}, {"--file", saved});
  ASSERT_EQ(run.code, 0) << run.err;

  run = Configure(kRoom102, {"click mnuParameter_laden"}, {"--file", saved});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(Text("txtNci(2)"), "450.0");
  EXPECT_TRUE(Red("txtNci(2)")) << snapshot;
  EXPECT_FALSE(Red("txtNci(3)")) << "a value the device holds already is not marked";
  EXPECT_TRUE(ApplyEnabled());
  EXPECT_EQ(HoldTimeOn(kRoom102), "600.0\n") << "loading writes nothing";

  // Applied and saved again, the second device gives the same file.
  run = Configure(kRoom102, {"click mnuParameter_laden", "click cmdApply", "click mnuParameter_speichern"},
                  {"--file", saved, "--answer", "yes", "--file", File("room102.par")});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(HoldTimeOn(kRoom102), "450.0\n");
  const std::string original = e2e::ReadFile(saved);
  EXPECT_FALSE(original.empty());
  EXPECT_EQ(e2e::ReadFile(File("room102.par")), original);
}

TEST_F(UserStory, PrintsTheChosenSectionsOfBothModels) {
  const std::string smaller = File("room201.txt");
  auto run = Configure(kRoom201,
                       {"click mnuDrucken", "click fDruckmenue.chknci", "click fDruckmenue.chknvo",
                        "click fDruckmenue.cmdDruck"},
                       {"--printer", "Office", "--print", smaller});
  ASSERT_EQ(run.code, 0) << run.err;
  std::string text = e2e::ReadFile(smaller);
  EXPECT_TRUE(Has(text, "\n                         Room 201\n")) << text;
  EXPECT_TRUE(Has(text, "       Subsystem       Floor 2\n")) << text;
  EXPECT_TRUE(Has(text, "\n                             Configuration Parameters\n")) << text;
  EXPECT_TRUE(Has(text, "\n         LightController[1]        UCPTlightRatio                1000/100\n"))
      << text;
  EXPECT_TRUE(Has(text, "\n                             nvo's\n")) << text;
  EXPECT_TRUE(Has(text, "\n         OccupSensor               nvoOsOccup                    OC_UNOCCUPIED\n"))
      << text;
  EXPECT_FALSE(Has(text, "nvi's")) << "a section not chosen is not printed";
  EXPECT_TRUE(Has(text, "\f\n")) << "the outputs begin a page of their own";

  const std::string larger = File("room101.txt");
  run = Configure(kRoom101, {"click mnuDrucken", "click fDruckmenue.chknci", "click fDruckmenue.cmdDruck"},
                  {"--printer", "Office", "--print", larger});
  ASSERT_EQ(run.code, 0) << run.err;
  text = e2e::ReadFile(larger);
  EXPECT_TRUE(Has(text, "\n                         Room 101\n")) << text;
  EXPECT_TRUE(Has(text,
                  "\n         SCC                       SCPTsetPnts                   "
                  "23.00,25.00,28.00,21.00,19.00,16.00\n"))
      << text;
  EXPECT_TRUE(Has(text, "\n         SCC                       SCPThvacMode                  HVAC_AUTO\n"))
      << text;
  EXPECT_FALSE(Has(text, "nvo's")) << text;
}

TEST_F(UserStory, TheDirectorRegistersThePlugInInANetworkOnceAndRemovesIt) {
  const std::string configure = "\tConfigure\t" + kRegisteredApp + "\t13\t7\tdefault\t";
  ASSERT_FALSE(Has(Lns({"apps", "Demo"}).out, kRegisteredApp));
  const std::vector<std::string> registration = {"send",     "Demo",     "50",       "7",        "Demo",
                                                 "--answer", "ok",       "--answer", "ok",       "--answer",
                                                 "ok",       "--answer", "ok",       "--answer", "yes"};
  for (int time = 0; time < 2; ++time) {
    std::vector<std::string> args = registration;
    args.insert(args.end(), {"--snapshot", File("registered.txt")});
    const auto run = Lns(args);
    ASSERT_EQ(run.code, 0) << run.err;
    const std::string boxes = e2e::ReadFile(File("registered.txt"));
    EXPECT_EQ(Count(boxes,
                    "box text=\"Plug-In installation successful. To finish installation please start the "
                    "network-managment-tool again!\" title=\"Calyxtern_qvr_lon_PlugIn\" style=0 answer=ok\n"),
              4u)
        << boxes;
    EXPECT_EQ(Count(boxes,
                    "box text=\"Do you wish to make Configure the default action for qvrl105 devices?\" "
                    "title=\"Calyxtern_qvr_lon_PlugIn\" style=36 answer=yes\n"),
              1u)
        << boxes;
    const std::string apps = Lns({"apps", "Demo"}).out;
    EXPECT_EQ(Count(apps, kRegisteredApp), 8u)
        << "two commands for each of four templates, registration " << time << ":\n"
        << apps;
    for (const std::string model : {"qvrl105", "qvrl106", "qvrl206", "qvrl207"})
      EXPECT_TRUE(Has(apps, "template " + model + configure)) << apps;
  }
  EXPECT_EQ(Count(Lns({"templates", "Demo"}).out, "\n"), 5u) << "the templates were found, not added";

  const auto run = Lns({"send", "Demo", "51", "7", "Demo"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_FALSE(Has(Lns({"apps", "Demo"}).out, kRegisteredApp));
}

// A device in a nested subsystem opens by its whole path and takes what Apply writes, beside a top-level
// subsystem of the same name with a device of the same name; the shorter path forms still open a device of
// a top-level subsystem.
TEST_F(UserStory, ADeviceInANestedSubsystemOpensByItsPathAndTakesTheAppliedValue) {
  const std::string nested = "Floor 1/Wing A/Room 111";
  for (const std::string& path :
       {nested, std::string("Wing A/Room 111"), std::string("Floor 1/Wing A/Room 112")}) {
    const auto added = Lns({"device", "add", "Demo", path, "qvrl206"});
    ASSERT_EQ(added.code, 0) << path << ": " << added.err;
  }
  EXPECT_TRUE(Has(Lns({"devices", "Demo"}).out, "\nFloor 1/Wing A\tRoom 112\t"));
  EXPECT_EQ(Lns({"device", "add", "Demo", nested, "qvrl206"}).code, 1) << "the name is taken";

  const auto run = Configure(nested, {"set txtNci(2) 450", "click cmdApply"}, {"--answer", "yes"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "device: Room 111\n");
  EXPECT_EQ(HoldTimeOn(nested), "450.0\n");
  EXPECT_EQ(HoldTimeOn("Wing A/Room 111"), "600.0\n") << "the top-level namesake was written";

  for (const std::string path :
       {"Demo/Floor 1/Wing A/Room 112", "A/B/Floor 1/Room 101", "Floor 1/Room 101"}) {
    const auto opened = Lns({"send", "Demo", "13", "7", path});
    EXPECT_EQ(opened.out, "device: " + path.substr(path.rfind('/') + 1) + "\n") << path << ": " << opened.err;
  }
}

}  // namespace
