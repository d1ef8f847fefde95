#include "devicemodel/ModelAdaptation.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "devicemodel/ModelView.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"

namespace qvr {

namespace {

constexpr int kSccMonitorTab = 6;
constexpr int kSccConfigTab = 7;

// The documentation of a family in a language; the readme depends on the language alone.
struct FamilyFiles {
  const char* german;
  const char* english;
};

FamilyFiles DocumentationOf(DeviceFamily family) {
  if (family == DeviceFamily::QvrL1)
    return {"\\Dokumentation\\qvrl106.pdf", "\\Dokumentation\\qvrl106_eng.pdf"};
  return {"\\Dokumentation\\qvrl207.pdf", "\\Dokumentation\\qvrl207_eng.pdf"};
}

void ChooseFiles(DeviceModelState& model, DeviceFamily family, Language language) {
  const FamilyFiles documentation = DocumentationOf(family);
  const bool german = language == Language::German;
  model.DocumentationFile = german ? documentation.german : documentation.english;
  model.ReadmeFile = german ? "\\readme_ger.txt" : "\\readme_eng.txt";
}

// A status bar that cannot be read counts as not online.
bool DeviceIsOnline(Program& program) {
  bool online = false;
  runtime::ResumeNext(program.Err, [&] { online = program.ModelWindow().DeviceShownOnline(); });
  return online;
}

void ShowSpaceComfortTabs(Program& program, bool shown) {
  for (int tab : {kSccMonitorTab, kSccConfigTab}) {
    runtime::ResumeNext(program.Err, [&] { program.ModelWindow().DataTabs().SetTabShown(tab, shown); });
  }
}

// The input combos 23 and 24 (QVR-L2) get `entries`, in place of what they listed.
void SetSwitchLists(Program& program, const std::vector<std::string>& entries) {
  for (int index : {23, 24}) {
    runtime::ResumeNext(program.Err, [&] {
      ui::ComboBox& combo = program.ModelWindow().InputChoices()[index];
      combo.Clear();
      for (const std::string& entry : entries) combo.AddItem(entry);
    });
  }
}

// The input combos of `family` (and for QVR-L2 the reset buttons 16 to 19) enabled or disabled.
void EnableInputChoices(Program& program, DeviceFamily family, bool enabled) {
  const bool large = family == DeviceFamily::QvrL2;
  auto enable = [&](auto controls, std::initializer_list<int> indexes) {
    for (int index : indexes) {
      runtime::ResumeNext(program.Err,
                          [&] { (program.ModelWindow().*controls)()[index].SetEnabled(enabled); });
    }
  };
  if (large) enable(&ModelView::InputChoices, {20, 21, 22, 23, 24});
  enable(&ModelView::InputChoices, {1, 2, 3, 4, 5, 8, 12});
  if (large) enable(&ModelView::InputResets, {16, 17, 18, 19});
}

}  // namespace

void AdaptMainWindow(Program& program, DeviceFamily family, const std::optional<Language>& language) {
  // The space-comfort tabs belong to QVR-L2 only; a QVR-L2 device after a QVR-L1 device gets them back.
  ShowSpaceComfortTabs(program, family == DeviceFamily::QvrL2);
  program.model.DeviceTypeName = FamilyName(family);
  if (language) ChooseFiles(program.model, family, *language);
}

void ForgetFamily(Program& program) {
  ShowSpaceComfortTabs(program, true);
  program.model.DeviceTypeName.clear();
  SetSwitchLists(program, {});
  EnableInputChoices(program, DeviceFamily::QvrL2, true);
  program.model.DocumentationFile.clear();
}

void FillSwitchLists(Program& program) {
  const std::string& sep = program.model.DecimalSep;
  SetSwitchLists(program, {"0" + sep + "0 0", "100" + sep + "0 1", "0" + sep + "0 -1"});
}

void ApplyOnlineState(Program& program, DeviceFamily family) {
  EnableInputChoices(program, family, DeviceIsOnline(program));
}

}  // namespace qvr
