#include "mainwindow/editors/NumberBoxRules.h"

#include <algorithm>
#include <array>

namespace qvr {

namespace {

constexpr int kTempOffsetBox = 51;

// Proportional bands, the temperature offset, the anti-freeze set point and the six set points.
constexpr std::array<int, 10> kTenthBoxes = {37, 43, 51, 55, 70, 71, 72, 73, 74, 75};
// Percentages in half steps: minimum deltas, hystereses, light steps and the switch's step value.
constexpr std::array<int, 8> kHalfBoxes = {10, 15, 16, 18, 26, 27, 29, 35};

template <class Boxes>
bool Holds(const Boxes& boxes, int box) {
  return std::find(boxes.begin(), boxes.end(), box) != boxes.end();
}

}  // namespace

double NciStep(int box) {
  if (Holds(kTenthBoxes, box)) return 0.1;
  if (Holds(kHalfBoxes, box)) return 0.5;
  return 1;
}

bool NciTakesDecimals(int box) {
  return NciStep(box) < 1;
}

bool NciTakesSign(int box) {
  return box == kTempOffsetBox;
}

}  // namespace qvr
