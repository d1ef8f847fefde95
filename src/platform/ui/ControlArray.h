#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/ui/UiError.h"

namespace ui {

class Form;

// A control array: controls of one kind and one name told apart by their index, with gaps allowed
// (txtNci has 0 to 55, 70 to 75, 80 to 83 and 90 to 93). Elements are created with Add while the form is
// designed. Handlers are set once for the whole array with On and receive the element's index first:
//
//   txtNci.On(&ui::TextBox::OnChange, [this](int Index) { txtNci_Change(Index); });
//   txtNci.On(&ui::TextBox::OnKeyPress, [this](int Index, int& KeyAscii) { txtNci_KeyPress(Index, KeyAscii);
//   });
//
// Elements added after On get the same handlers.
template <class T>
class ControlArray {
 public:
  ControlArray(Form& form, std::string name) : form_(form), name_(std::move(name)) {}
  ControlArray(const ControlArray&) = delete;
  ControlArray& operator=(const ControlArray&) = delete;

  const std::string& Name() const { return name_; }

  // Creates element `index`; error 360 when it exists already.
  T& Add(int index) {
    if (Exists(index)) {
      RaiseUiError(platform::kErrArrayElementExists,
                   "Object already loaded: " + name_ + "(" + std::to_string(index) + ")");
    }
    auto element = std::make_unique<T>(form_, name_, index);
    T& added = *element;
    elements_.emplace(index, std::move(element));
    for (const auto& bind : binders_) bind(added);
    return added;
  }

  // Element `index`; error 340 ("Control array element 'n' doesn't exist") for a missing one.
  T& operator[](int index) const {
    auto found = elements_.find(index);
    if (found == elements_.end()) {
      RaiseUiError(platform::kErrNoSuchArrayElement,
                   "Control array element '" + std::to_string(index) + "' doesn't exist");
    }
    return *found->second;
  }

  bool Exists(int index) const { return elements_.count(index) != 0; }
  int Count() const { return static_cast<int>(elements_.size()); }
  // The lowest and highest index; error 340 for an empty array.
  int LBound() const { return Bound(elements_.begin()); }
  int UBound() const { return Bound(elements_.rbegin()); }
  // The indexes in ascending order.
  std::vector<int> Indexes() const {
    std::vector<int> indexes;
    for (const auto& [index, element] : elements_) indexes.push_back(index);
    return indexes;
  }

  // Sets one event of every element (present and future). `event` is the event member of the kind (or of
  // ui::Control); `handler` takes the index and then the event's own arguments.
  template <class C, class... Args, class Handler>
  void On(std::function<void(Args...)> C::*event, Handler handler) {
    static_assert(std::is_base_of_v<C, T>, "the event must belong to the element kind");
    auto bind = [event, handler](T& element) {
      const int index = element.Index();
      element.*event = [handler, index](Args... args) { handler(index, std::forward<Args>(args)...); };
    };
    for (const auto& [index, element] : elements_) bind(*element);
    binders_.push_back(bind);
  }

 private:
  template <class Iterator>
  int Bound(Iterator it) const {
    if (elements_.empty())
      RaiseUiError(platform::kErrNoSuchArrayElement, "Control array " + name_ + " has no elements");
    return it->first;
  }

  Form& form_;
  std::string name_;
  std::map<int, std::unique_ptr<T>> elements_;
  std::vector<std::function<void(T&)>> binders_;
};

}  // namespace ui
