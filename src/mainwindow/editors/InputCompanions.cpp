#include "mainwindow/editors/InputCompanions.h"

#include "devicemodel/CompanionRows.h"
#include "devicemodel/EditorValueTexts.h"
#include "mainwindow/fMain.h"
#include "platform/runtime/SplitAt.h"

namespace qvr {

namespace {

ui::TextBox* SettingBoxOf(fMain& window, const CompanionRow& companions) {
  return companions.settingBox ? &window.txtnviset[companions.row] : nullptr;
}

}  // namespace

void FollowInputCompanions(fMain& window, int row, FollowBy how, const std::string& decimalSep) {
  const CompanionRow* companions = FindCompanionRow(RowKind::Input, row);
  if (!companions) return;
  FollowCompanions(*companions, {window.txtNvi[row], window.cmb_nvi, SettingBoxOf(window, *companions)}, how,
                   decimalSep, StartBitRule::ZeroOrOne);
}

std::optional<std::string> InputTextOfEntry(const fMain& window, int row, int entry,
                                            const std::string& decimalSep) {
  const CompanionRow* companions = FindCompanionRow(RowKind::Input, row);
  if (!companions || entry < 0) return std::nullopt;
  const std::string settingValue =
      window.txtnviset.Exists(row) ? window.txtnviset[row].Text() : std::string();
  const EntrySource source{window.txtNvi[row].Text(), settingValue, window.cmb_nvi[row].List(entry),
                           decimalSep};
  return ChoiceOfCombo(*companions, row).entryText(entry, source);
}

std::string SettingInputText(const fMain& window, int row, const std::string& decimalSep) {
  const ui::ComboBox& combo = window.cmb_nvi[row];
  if (const std::optional<std::string> text = InputTextOfEntry(window, row, combo.ListIndex(), decimalSep)) {
    return *text;
  }
  std::string rest;
  const std::string function = runtime::SplitAt(window.txtNvi[row].Text(), " ", rest);
  return SettingText(function, window.txtnviset[row].Text(), decimalSep);
}

std::vector<ui::Control*> MarkedInputCompanions(fMain& window, int row) {
  std::vector<ui::Control*> controls;
  const CompanionRow* companions = FindCompanionRow(RowKind::Input, row);
  if (!companions) return controls;
  for (const CompanionChoice& choice : companions->choices) {
    if (choice.sharesMark) controls.push_back(&window.cmb_nvi[choice.combo]);
  }
  if (ui::TextBox* settingBox = SettingBoxOf(window, *companions)) controls.push_back(settingBox);
  return controls;
}

}  // namespace qvr
