#pragma once

#include <functional>
#include <string>

#include "platform/ui/StatefulControl.h"

namespace ui {

// The mouse pointer that shows the picture of a control's MouseIcon.
inline constexpr int vbCustom = 99;

struct LabelState {
  std::string caption;
  int mousePointer = 0;  // vbDefault
  std::string mouseIcon;
};

class Label : public StatefulControl<LabelState> {
 public:
  Label(Form& form, std::string name, int index = -1);

  std::string_view Kind() const override { return "Label"; }

  const std::string& Caption() const;
  // Raises Change when the caption differs.
  void SetCaption(std::string caption);

  // The pointer shown while the mouse is over the label: vbDefault, or vbCustom for the MouseIcon.
  int MousePointer() const;
  void SetMousePointer(int pointer);
  // The custom pointer's picture, named by the cursor file it was loaded from; empty for none.
  const std::string& MouseIcon() const;
  void SetMouseIcon(std::string cursorFile);

  std::function<void()> OnChange;
  std::function<void()> OnClick;
  // Button and Shift as the vb...Button and vb...Mask bits (Mouse.h); X and Y in twips within the label.
  std::function<void(int Button, int Shift, float X, float Y)> OnMouseMove;

  // User input, for a back end; ignored while the form is unloaded or the label disabled or hidden. A
  // label never takes the focus.
  void UserClicks();
  void UserMovesMouse(int button, int shift, float x, float y);

  void Describe(SnapshotFields& out) const override;
};

}  // namespace ui
