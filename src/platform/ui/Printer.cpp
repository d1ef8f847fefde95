#include "platform/ui/Printer.h"

#include <algorithm>

namespace ui {

PrintedPage& Printer::CurrentPage() {
  if (!pageOpen_) {
    document_.pages.emplace_back();
    pageOpen_ = true;
  }
  return document_.pages.back();
}

int Printer::CurrentLineEnd() const {
  if (line_.items.empty()) return 1;
  const PrintedItem& last = line_.items.back();
  return last.column + static_cast<int>(last.text.size());
}

void Printer::PrintAt(int column, const std::string& text) {
  column = std::max(1, column);
  if (!line_.items.empty() && column < CurrentLineEnd()) NewLine();
  line_.items.push_back(PrintedItem{column, text, font_});
}

void Printer::NewLine() {
  line_.font = font_;
  CurrentPage().lines.push_back(std::move(line_));
  line_ = PrintedLine{};
}

void Printer::NewPage() {
  if (!line_.items.empty()) NewLine();
  CurrentPage();
  pageOpen_ = false;
}

void Printer::KillDoc() {
  document_ = PrintedDocument{};
  line_ = PrintedLine{};
  pageOpen_ = false;
}

void Printer::EndDoc() {
  if (!line_.items.empty()) NewLine();
  auto& pages = document_.pages;
  while (!pages.empty() && pages.back().lines.empty()) pages.pop_back();
  PrintedDocument finished = std::move(document_);
  document_ = PrintedDocument{};
  pageOpen_ = false;
  if (!finished.Empty()) output_.Print(finished);
}

}  // namespace ui
