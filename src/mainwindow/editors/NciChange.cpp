// The configuration-property boxes' Change: companion choices and composite rows follow the edited box,
// and every box is marked against the device's value.

#include <algorithm>
#include <cstddef>
#include <exception>
#include <string>
#include <vector>

#include "datapoints/CompositeRows.h"
#include "mainwindow/editors/ChangeMark.h"
#include "mainwindow/editors/CompanionChoices.h"
#include "mainwindow/editors/CompositeValues.h"
#include "mainwindow/fMain.h"
#include "program/Program.h"

namespace qvr {

namespace {

// Longest number a plain numeric box takes.
constexpr int kNumberBoxLength = 6;

// Rows whose value is a number under the user's regional settings are compared as numbers; composite
// rows and rows with companion choices hold texts (bit fields, settings, names) and are compared as text.
bool ComparedAsText(int row) {
  return IsCompositeRow(row) || HasCompanionChoices(row);
}

const std::string& StoredValue(Program& program, int row) {
  return program.datapoints.NciTable.at(static_cast<std::size_t>(row)).NciValue;
}

// A number box never stays empty: it reads 0 (writing it runs the box's Change first). The 0 is selected,
// so that what the user types next replaces it instead of standing before it.
void ZeroWhenEmpty(ui::TextBox& box) {
  if (!box.Text().empty()) return;
  box.SetText("0");
  box.SetSelStart(0);
  box.SetSelLength(1);
}

// A sub-field box is marked against the device's value of its part; its row is rebuilt from the
// sub-fields, and that write marks the row.
void EditSubField(fMain& window, Program& program, const SubField& field) {
  ui::TextBox& box = window.txtNci[field.box];
  const std::string& decimalSep = program.model.DecimalSep;
  ZeroWhenEmpty(box);
  box.SetMaxLength(field.maxLength);
  MarkChanged(box, NumberDiffers(box.Text(), program.model.*field.part, decimalSep));
  window.txtNci[field.rowBox].SetText(RebuiltRowText(window, field, decimalSep));
}

// The companions follow the row's text first (an edit that is no value of its choice is rewritten); then the
// row and the companions that share its mark are marked together.
void EditTextRow(fMain& window, Program& program, int row) {
  ui::TextBox& box = window.txtNci[row];
  const std::string& stored = StoredValue(program, row);
  FollowCompanionChoices(window, row, FollowFor(window, box.Text(), stored), program.model.DecimalSep);
  const bool changed = TextDiffers(box.Text(), stored);
  MarkChanged(box, changed);
  for (int combo : MarkedCompanions(row)) MarkChanged(window.cmb_nci[combo], changed);
}

void EditNumberRow(fMain& window, Program& program, int row) {
  ui::TextBox& box = window.txtNci[row];
  ZeroWhenEmpty(box);
  box.SetMaxLength(kNumberBoxLength);
  MarkChanged(box, NumberDiffers(box.Text(), StoredValue(program, row), program.model.DecimalSep));
}

// What a box goes back to when its edit cannot stand: the device's value of its part or of its row.
const std::string& DeviceValueOf(Program& program, int index) {
  if (const SubField* field = FindSubField(index)) return program.model.*field->part;
  return StoredValue(program, index);
}

// Keeps `box` in `boxes` while it is in scope.
class ListedWhileInScope {
 public:
  ListedWhileInScope(std::vector<int>& boxes, int box) : boxes_(boxes) { boxes_.push_back(box); }
  ~ListedWhileInScope() { boxes_.pop_back(); }
  ListedWhileInScope(const ListedWhileInScope&) = delete;
  ListedWhileInScope& operator=(const ListedWhileInScope&) = delete;

 private:
  std::vector<int>& boxes_;
};

}  // namespace

void fMain::txtNci_Change(int Index) {
  // A hidden window is being filled from the device, not edited.
  if (Visible()) {
    try {
      if (const SubField* field = FindSubField(Index)) {
        EditSubField(*this, program_, *field);
      } else if (ComparedAsText(Index)) {
        EditTextRow(*this, program_, Index);
      } else {
        EditNumberRow(*this, program_, Index);
      }
    } catch (const std::exception&) {
      RestoreDeviceValue(Index);
      return;
    }
  }
  UpdateApplyCancel();
}

void fMain::RestoreDeviceValue(int Index) {
  ui::TextBox& box = txtNci[Index];
  const std::string& deviceValue = DeviceValueOf(program_, Index);
  if (std::ranges::find(nciBoxesBeingRestored_, Index) != nciBoxesBeingRestored_.end()) {
    // The device's value fails this box as well (a set point decoding left empty, a bit field never
    // read): it stands, marked by its text, instead of being written back without end.
    MarkChanged(box, TextDiffers(box.Text(), deviceValue));
    UpdateApplyCancel();
    return;
  }
  // Above all a text that is no number. Writing the device's value back runs this handler again, which
  // marks the box and refreshes Apply and Cancel.
  const ListedWhileInScope restoring(nciBoxesBeingRestored_, Index);
  box.SetText(deviceValue);
}

void fMain::WireNciChangeHandlers() {
  txtNci.On(&ui::TextBox::OnChange, [this](int Index) { txtNci_Change(Index); });
}

}  // namespace qvr
