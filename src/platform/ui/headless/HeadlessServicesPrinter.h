#pragma once

#include <vector>

#include "platform/ui/Printer.h"

namespace ui {

// Keeps every finished print job for the test to read.
class HeadlessPrintOutput : public PrintOutput {
 public:
  void Print(const PrintedDocument& document) override { documents_.push_back(document); }
  const std::vector<PrintedDocument>& Documents() const { return documents_; }

 private:
  std::vector<PrintedDocument> documents_;
};

}  // namespace ui
