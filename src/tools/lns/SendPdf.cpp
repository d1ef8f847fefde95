#include "tools/lns/SendPdf.h"

#include "platform/ui/UiPlatform.h"
#include "platform/ui/headless/HeadlessServicesDialogs.h"
#include "tools/lns/SendRequest.h"

namespace lnstool {

void PdfPrinterChoice::Print(const ui::PrintedDocument& document) {
  const auto& printers = dialogs_.PrinterDialogs();
  if (printers.empty()) return;
  if (const auto pdfFile = PdfFileOf(printers.back().printer)) windows_.PrintPdf(document, *pdfFile);
}

}  // namespace lnstool
