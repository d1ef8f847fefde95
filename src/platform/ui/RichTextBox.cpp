#include "platform/ui/RichTextBox.h"

#include <algorithm>

#include "platform/ui/Snapshot.h"
#include "platform/ui/UiError.h"
#include "platform/ui/Utf8.h"

namespace ui {

namespace {

constexpr std::uint8_t kBold = 1;
constexpr std::uint8_t kUnderline = 2;

void CheckNotNegative(int value, const char* what) {
  if (value < 0)
    RaiseUiError(platform::kErrInvalidPropertyValue, std::string("Invalid property value: negative ") + what);
}

// Letters A to Z compare without case; every other character exactly.
std::string FoldCase(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

}  // namespace

RichTextBox::RichTextBox(Form& form, std::string name, int index)
    : StatefulControl(form, std::move(name), index) {}

const std::string& RichTextBox::Text() const {
  return S().text;
}

void RichTextBox::SetText(std::string text) {
  RichTextBoxState& state = MutableS();
  state.emphasis.assign(static_cast<std::size_t>(CharCount(text)), 0);
  state.text = std::move(text);
  state.selStart = 0;
  state.selLength = 0;
  Notify(Property::Text);
  Notify(Property::Selection);
}

int RichTextBox::SelStart() const {
  return S().selStart;
}
int RichTextBox::SelLength() const {
  return S().selLength;
}

void RichTextBox::SetSelStart(int start) {
  CheckNotNegative(start, "SelStart");
  RichTextBoxState& state = MutableS();
  start = std::min(start, static_cast<int>(state.emphasis.size()));
  if (state.selStart == start && state.selLength == 0) return;
  state.selStart = start;
  state.selLength = 0;
  Notify(Property::Selection);
}

void RichTextBox::SetSelLength(int length) {
  CheckNotNegative(length, "SelLength");
  RichTextBoxState& state = MutableS();
  length = std::min(length, static_cast<int>(state.emphasis.size()) - state.selStart);
  if (state.selLength == length) return;
  state.selLength = length;
  Notify(Property::Selection);
}

bool RichTextBox::SelHas(std::uint8_t bit) const {
  const RichTextBoxState& state = S();
  const auto at = [&](int position) {
    return (state.emphasis[static_cast<std::size_t>(position)] & bit) != 0;
  };
  if (state.selLength == 0) return state.selStart > 0 && at(state.selStart - 1);
  for (int position = state.selStart; position < state.selStart + state.selLength; ++position) {
    if (!at(position)) return false;
  }
  return true;
}

void RichTextBox::SetSel(std::uint8_t bit, bool on) {
  RichTextBoxState& state = MutableS();
  bool changed = false;
  for (int position = state.selStart; position < state.selStart + state.selLength; ++position) {
    std::uint8_t& emphasis = state.emphasis[static_cast<std::size_t>(position)];
    const std::uint8_t next = on ? (emphasis | bit) : (emphasis & ~bit);
    changed = changed || next != emphasis;
    emphasis = next;
  }
  if (changed) Notify(Property::Emphasis);
}

bool RichTextBox::SelBold() const {
  return SelHas(kBold);
}
bool RichTextBox::SelUnderline() const {
  return SelHas(kUnderline);
}
void RichTextBox::SetSelBold(bool on) {
  SetSel(kBold, on);
}
void RichTextBox::SetSelUnderline(bool on) {
  SetSel(kUnderline, on);
}

int RichTextBox::Find(const std::string& what, int start, int end) {
  const RichTextBoxState& state = S();
  const int size = static_cast<int>(state.emphasis.size());
  if (end < 0 || end > size) end = size;
  start = std::max(start, 0);
  const int length = CharCount(what);
  if (what.empty() || start + length > end) return -1;
  const std::string range = FoldCase(CharSlice(state.text, start, end - start));
  const std::size_t byte = range.find(FoldCase(what));
  if (byte == std::string::npos) return -1;
  const int found = start + CharCount(std::string_view(range).substr(0, byte));
  SetSelStart(found);
  SetSelLength(length);
  return found;
}

int RichTextBox::EmphasisAt(int position) const {
  const RichTextBoxState& state = S();
  if (position < 0 || position >= static_cast<int>(state.emphasis.size())) return 0;
  return state.emphasis[static_cast<std::size_t>(position)];
}

void RichTextBox::Describe(SnapshotFields& out) const {
  const RichTextBoxState& state = Raw();
  out.Text("text", state.text);
  out.Number("sel", static_cast<long>(state.selStart));
  out.Number("sellen", static_cast<long>(state.selLength));
  // Runs of emphasis as "from-to:bu" (end exclusive), b bold, u underline.
  std::string runs;
  const int size = static_cast<int>(state.emphasis.size());
  for (int from = 0; from < size;) {
    const std::uint8_t emphasis = state.emphasis[static_cast<std::size_t>(from)];
    int to = from;
    while (to < size && state.emphasis[static_cast<std::size_t>(to)] == emphasis) ++to;
    if (emphasis != 0) {
      if (!runs.empty()) runs += ' ';
      runs += std::to_string(from) + "-" + std::to_string(to) + ":" + ((emphasis & kBold) ? "b" : "") +
              ((emphasis & kUnderline) ? "u" : "");
    }
    from = to;
  }
  out.Text("emphasis", runs);
}

}  // namespace ui
