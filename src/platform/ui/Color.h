#pragma once

#include <cstdint>

namespace ui {

// A colour as the system writes it: 0x00BBGGRR for a plain colour, 0x800000nn for system colour nn.
using Color = std::uint32_t;

inline constexpr Color vbBlack = 0;
inline constexpr Color vbRed = 255;
// The system's button-text colour: every control's fore colour until the program sets another.
inline constexpr Color vbButtonText = 0x80000012;

}  // namespace ui
