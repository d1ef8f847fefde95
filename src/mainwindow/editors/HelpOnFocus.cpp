// The help pane follows the focus: whenever a value box or a companion control gets it, the pane shows
// the help text of the data point that control edits. A tab change adapts the window to the model again.

#include <cstdint>
#include <exception>
#include <string>

#include "devicemodel/ApplyDeviceModel.h"
#include "mainwindow/editors/CompanionChoices.h"
#include "mainwindow/editors/CompositeValues.h"
#include "mainwindow/fMain.h"
#include "platform/runtime/Present.h"
#include "program/Program.h"

namespace qvr {

namespace {

// The window as the device-model service adapts it to the current device's model, with the help text of
// row `row` of table `itemKind` ("Nci", "Nvi", "Nvo"; "" shows none). The program ID is read anew each
// time, so a device that can no longer be read fails here.
void ShowHelpOfRow(Program& program, std::string itemKind, int row, std::int16_t spare = 0) {
  program.framework.ReopenNetworkForUser();
  std::string programId = runtime::Present(program.framework.CurrentDevice).GetProgramId();
  std::int16_t modelGroup = 100;
  std::int16_t fillForm = 0;
  auto itemIndex = static_cast<std::int16_t>(row);
  ApplyDeviceModel(program, programId, modelGroup, fillForm, spare, itemKind, itemIndex);
}

// A sub-field box edits a part of its composite property.
int PropertyRowOfBox(int box) {
  const SubField* field = FindSubField(box);
  return field != nullptr ? field->rowBox : box;
}

}  // namespace

void fMain::txtNci_GotFocus(int Index) {
  try {
    ShowHelpOfRow(program_, "Nci", PropertyRowOfBox(Index));
  } catch (const std::exception& error) {
    EchLog.ErrorLine(std::string(error.what()) + " txtNci_GotFocus");
  }
}

void fMain::cmb_nci_GotFocus(int Index) {
  try {
    // The bit and digit choices of rows 19, 30 and 36 explain the property they edit.
    ShowHelpOfRow(program_, "Nci", PropertyBoxOfChoice(Index));
  } catch (const std::exception&) {
    // The pane keeps its text.
  }
}

void fMain::txtNvi_GotFocus(int Index) {
  try {
    ShowHelpOfRow(program_, "Nvi", Index);
  } catch (const std::exception& error) {
    EchLog.ErrorLine(std::string(error.what()) + " txtNvi_GotFocus");
  }
}

void fMain::cmb_nvi_GotFocus(int Index) {
  try {
    ShowHelpOfRow(program_, "Nvi", Index);
  } catch (const std::exception&) {
    // The pane keeps its text.
  }
}

void fMain::txtnviset_GotFocus(int Index) {
  editedSettingBoxes_.erase(Index);
  try {
    ShowHelpOfRow(program_, "Nvi", Index);
  } catch (const std::exception& error) {
    EchLog.ErrorLine(std::string(error.what()) + " txtnviset_GotFocus");
  }
}

void fMain::txtNvo_GotFocus(int Index) {
  try {
    ShowHelpOfRow(program_, "Nvo", Index);
  } catch (const std::exception& error) {
    EchLog.ErrorLine(std::string(error.what()) + "  txtNvo_GotFocus(fMain)");
  }
}

void fMain::tabData_Click(int /*PreviousTab*/) {
  constexpr std::int16_t kTrue = -1;
  try {
    ShowHelpOfRow(program_, "", 0, kTrue);
  } catch (const std::exception& error) {
    EchLog.ErrorLine(std::string(error.what()) + " tabData(fMain)");
  }
}

}  // namespace qvr
