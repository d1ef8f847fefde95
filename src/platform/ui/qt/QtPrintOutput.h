#pragma once

#include <QPrinter>
#include <string>

#include "platform/ui/Printer.h"

namespace ui {

// Renders finished print jobs on a QPrinter: the system's printer, or a PDF file when one is named.
// Items stand at their character column measured in the average character width of their font; a page
// that runs full continues on the next sheet.
class QtPrintOutput : public PrintOutput {
 public:
  QtPrintOutput();
  explicit QtPrintOutput(const std::string& pdfPath);

  void Print(const PrintedDocument& document) override;

  // The printer the printer dialog configures.
  QPrinter& Device() { return printer_; }

 private:
  QPrinter printer_;
};

}  // namespace ui
