#pragma once

#include <memory>
#include <typeindex>
#include <utility>
#include <vector>

#include "platform/ui/Form.h"

namespace ui {

// The program's single-instance windows: each form class has at most one instance, created on first use.
// Get<F>() creates the form when needed and loads it when it is not loaded, so that reaching a window
// through its accessor loads it, as reading a property of an unloaded window does. The registry unloads
// and destroys its forms, newest first, when it goes away.
class FormRegistry {
 public:
  FormRegistry() = default;
  FormRegistry(const FormRegistry&) = delete;
  FormRegistry& operator=(const FormRegistry&) = delete;
  ~FormRegistry();

  // The instance of F, loaded; `args` are passed to F's constructor when it is created.
  template <class F, class... Args>
  F& Get(Args&&... args) {
    F* form = Find<F>();
    if (!form) {
      auto created = std::make_unique<F>(std::forward<Args>(args)...);
      form = created.get();
      entries_.push_back({std::type_index(typeid(F)), std::move(created)});
    }
    form->Load();
    return *form;
  }

  // The instance of F if one exists, loaded or not; creates and loads nothing.
  template <class F>
  F* Find() const {
    return static_cast<F*>(FindEntry(std::type_index(typeid(F))));
  }

  // Every form created so far, loaded or not, in the order of creation.
  std::vector<Form*> Forms() const;

  // Unloads F when it exists and is loaded; creates nothing.
  template <class F>
  void Unload() {
    if (F* form = Find<F>()) form->Unload();
  }

  // Unloads and destroys the instance of F, so that the next use creates a fresh one. Never call it from
  // a handler of that form.
  template <class F>
  void Drop() {
    DropEntry(std::type_index(typeid(F)));
  }

 private:
  struct Entry {
    std::type_index type;
    std::unique_ptr<Form> form;
  };

  Form* FindEntry(std::type_index type) const;
  void DropEntry(std::type_index type);

  std::vector<Entry> entries_;
};

}  // namespace ui
