#pragma once

#include <vector>

#include "platform/ui/Screen.h"

namespace ui {

// A screen of fixed size, by default 1024 x 768 pixels at 15 twips per pixel (96 dpi).
class HeadlessScreen : public Screen {
 public:
  int Width() const override { return pixelsWide_ * twipsPerPixelX_; }
  int Height() const override { return pixelsHigh_ * twipsPerPixelY_; }
  int TwipsPerPixelX() const override { return twipsPerPixelX_; }
  int TwipsPerPixelY() const override { return twipsPerPixelY_; }
  int MousePointer() const override { return pointer_; }
  void SetMousePointer(int pointer) override {
    pointer_ = pointer;
    pointerHistory_.push_back(pointer);
  }

  void SetTwipsPerPixel(int x, int y) {
    twipsPerPixelX_ = x;
    twipsPerPixelY_ = y;
  }
  // Every pointer set, in order, so that a test can see that an operation showed the hourglass.
  const std::vector<int>& PointerHistory() const { return pointerHistory_; }

 private:
  int pixelsWide_ = 1024;
  int pixelsHigh_ = 768;
  int twipsPerPixelX_ = 15;
  int twipsPerPixelY_ = 15;
  int pointer_ = vbDefault;
  std::vector<int> pointerHistory_;
};

}  // namespace ui
