#pragma once

namespace ui {

// Mouse pointers that the system sets on the screen.
inline constexpr int vbDefault = 0;
inline constexpr int vbHourglass = 11;

// The screen as the system measures it: sizes in twips (1440 to the inch), and the one mouse pointer
// that overrides every window's own while it is not the default.
class Screen {
 public:
  virtual ~Screen() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual int TwipsPerPixelX() const = 0;
  virtual int TwipsPerPixelY() const = 0;
  virtual int MousePointer() const = 0;
  virtual void SetMousePointer(int pointer) = 0;
};

}  // namespace ui
