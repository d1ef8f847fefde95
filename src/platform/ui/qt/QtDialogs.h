#pragma once

#include <QPrinter>

#include "platform/ui/CommonDialog.h"

namespace ui {

// File dialogs as QFileDialog, the printer dialog as QPrintDialog on the printer that prints the jobs.
class QtDialogs : public CommonDialogs {
 public:
  explicit QtDialogs(QPrinter& printer) : printer_(printer) {}

  std::optional<std::string> ShowFile(const FileDialogRequest& request) override;
  bool ShowPrinter(const std::string& title) override;

 private:
  QPrinter& printer_;
};

// Qt's name filters for a filter text: "Parameter (*.par)" stays as it is, "Texts" with "*.txt;*.log"
// becomes "Texts (*.txt *.log)".
QStringList NameFiltersOf(const std::string& filter);

}  // namespace ui
