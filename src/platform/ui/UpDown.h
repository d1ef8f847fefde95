#pragma once

#include <functional>

#include "platform/ui/Mouse.h"
#include "platform/ui/StatefulControl.h"

namespace ui {

struct UpDownState {
  int min = 0;
  int max = 10;
};

// A vertical spin control with an upper and a lower arrow. It keeps no value of its own: the program
// steps its partner box from the clicks and the mouse events.
class UpDown : public StatefulControl<UpDownState> {
 public:
  UpDown(Form& form, std::string name, int index = -1);

  std::string_view Kind() const override { return "UpDown"; }

  // The bounds the program reads; the control itself never enforces them.
  int Min() const;
  int Max() const;
  void SetMin(int min);
  void SetMax(int max);

  std::function<void()> OnUpClick;
  std::function<void()> OnDownClick;
  // Button, Shift and the pointer position in twips from the control's top left corner.
  std::function<void(int button, int shift, float x, float y)> OnMouseDown;
  std::function<void(int button, int shift, float x, float y)> OnMouseMove;
  std::function<void(int button, int shift, float x, float y)> OnMouseUp;

  // User input, for a back end, positions in twips relative to the control. Ignored while the form is
  // unloaded or the control disabled.
  //  UserMouseDown: MouseDown; then, for the left button, UpClick when y lies in the upper half
  //    (y < Height / 2) and DownClick otherwise.
  //  UserMouseMove, UserMouseUp: MouseMove, MouseUp.
  void UserMouseDown(int button, int shift, float x, float y);
  void UserMouseMove(int button, int shift, float x, float y);
  void UserMouseUp(int button, int shift, float x, float y);

  void Describe(SnapshotFields& out) const override;

 private:
  void RaiseMouse(const std::function<void(int, int, float, float)>& event, int button, int shift, float x,
                  float y);
};

}  // namespace ui
