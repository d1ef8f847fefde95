#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/StatefulControl.h"

namespace ui {

struct RichTextBoxState {
  std::string text;
  // One entry per character: bit 0 bold, bit 1 underline.
  std::vector<std::uint8_t> emphasis;
  int selStart = 0;
  int selLength = 0;
};

// A read-only rich-text pane: plain text with two emphasis attributes per character (bold and
// underline), a selection, and search. Positions count characters of the UTF-8 text.
class RichTextBox : public StatefulControl<RichTextBoxState> {
 public:
  RichTextBox(Form& form, std::string name, int index = -1);

  std::string_view Kind() const override { return "RichTextBox"; }
  bool Focusable() const override { return true; }

  const std::string& Text() const;
  // Replaces the whole text, plain, with the caret at the start.
  void SetText(std::string text);

  // The selection; values beyond the text are cut to it, negative ones raise error 380. SetSelStart
  // empties the selection.
  int SelStart() const;
  int SelLength() const;
  void SetSelStart(int start);
  void SetSelLength(int length);

  // True when every selected character (or, with an empty selection, the one before the caret) has the
  // attribute. Setting it applies to the selected characters.
  bool SelBold() const;
  bool SelUnderline() const;
  void SetSelBold(bool on);
  void SetSelUnderline(bool on);

  // Searches `what` between `start` and `end` (-1: the end of the text), ignoring the case of letters.
  // Selects and returns the position of the first occurrence that lies wholly in the range, or returns
  // -1 and keeps the selection.
  int Find(const std::string& what, int start = 0, int end = -1);

  // The emphasis of character `position` (0 outside the text): bit 0 bold, bit 1 underline.
  int EmphasisAt(int position) const;

  void Describe(SnapshotFields& out) const override;

 private:
  bool SelHas(std::uint8_t bit) const;
  void SetSel(std::uint8_t bit, bool on);
};

}  // namespace ui
