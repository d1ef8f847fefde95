#pragma once

// The property rows whose value holds several numbers, and the sub-field boxes (txtNci) that show each
// number alone: the one table that decoding, editing, applying and the parameter files go by.

#include <array>

namespace qvr {

// Row 49 of the larger models holds six set points, shown in boxes 70 to 75.
inline constexpr int kSetPointRow = 49;
inline constexpr int kFirstSetPointBox = 70;
inline constexpr int kSetPoints = 6;

// What the two parts of a two-part row are.
enum class TwoPartKind {
  ValueAndState,  // a switch's value and its state, around a blank
  Ratio,          // a multiplier and a divisor, around a "/"
};

// A row whose value is two parts around a separator, with the sub-field boxes of the part before and of
// the part after it.
struct TwoPartRow {
  int row;
  TwoPartKind kind;
  const char* separator;
  int boxBefore;
  int boxAfter;
};

inline constexpr std::array<TwoPartRow, 4> kTwoPartRows = {{
    {0, TwoPartKind::ValueAndState, " ", 80, 81},
    {1, TwoPartKind::ValueAndState, " ", 82, 83},
    {21, TwoPartKind::Ratio, "/", 91, 90},
    {32, TwoPartKind::Ratio, "/", 93, 92},
}};

// Whether `row` holds several numbers in its value (its text is compared as a whole, not as a number).
constexpr bool IsCompositeRow(int row) {
  if (row == kSetPointRow) return true;
  for (const TwoPartRow& composite : kTwoPartRows) {
    if (composite.row == row) return true;
  }
  return false;
}

// Row 36, the digital input's configuration: hex digit 0 is its function (shown in combo 37, one of four
// values: standard I/O, toggle, dimming, manual overriding), digit 1 its contact (shown in combo 36).
inline constexpr int kDigitalInputRow = 36;
inline constexpr int kInputFunctionCombo = 37;
inline constexpr int kInputFunctions = 4;

}  // namespace qvr
