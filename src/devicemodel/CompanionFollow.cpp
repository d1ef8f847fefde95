#include "devicemodel/CompanionFollow.h"

#include <optional>

#include "devicemodel/QuietWrites.h"

namespace qvr {

namespace {

// An edit that is no value is replaced by the own text of `entry` where the device takes that text; the
// entry then stands (true), otherwise the text stays and stands for no entry.
bool ReplacedByEntry(const CompanionRow& row, const CompanionChoice& choice, int entry,
                     const CompanionControls& controls, const std::string& decimalSep) {
  const std::string text = controls.box.Text();
  // A setting keeps the value typed with it, or else the one its setting box shows.
  const std::string settingValue =
      SettingOf(text).value_or(controls.settingBox ? controls.settingBox->Text() : std::string());
  const EntrySource source{text, settingValue, controls.combos[choice.combo].List(entry), decimalSep};
  const std::optional<std::string> own = choice.entryText(entry, source);
  if (!own || (choice.replacesDigits && own->size() != text.size())) return false;
  if (!DeviceReading(row, *own, decimalSep)) return false;
  ShowText(controls.box, *own);
  return true;
}

}  // namespace

void FollowCompanions(const CompanionRow& row, const CompanionControls& controls, FollowBy how,
                      const std::string& decimalSep, StartBitRule rule) {
  for (const CompanionChoice& choice : row.choices) {
    ui::ComboBox& combo = controls.combos[choice.combo];
    // Read anew for each combo: the one before may have replaced the text.
    const std::string text = controls.box.Text();
    const int read = EntryOfText(row, choice, combo, text, decimalSep, rule).value_or(-1);
    int entry = read < combo.ListCount() ? read : -1;
    if (how == FollowBy::Editing && entry >= 0 && !DeviceReading(row, text, decimalSep)) {
      entry = ReplacedByEntry(row, choice, entry, controls, decimalSep) ? entry : -1;
    }
    if (combo.Style() == ui::vbComboDropdown) {
      ShowText(combo, controls.box.Text());
    } else if (entry >= 0 || how != FollowBy::Decoding || choice.decodingShowsNoEntry) {
      ShowChoice(combo, entry);
    }
  }
  if (!controls.settingBox) return;
  if (const std::optional<std::string> setting = SettingShownFor(row, controls.box.Text(), decimalSep)) {
    ShowText(*controls.settingBox, *setting);
  }
}

}  // namespace qvr
