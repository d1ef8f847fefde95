#include "mainwindow/editors/CompanionChoices.h"

#include "devicemodel/CompanionRows.h"
#include "mainwindow/fMain.h"

namespace qvr {

bool HasCompanionChoices(int row) {
  return FindCompanionRow(RowKind::Property, row) != nullptr;
}

std::vector<int> MarkedCompanions(int row) {
  std::vector<int> combos;
  if (const CompanionRow* companions = FindCompanionRow(RowKind::Property, row)) {
    for (const CompanionChoice& choice : companions->choices) {
      if (choice.sharesMark) combos.push_back(choice.combo);
    }
  }
  return combos;
}

int PropertyBoxOfChoice(int combo) {
  const CompanionRow* companions = RowOfCombo(RowKind::Property, combo);
  return companions ? companions->row : combo;
}

std::optional<std::string> PropertyTextOfEntry(const fMain& window, int combo, int entry,
                                               const std::string& decimalSep) {
  const CompanionRow* companions = RowOfCombo(RowKind::Property, combo);
  if (!companions || entry < 0) return std::nullopt;
  const EntrySource source{
      window.txtNci[companions->row].Text(), {}, window.cmb_nci[combo].List(entry), decimalSep};
  return ChoiceOfCombo(*companions, combo).entryText(entry, source);
}

void FollowCompanionChoices(fMain& window, int row, FollowBy how, const std::string& decimalSep) {
  const CompanionRow* companions = FindCompanionRow(RowKind::Property, row);
  if (!companions) return;
  FollowCompanions(*companions, {window.txtNci[row], window.cmb_nci, nullptr}, how, decimalSep,
                   StartBitRule::ZeroOrOne);
}

}  // namespace qvr
