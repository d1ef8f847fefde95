#pragma once

#include <string>

#include "platform/ui/PrintedDocument.h"

namespace ui {

// Where finished print jobs go: a recording in tests, a real printer or a PDF file in the Qt back end.
class PrintOutput {
 public:
  virtual ~PrintOutput() = default;
  virtual void Print(const PrintedDocument& document) = 0;
};

// The system printer as a stream of text lines. The program sets the font, places texts at character
// columns of the current line, ends lines and pages, and ends the document, which sends it to the output.
class Printer {
 public:
  explicit Printer(PrintOutput& output) : output_(output) {}

  void SetFontSize(double points) { font_.size = points; }
  void SetFontBold(bool bold) { font_.bold = bold; }
  // The one emphasis the program uses besides bold.
  void SetFontUnderline(bool underline) { font_.underline = underline; }

  // Places `text` at `column` (1-based) of the current line. A column left of where the line's text
  // already reaches starts a new line first, so that texts never overprint one another.
  void PrintAt(int column, const std::string& text);
  // Ends the current line; with nothing placed on it, that is an empty line.
  void NewLine();
  void NewPage();
  // Ends the document and sends it to the output. A pending line is ended first; a trailing page that
  // holds nothing is dropped, and a document with nothing on it is not sent at all.
  void EndDoc();
  // Abandons the document: nothing of it is sent, and the next document starts empty.
  void KillDoc();

  // What has been composed since the last EndDoc.
  const PrintedDocument& Pending() const { return document_; }

 private:
  PrintedPage& CurrentPage();
  int CurrentLineEnd() const;

  PrintOutput& output_;
  PrinterFont font_;
  PrintedDocument document_;
  PrintedLine line_;
  bool pageOpen_ = false;
};

}  // namespace ui
