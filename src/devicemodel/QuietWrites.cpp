#include "devicemodel/QuietWrites.h"

#include <functional>
#include <utility>

namespace qvr {

namespace {

// Takes one event handler of a control away for its lifetime.
template <typename Signature>
class MutedHandler {
 public:
  explicit MutedHandler(std::function<Signature>& handler)
      : handler_(handler), saved_(std::exchange(handler, {})) {}
  ~MutedHandler() { handler_ = std::move(saved_); }
  MutedHandler(const MutedHandler&) = delete;
  MutedHandler& operator=(const MutedHandler&) = delete;

 private:
  std::function<Signature>& handler_;
  std::function<Signature> saved_;
};

}  // namespace

void ShowText(ui::TextBox& box, std::string text) {
  MutedHandler change(box.OnChange);
  box.SetText(std::move(text));
}

void ShowText(ui::ComboBox& combo, std::string text) {
  MutedHandler change(combo.OnChange);
  MutedHandler click(combo.OnClick);
  combo.SetText(std::move(text));
}

void ShowChoice(ui::ComboBox& combo, std::optional<int> choice) {
  if (!choice) return;
  MutedHandler change(combo.OnChange);
  MutedHandler click(combo.OnClick);
  combo.SetListIndex(*choice);
}

void ShowTab(ui::TabControl& tabs, int tab) {
  MutedHandler click(tabs.OnClick);
  tabs.SetTab(tab);
}

void ShowUnchanged(ui::TextBox& box, const std::string& text) {
  ShowText(box, text);
  box.SetForeColor(ui::vbButtonText);
}

}  // namespace qvr
