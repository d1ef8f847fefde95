// The main window as it loads: every control of its layout on its tab, with its design texts and lists in
// German and the English texts put on it, the spin buttons' bounds, and a layout in which nothing on a
// tab page overlaps and everything fits its container.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ProgramFixture.h"
#include "mainwindow/fMain.h"
#include "platform/ui/Snapshot.h"

namespace {

// One control line of the snapshot: its kind and its key=value fields as written (texts quoted).
struct ControlLine {
  std::string kind;
  std::vector<std::pair<std::string, std::string>> fields;

  // The value of the first field `key` (the tab control writes "tab" twice: its page, then the current
  // tab; `occurrence` 1 gives the second).
  std::string Get(const std::string& key, int occurrence = 0) const {
    for (const auto& [name, value] : fields) {
      if (name == key && occurrence-- == 0) return value;
    }
    return "<no " + key + ">";
  }
};

// Reads a value that starts at `at`: a quoted text, a bracketed list or a plain word.
std::string ReadValue(const std::string& line, std::size_t& at) {
  const std::size_t start = at;
  bool quoted = false;
  int depth = 0;
  for (; at < line.size(); ++at) {
    const char c = line[at];
    if (quoted) {
      if (c == '\\')
        ++at;
      else if (c == '"')
        quoted = false;
      if (!quoted && depth == 0) {
        ++at;
        break;
      }
      continue;
    }
    if (c == '"')
      quoted = true;
    else if (c == '[')
      ++depth;
    else if (c == ']' && --depth == 0) {
      ++at;
      break;
    } else if (c == ' ' && depth == 0)
      break;
  }
  return line.substr(start, at - start);
}

std::map<std::string, ControlLine> ParseControls(const std::string& snapshot) {
  std::map<std::string, ControlLine> controls;
  std::size_t begin = 0;
  while (begin < snapshot.size()) {
    const std::size_t end = snapshot.find('\n', begin);
    const std::string line = snapshot.substr(begin, end - begin);
    begin = end + 1;
    if (line.rfind("form ", 0) == 0 || line.rfind(" ", 0) == 0) continue;  // the form, sub-lines
    const std::size_t nameEnd = line.find(' ');
    const std::size_t kindEnd = line.find(' ', nameEnd + 1);
    ControlLine& control = controls[line.substr(0, nameEnd)];
    control.kind = line.substr(nameEnd + 1, kindEnd - nameEnd - 1);
    for (std::size_t at = kindEnd + 1; at < line.size(); ++at) {
      const std::size_t equals = line.find('=', at);
      std::string key = line.substr(at, equals - at);
      at = equals + 1;
      control.fields.emplace_back(std::move(key), ReadValue(line, at));
    }
  }
  return controls;
}

std::string Quoted(const std::string& text) {
  return ui::Quote(text);
}
std::string ListOf(const std::vector<std::string>& items) {
  std::string list = "[";
  for (const std::string& item : items) list += (list.size() > 1 ? "," : "") + ui::Quote(item);
  return list + "]";
}

std::vector<int> Range(int first, int last) {
  std::vector<int> indexes;
  for (int index = first; index <= last; ++index) indexes.push_back(index);
  return indexes;
}
std::vector<int> Join(std::vector<std::vector<int>> parts) {
  std::vector<int> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// The controls that each tab holds, by array name.
using TabContents = std::map<std::string, std::vector<int>>;
const std::vector<TabContents> kTabs = {
    {{"txtNci", {4, 5, 6}},
     {"txtNvi", {4, 5}},
     {"txtNvo", {2, 3}},
     {"cmb_nci", {6}},
     {"cmb_nvi", {4, 5}},
     {"UpD_nci", {4, 5}}},
    {{"txtNci", {0, 1, 2, 3, 80, 81, 82, 83}},
     {"txtNvi", {0, 1, 2, 3}},
     {"txtNvo", {0, 1}},
     {"cmb_nvi", {1, 2, 3}},
     {"txtnviset", {3}},
     {"UpD_nci", {2, 3, 80, 81, 82, 83}}},
    {{"txtNci", {7, 8, 9, 10}}, {"txtNvo", {4}}, {"UpD_nci", {7, 8, 9, 10}}},
    {{"txtNci", Join({Range(11, 21), {90, 91}})},
     {"txtNvi", Range(6, 9)},
     {"txtNvo", {5}},
     {"cmb_nci", {0, 17, 19}},
     {"cmb_nvi", {8}},
     {"txtnviset", {8}},
     {"UpD_nci", Join({Range(11, 16), {18, 20, 90, 91}})},
     {"UpD_nvi", {8}}},
    {{"txtNci", Join({Range(22, 32), {92, 93}})},
     {"txtNvi", Range(10, 13)},
     {"txtNvo", {6}},
     {"cmb_nci", {1, 28, 30}},
     {"cmb_nvi", {12}},
     {"txtnviset", {12}},
     {"UpD_nci", Join({Range(22, 27), {29, 31, 92, 93}})},
     {"UpD_nvi", {12}}},
    {{"txtNci", Range(33, 36)},
     {"txtNvi", {14}},
     {"txtNvo", {7, 8}},
     {"cmb_nci", {36, 37}},
     {"UpD_nci", {33, 34, 35}}},
    {{"txtNvi", Range(15, 24)},
     {"txtNvo", Range(9, 19)},
     {"cmb_nvi", Range(20, 24)},
     {"cmd_Nvi_Reset", Range(16, 19)}},
    {{"txtNci", Join({Range(37, 55), Range(70, 75)})},
     {"cmb_nci", {50, 54}},
     {"UpD_nci", Join({Range(37, 48), Range(51, 53), {55}, Range(70, 75)})}},
};

std::string Element(const std::string& array, int index) {
  return array + "(" + std::to_string(index) + ")";
}

class fMainDesignTest : public ::testing::Test {
 protected:
  testsupport::ProgramFixture fixture;

  // Loads the main window in `language` and returns its snapshot's controls.
  std::map<std::string, ControlLine> Load(const std::string& language) {
    fixture.SetLanguage(language);
    return ParseControls(ui::Snapshot(fixture.program().fMain()));
  }
};

TEST_F(fMainDesignTest, EveryControlOfTheLayoutStandsOnItsTabAndNoOtherExists) {
  const auto controls = Load("english");

  const ControlLine& tabs = controls.at("tabData");
  EXPECT_EQ(tabs.Get("tabs"), ListOf({"Occup Sensor", "Occup Ctrl", "Light Sensor", "Ligth Ctrl1",
                                      "Light Ctrl2", "Digital Input", "SCC Monitor", "SCC Config"}));
  EXPECT_EQ(tabs.Get("shown"), "\"11111111\"");
  EXPECT_EQ(tabs.Get("tab", 1), "0");

  std::map<std::string, std::set<std::string>> expected;  // array -> its elements, over all tabs
  for (int tab = 0; tab < static_cast<int>(kTabs.size()); ++tab) {
    const std::string page = "tabData/" + std::to_string(tab);
    EXPECT_EQ(controls.at(Element("fraBlock", tab)).Get("in"), page);
    for (const auto& [array, indexes] : kTabs[static_cast<std::size_t>(tab)]) {
      for (int index : indexes) {
        const std::string name = Element(array, index);
        expected[array].insert(name);
        ASSERT_TRUE(controls.count(name)) << name;
        EXPECT_EQ(controls.at(name).Get("tab"), page) << name;
      }
    }
  }
  for (const auto& [array, names] : expected) {
    std::set<std::string> present;
    for (const auto& [name, line] : controls)
      if (name.rfind(array + "(", 0) == 0) present.insert(name);
    EXPECT_EQ(present, names) << array;
  }
  EXPECT_EQ(expected["UpD_nci"].size(), 57u);

  EXPECT_EQ(controls.at("fraSccInner").Get("in"), "fraBlock(7)");
  for (int row : {40, 41, 42, 46, 47, 48}) {
    EXPECT_EQ(controls.at(Element("txtNci", row)).Get("in"), "fraSccInner") << row;
    EXPECT_EQ(controls.at(Element("UpD_nci", row)).Get("in"), "fraSccInner") << row;
  }
  EXPECT_EQ(controls.at("txtNci(49)").Get("in"), "fraBlock(7)");

  for (const char* single : {"PlugInStatus", "RTHinweis", "EchLog", "chkMonitor", "txtPoll", "cmd_Poll_ok",
                             "cmdGerAuswahl", "cmdApply", "cmdCancel", "Timer", "Timer2", "lblPolling"}) {
    ASSERT_TRUE(controls.count(single)) << single;
    EXPECT_EQ(controls.at(single).Get("in"), "form") << single;
  }
}

TEST_F(fMainDesignTest, EveryValueBoxHasItsDataPointsNameBesideIt) {
  const auto controls = Load("english");
  for (const auto& [box, label] : std::vector<std::pair<std::string, std::string>>{
           {"txtNci", "lblNci"}, {"txtNvi", "lblNvi"}, {"txtNvo", "lblNvo"}}) {
    for (const auto& [name, line] : controls) {
      if (name.rfind(box + "(", 0) != 0) continue;
      const std::string labelName = label + name.substr(box.size());
      ASSERT_TRUE(controls.count(labelName)) << name;
      EXPECT_EQ(controls.at(labelName).Get("tab"), line.Get("tab")) << labelName;
      EXPECT_NE(controls.at(labelName).Get("caption"), "\"\"") << labelName;
    }
  }
  const std::map<std::string, std::string> names = {
      {"lblNci(0)", "SCPTprimeVal"},     {"lblNci(3)", "SCPTmaxSendTime"}, {"lblNci(21)", "UCPTlightRatio"},
      {"lblNci(36)", "UCPTdiConfig"},    {"lblNci(49)", "SCPTsetPnts"},    {"lblNci(55)", "UCPTspAntiFreez"},
      {"lblNvi(0)", "nviOcManOverride"}, {"lblNvi(12)", "nviLcSetting_2"}, {"lblNvi(24)", "nviDewPtSensor"},
      {"lblNvo(4)", "nvoLsLuxLevel"},    {"lblNvo(10)", "nvoUnitStatus"},  {"lblNvo(19)", "nvoDewPtSensor"},
  };
  for (const auto& [label, caption] : names)
    EXPECT_EQ(controls.at(label).Get("caption"), Quoted(caption)) << label;
}

TEST_F(fMainDesignTest, SpinButtonsHoldTheirDesignBounds) {
  const auto controls = Load("english");
  struct Bounds {
    std::vector<int> boxes;
    int min, max;
  };
  const std::vector<Bounds> bounds = {
      {{2, 3, 4, 5, 8, 9, 12, 13, 14, 23, 24, 25, 34, 52}, 0, 6500},
      {{7, 11, 22, 90, 91, 92, 93}, 0, 1000},
      {{10, 15, 26, 16, 27, 18, 29, 35, 20, 31, 33, 40, 41, 42, 46, 47, 48, 80, 82}, 0, 100},
      {{81, 83}, 0, 1},
      {{38, 39, 44, 45}, 0, 6553},
      {{37, 43}, 0, 10},
      {{51}, -20, 20},
      {{53}, 0, 500},
      {{55}, 0, 20},
      {Range(70, 75), 10, 35},
  };
  std::size_t checked = 0;
  for (const Bounds& entry : bounds) {
    for (int box : entry.boxes) {
      const ControlLine& spin = controls.at(Element("UpD_nci", box));
      EXPECT_EQ(spin.Get("min"), std::to_string(entry.min)) << box;
      EXPECT_EQ(spin.Get("max"), std::to_string(entry.max)) << box;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 57u);
  for (int box : {8, 12}) {
    EXPECT_EQ(controls.at(Element("UpD_nvi", box)).Get("min"), "0");
    EXPECT_EQ(controls.at(Element("UpD_nvi", box)).Get("max"), "100");
  }
}

// The lists that read the same in both languages: the design lists the window's texts leave alone, and
// the lists both languages set alike.
void ExpectListsOfBothLanguages(const std::map<std::string, ControlLine>& controls) {
  const std::vector<std::string> occupancy = {"OC_NUL", "OC_OCCUPIED", "OC_UNOCCUPIED"};
  const std::vector<std::string> setting = {"SET_ON", "SET_OFF", "SET_UP", "SET_DOWN"};
  const std::vector<std::string> hvac = {"HVAC_AUTO", "HVAC_HEAT", "HVAC_COOL", "HVAC_OFF"};
  const std::vector<std::string> options = {"CLC, start maxOut", "CLC, start 0%", "ON/OFF LC", "OFF LC"};
  const std::map<std::string, std::vector<std::string>> lists = {
      {"cmb_nvi(1)", occupancy},
      {"cmb_nvi(2)", occupancy},
      {"cmb_nvi(22)", occupancy},
      {"cmb_nvi(21)", {"OC_NUL", "OC_OCCUPIED", "OC_STANDBY", "OC_UNOCCUPIED"}},
      {"cmb_nvi(3)", {"SET_ON", "SET_OFF"}},
      {"cmb_nvi(4)", {"100.0 1", "0.0 0"}},
      {"cmb_nvi(8)", setting},
      {"cmb_nvi(12)", setting},
      {"cmb_nvi(20)", hvac},
      {"cmb_nvi(23)", {}},
      {"cmb_nvi(24)", {}},
      {"cmb_nci(0)", {"Manuel", "nviLcSetting = Set_OFF"}},
      {"cmb_nci(1)", {"Manuel", "nviLcSetting = Set_OFF"}},
      {"cmb_nci(17)", {"SET_OFF", "SET_ON"}},
      {"cmb_nci(28)", {"SET_OFF", "SET_ON"}},
      {"cmb_nci(50)", {"1", "2"}},
      {"cmb_nci(6)", {"Off", "On"}},
      {"cmb_nci(19)", options},
      {"cmb_nci(30)", options},
      {"cmb_nci(54)", hvac},
  };
  for (const auto& [combo, items] : lists) {
    EXPECT_EQ(controls.at(combo).Get("list"), ListOf(items)) << combo;
    EXPECT_EQ(controls.at(combo).Get("enabled"), "1") << combo;
  }
}

void ExpectTextsOfBothLanguages(const std::map<std::string, ControlLine>& controls) {
  EXPECT_EQ(controls.at("txtPoll").Get("text"), "\"5\"");
  EXPECT_EQ(controls.at("cmd_Poll_ok").Get("caption"), "\"Ok\"");
  EXPECT_EQ(controls.at("cmd_Poll_ok").Get("visible"), "0") << "shown only once the interval is changed";
  EXPECT_EQ(controls.at("chkMonitor").Get("value"), "0");
  for (const char* button : {"cmdApply", "cmdCancel"}) EXPECT_EQ(controls.at(button).Get("enabled"), "0");
  for (const char* timer : {"Timer", "Timer2"}) {
    EXPECT_EQ(controls.at(timer).Get("interval"), "250");
    EXPECT_EQ(controls.at(timer).Get("enabled"), "0");
  }
  for (int reset : Range(16, 19))
    EXPECT_EQ(controls.at(Element("cmd_Nvi_Reset", reset)).Get("caption"), "\"Reset\"");
  EXPECT_EQ(controls.at("PlugInStatus").Get("panels"), ListOf({"", "", "", "", ""}));
  const std::map<std::string, std::string> menus = {
      {"mnuClearLog", "Clear Log"}, {"mnuSaveLog", "&Save Log"}, {"mnuSaveLogAs", "Save Log &As..."},
      {"mnuSeparator1", "-"},       {"mnuSeparator2", "-"},      {"mnuSeparator3", "-"},
      {"mnuAbout", "About"},        {"mnuReadme", "Readme"},
  };
  for (const auto& [menu, caption] : menus)
    EXPECT_EQ(controls.at(menu).Get("caption"), Quoted(caption)) << menu;
  for (const char* entry :
       {"mnuClearLog", "mnuSaveLog", "mnuSaveLogAs", "mnuSeparator1", "mnuParameter_laden",
        "mnuParameter_speichern", "mnuSeparator2", "mnuDrucken", "mnuSeparator3", "mnuExit"}) {
    EXPECT_EQ(controls.at(entry).Get("in"), "mnuOptionen") << entry;
  }
  for (const char* entry : {"mnuAbout", "mnuBeschreibung", "mnuReadme"}) {
    EXPECT_EQ(controls.at(entry).Get("in"), "mnuHilfe") << entry;
  }
  for (const char* menu : {"mnuOptionen", "mnuHilfe"}) EXPECT_EQ(controls.at(menu).Get("in"), "form");
  for (const auto& [name, line] : controls) EXPECT_EQ(line.Get("fore"), "0x80000012") << name;
}

TEST_F(fMainDesignTest, EnglishTextsReplaceTheDesignTexts) {
  const auto controls = Load("english");
  ExpectListsOfBothLanguages(controls);
  ExpectTextsOfBothLanguages(controls);
  const std::map<std::string, std::vector<std::string>> lists = {
      {"cmb_nvi(5)", {"sensitive", "unsensitive"}},
      {"cmb_nci(36)", {"close contact", "break contact"}},
      {"cmb_nci(37)", {"Standard I/O", "Toggle", "Dimming", "Manual Overriding"}},
  };
  for (const auto& [combo, items] : lists) EXPECT_EQ(controls.at(combo).Get("list"), ListOf(items)) << combo;

  const std::map<std::string, std::string> captions = {
      {"cmdApply", "A&pply"},
      {"cmdCancel", "&Cancel"},
      {"cmdGerAuswahl", "&Device selection"},
      {"lblNc(32)", "Controller options:"},
      {"lblNc(51)", "Controller options:"},
      {"lblNc(60)", "Occupancy detector LED"},
      {"lblPolling", "Pollinterval (s):"},
      {"mnuOptionen", "&File"},
      {"mnuParameter_laden", "Load Parameters"},
      {"mnuParameter_speichern", "Save Parameters"},
      {"mnuDrucken", "Print"},
      {"mnuExit", "Exit"},
      {"mnuHilfe", "&Help"},
      {"mnuBeschreibung", "Device description"},
  };
  for (const auto& [control, caption] : captions)
    EXPECT_EQ(controls.at(control).Get("caption"), Quoted(caption)) << control;
  EXPECT_EQ(controls.at("cmdGerAuswahl").Get("tip"),
            "\"shows a list with all devices of the same program-id \"");
  EXPECT_EQ(controls.at("PlugInStatus").Get("paneltips"),
            ListOf({"Devicename", "Devicetyp", "NeuronId", "Status", "Monitor"}));
}

TEST_F(fMainDesignTest, GermanKeepsTheDesignTextsAndFillsTheGermanLists) {
  const auto controls = Load("german");
  ExpectListsOfBothLanguages(controls);
  ExpectTextsOfBothLanguages(controls);
  const std::map<std::string, std::vector<std::string>> lists = {
      {"cmb_nvi(5)", {"Empfindlich", "Unempfindlich"}},
      {"cmb_nci(36)", {"Schließer", "Öffner"}},
      {"cmb_nci(37)", {"aktiv / nicht aktiv", "Licht Toggle", "Licht Toggle mit Dimmen", "Automatik"}},
  };
  for (const auto& [combo, items] : lists) EXPECT_EQ(controls.at(combo).Get("list"), ListOf(items)) << combo;

  const std::map<std::string, std::string> captions = {
      {"cmdApply", "&Übernehmen"},
      {"cmdCancel", "A&bbrechen"},
      {"cmdGerAuswahl", "&Geräteauswahl"},
      {"lblNc(32)", "Regleroptionen:"},
      {"lblNc(51)", "Regleroptionen:"},
      {"lblNc(60)", "Bewegunsmelder LED:"},
      {"lblPolling", "Pollintervall [s]:"},
      {"mnuOptionen", "&Datei"},
      {"mnuParameter_laden", "Parameter laden"},
      {"mnuParameter_speichern", "Parameter speichern"},
      {"mnuDrucken", "Drucken"},
      {"mnuExit", "B&eenden"},
      {"mnuHilfe", "&Hilfe"},
      {"mnuBeschreibung", "Gerätebeschreibung"},
  };
  for (const auto& [control, caption] : captions)
    EXPECT_EQ(controls.at(control).Get("caption"), Quoted(caption)) << control;
  EXPECT_EQ(controls.at("cmdGerAuswahl").Get("tip"),
            "\"zeigt alle Geräte im Netzwerk mit der entspr. ProgId an\"");
  EXPECT_EQ(controls.at("PlugInStatus").Get("paneltips"),
            ListOf({"Gerät", "Typ", "NeuronId", "Status", "Monitor"}));
  // The captions beside the combo boxes stand on the combo boxes' tabs.
  EXPECT_EQ(controls.at("lblNc(60)").Get("tab"), controls.at("cmb_nci(6)").Get("tab"));
  EXPECT_EQ(controls.at("lblNc(32)").Get("tab"), controls.at("cmb_nci(19)").Get("tab"));
  EXPECT_EQ(controls.at("lblNc(51)").Get("tab"), controls.at("cmb_nci(30)").Get("tab"));
}

// Geometry, in twips, relative to the nearest tab control (or the form for controls outside the tabs).
struct Box {
  float left, top, right, bottom;
  bool Overlaps(const Box& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  bool Contains(const Box& other) const {
    return left <= other.left && top <= other.top && other.right <= right && other.bottom <= bottom;
  }
};

bool HasSize(const ui::Control& control) {
  return control.Width() > 0 && control.Height() > 0;
}

// The control's box in the coordinates of its tab control, or of the form: each frame between adds its
// position.
Box PlaceOnPage(const ui::Control& control) {
  Box box{control.Left(), control.Top(), control.Left() + control.Width(), control.Top() + control.Height()};
  for (const ui::Container* edge = &control.GetContainer(); edge->control && edge->tab < 0;
       edge = &edge->control->GetContainer()) {
    const ui::Control& frame = *edge->control;
    box = {box.left + frame.Left(), box.top + frame.Top(), box.right + frame.Left(),
           box.bottom + frame.Top()};
  }
  return box;
}

bool Encloses(const ui::Control& outer, const ui::Control& inner) {
  for (const ui::Control* at = inner.GetContainer().control; at; at = at->GetContainer().control)
    if (at == &outer) return true;
  return false;
}

std::string PageOf(const ui::Control& control) {
  const ui::Container page = control.TabPage();
  return page.control ? page.control->Name() + "/" + std::to_string(page.tab) : "form";
}

TEST_F(fMainDesignTest, NothingOverlapsAndEverythingFitsItsContainer) {
  fixture.SetLanguage("english");
  qvr::fMain& window = fixture.program().fMain();

  std::map<std::string, std::vector<const ui::Control*>> pages;
  for (const ui::Control* control : window.Controls()) {
    if (!HasSize(*control)) continue;  // timers, menus and the docked status bar take no room
    pages[PageOf(*control)].push_back(control);

    const ui::Control* container = control->GetContainer().control;
    const Box own{control->Left(), control->Top(), control->Left() + control->Width(),
                  control->Top() + control->Height()};
    if (!container) {
      // Room is left at the bottom for the menu bar and the docked status bar.
      EXPECT_TRUE((Box{0, 0, window.Width(), window.Height() - 900}.Contains(own))) << control->DisplayName();
    } else if (control->GetContainer().tab >= 0) {
      // Below the row of tab captions.
      EXPECT_TRUE((Box{0, 400, container->Width(), container->Height()}.Contains(own)))
          << control->DisplayName();
    } else {
      // Below the frame's caption.
      EXPECT_TRUE((Box{0, 240, container->Width(), container->Height()}.Contains(own)))
          << control->DisplayName();
    }
  }
  EXPECT_EQ(pages.size(), 9u) << "the form and the eight tab pages";

  for (const auto& [page, controls] : pages) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
      for (std::size_t j = i + 1; j < controls.size(); ++j) {
        const ui::Control& a = *controls[i];
        const ui::Control& b = *controls[j];
        if (Encloses(a, b) || Encloses(b, a)) continue;
        EXPECT_FALSE(PlaceOnPage(a).Overlaps(PlaceOnPage(b)))
            << page << ": " << a.DisplayName() << " and " << b.DisplayName();
      }
    }
  }
}

}  // namespace
