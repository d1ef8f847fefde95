#include "mainwindow/editors/KeyFilters.h"

#include "mainwindow/editors/NumberBoxRules.h"
#include "platform/ui/TextBox.h"

namespace qvr {

namespace {

constexpr int kBlank = 32;
constexpr int kMinus = 45;

bool IsDigitKey(int key) {
  return key >= '0' && key <= '9';
}

bool IsSeparatorKey(int key, const std::string& decimalSep) {
  const std::optional<int> separator = SeparatorKey(decimalSep);
  return separator && key == *separator;
}

}  // namespace

std::optional<int> SeparatorKey(const std::string& decimalSep) {
  if (decimalSep == ",") return ',';
  if (decimalSep == ".") return '.';
  return std::nullopt;
}

bool NciKeyPasses(int box, int key, const std::string& decimalSep) {
  if (IsDigitKey(key) || key == ui::vbKeyBack) return true;
  if (NciTakesDecimals(box) && IsSeparatorKey(key, decimalSep)) return true;
  return NciTakesSign(box) && key == kMinus;
}

bool NviKeyPasses(int key, const std::string& decimalSep) {
  return IsDigitKey(key) || key == ui::vbKeyBack || key == kBlank || key == kMinus ||
         IsSeparatorKey(key, decimalSep);
}

}  // namespace qvr
