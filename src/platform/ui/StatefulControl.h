#pragma once

#include <utility>

#include "platform/ui/Control.h"

namespace ui {

// A control whose own properties sit in one copyable State: reading or writing them loads an unloaded
// form, and a form's new load starts again from the State it had at its first load (the design).
template <class State>
class StatefulControl : public Control {
 protected:
  using Control::Control;

  const State& S() const {
    EnsureFormLoaded();
    return state_;
  }
  State& MutableS() {
    EnsureFormLoaded();
    return state_;
  }
  // The state without loading the form (snapshots).
  const State& Raw() const { return state_; }

  // Sets one field; tells the peer and returns true only when the value really changed.
  template <class V, class Arg>
  bool Assign(V State::*field, Arg&& value, Property property, int item = -1) {
    EnsureFormLoaded();
    if (state_.*field == value) return false;
    state_.*field = std::forward<Arg>(value);
    Notify(property, item);
    return true;
  }

  void CaptureDesign() override {
    Control::CaptureDesign();
    design_ = state_;
  }
  void RestoreDesign() override {
    Control::RestoreDesign();
    state_ = design_;
  }

 private:
  State state_;
  State design_;
};

}  // namespace ui
