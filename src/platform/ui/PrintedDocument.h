#pragma once

#include <string>
#include <vector>

namespace ui {

struct PrinterFont {
  double size = 10;
  bool bold = false;
  bool underline = false;
  bool operator==(const PrinterFont&) const = default;
};

// A text placed at a character column (1 = the left margin) in the font that was current then.
struct PrintedItem {
  int column = 1;
  std::string text;
  PrinterFont font;
};

struct PrintedLine {
  std::vector<PrintedItem> items;
  PrinterFont font;  // the font when the line ended; it gives an empty line its height
};

struct PrintedPage {
  std::vector<PrintedLine> lines;
};

// A print job as the program composed it: explicit pages of lines. Overflow of a long page onto the
// next sheet is the output device's business.
struct PrintedDocument {
  std::vector<PrintedPage> pages;

  bool Empty() const { return pages.empty(); }
  // The document as plain text: items padded to their columns, one text line per printed line, and a
  // form feed line between pages.
  std::string ToText() const;
};

}  // namespace ui
