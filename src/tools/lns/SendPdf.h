#pragma once

#include "platform/ui/Printer.h"

namespace ui {
class HeadlessDialogs;
class UiPlatform;
}  // namespace ui

namespace lnstool {

// `lns send --printer pdf:FILE` headless: a finished print job goes into the PDF file of the printer the
// last printer dialog was confirmed with, drawn as the windows' printer draws it; a job for a printer
// named otherwise is only recorded.
class PdfPrinterChoice : public ui::PrintOutput {
 public:
  PdfPrinterChoice(const ui::HeadlessDialogs& dialogs, ui::UiPlatform& windows)
      : dialogs_(dialogs), windows_(windows) {}

  void Print(const ui::PrintedDocument& document) override;

 private:
  const ui::HeadlessDialogs& dialogs_;
  ui::UiPlatform& windows_;
};

}  // namespace lnstool
