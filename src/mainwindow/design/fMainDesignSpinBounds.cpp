// The bounds of the spin buttons beside the configuration-property boxes: whole numbers that the step
// and leave handlers read; the control itself never enforces them.

#include <vector>

#include "mainwindow/design/fMainDesignLayout.h"

namespace qvr::main_design {

namespace {

struct BoundsOfBoxes {
  std::vector<int> boxes;
  SpinBounds bounds;
};

// clang-format off
const BoundsOfBoxes kBounds[] = {
    {{2, 3, 4, 5, 8, 9, 12, 13, 14, 23, 24, 25, 34, 52}, {0, 6500}},  // times in seconds
    {{7, 11, 22}, {0, 1000}},                                          // lux
    {{90, 91, 92, 93}, {0, 1000}},                                     // light ratio parts
    {{10, 15, 26, 16, 27, 18, 29, 35}, {0, 100}},                      // percent in half steps
    {{20, 31, 33}, {0, 100}},                                          // maximum output
    {{40, 41, 42, 46, 47, 48}, {0, 100}},                              // heating and cooling limits
    {{80, 82}, {0, 100}},                                              // switch values
    {{81, 83}, {0, 1}},                                                // switch states
    {{38, 39, 44, 45}, {0, 6553}},                                     // controller times
    {{37, 43}, {0, 10}},                                               // proportional bands
    {{51}, {-20, 20}},                                                 // temperature offset
    {{53}, {0, 500}},                                                  // PWM cycle time
    {{55}, {0, 20}},                                                   // anti-freeze set point
    {{70, 71, 72, 73, 74, 75}, {10, 35}},                              // temperature set points
};
// clang-format on

}  // namespace

std::optional<SpinBounds> NciSpinBounds(int index) {
  for (const BoundsOfBoxes& entry : kBounds) {
    for (int box : entry.boxes) {
      if (box == index) return entry.bounds;
    }
  }
  return std::nullopt;
}

}  // namespace qvr::main_design
