#pragma once

#include "platform/ui/Screen.h"

namespace ui {

// The primary screen of the running Qt application. Twips per pixel follow its logical dpi (15 at 96 dpi);
// a pointer other than the default overrides the cursor of every window.
class QtScreen : public Screen {
 public:
  ~QtScreen() override;

  int Width() const override;
  int Height() const override;
  int TwipsPerPixelX() const override;
  int TwipsPerPixelY() const override;
  int MousePointer() const override { return pointer_; }
  void SetMousePointer(int pointer) override;

 private:
  int pointer_ = vbDefault;
};

}  // namespace ui
