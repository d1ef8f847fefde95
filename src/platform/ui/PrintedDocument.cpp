#include "platform/ui/PrintedDocument.h"

namespace ui {

namespace {

std::string LineText(const PrintedLine& line) {
  std::string text;
  for (const PrintedItem& item : line.items) {
    const std::size_t start = static_cast<std::size_t>(item.column - 1);
    if (text.size() < start) text.resize(start, ' ');
    text += item.text;
  }
  return text;
}

}  // namespace

std::string PrintedDocument::ToText() const {
  std::string text;
  for (std::size_t page = 0; page < pages.size(); ++page) {
    if (page > 0) text += "\f\n";
    for (const PrintedLine& line : pages[page].lines) text += LineText(line) + "\n";
  }
  return text;
}

}  // namespace ui
