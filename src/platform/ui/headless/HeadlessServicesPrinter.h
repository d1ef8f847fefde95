#pragma once

#include <vector>

#include "platform/ui/Printer.h"

namespace ui {

// Keeps every finished print job for the test to read, after handing it to the output set to print it
// as well, if any: a job that output refuses is not kept.
class HeadlessPrintOutput : public PrintOutput {
 public:
  void Print(const PrintedDocument& document) override {
    if (alsoTo_) alsoTo_->Print(document);
    documents_.push_back(document);
  }
  const std::vector<PrintedDocument>& Documents() const { return documents_; }
  void AlsoPrintTo(PrintOutput* output) { alsoTo_ = output; }

 private:
  std::vector<PrintedDocument> documents_;
  PrintOutput* alsoTo_ = nullptr;
};

}  // namespace ui
