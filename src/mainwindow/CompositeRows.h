#pragma once

// Where the composite properties' parts stand in the main window: the rows whose value holds several
// numbers and the sub-field boxes (txtNci) that show each number alone.

#include <array>

namespace qvr {

// Row 49 of the larger models holds six set points, shown in boxes 70 to 75.
inline constexpr int kSetPointRow = 49;
inline constexpr int kFirstSetPointBox = 70;
inline constexpr int kSetPoints = 6;

// A row whose value is two parts around a separator, with the sub-field boxes of the part before and of
// the part after it.
struct TwoPartRow {
  int row;
  const char* separator;
  int boxBefore;
  int boxAfter;
};

inline constexpr std::array<TwoPartRow, 4> kTwoPartRows = {{
    {0, " ", 80, 81},   // value and state
    {1, " ", 82, 83},   // value and state
    {21, "/", 91, 90},  // multiplier and divisor
    {32, "/", 93, 92},  // multiplier and divisor
}};

}  // namespace qvr
