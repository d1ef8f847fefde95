#include "platform/ui/FormRegistry.h"

#include <algorithm>

namespace ui {

FormRegistry::~FormRegistry() {
  // Form_Unload hooks may reach other forms, even create them; walk by position.
  for (std::size_t i = entries_.size(); i-- > 0;) {
    if (i < entries_.size()) entries_[i].form->Unload();
  }
  while (!entries_.empty()) entries_.pop_back();
}

Form* FormRegistry::FindEntry(std::type_index type) const {
  for (const Entry& entry : entries_) {
    if (entry.type == type) return entry.form.get();
  }
  return nullptr;
}

std::vector<Form*> FormRegistry::Forms() const {
  std::vector<Form*> forms;
  for (const Entry& entry : entries_) forms.push_back(entry.form.get());
  return forms;
}

void FormRegistry::DropEntry(std::type_index type) {
  auto found =
      std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) { return entry.type == type; });
  if (found == entries_.end()) return;
  found->form->Unload();
  // Unloading may have changed the list; look the entry up again before destroying it.
  found =
      std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) { return entry.type == type; });
  if (found != entries_.end()) entries_.erase(found);
}

}  // namespace ui
