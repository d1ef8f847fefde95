#include "platform/ui/qt/QtPrintOutput.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "platform/Error.h"
#include "platform/ErrorNumbers.h"

namespace ui {

namespace {

QFont FontOf(const PrinterFont& font, QPaintDevice* device) {
  QFont result(QFont(), device);
  result.setPointSizeF(font.size);
  result.setBold(font.bold);
  result.setUnderline(font.underline);
  // The rows are names and values, not prose: no ligatures, so that a PDF's text reads "Offset" as printed.
  result.setStyleStrategy(QFont::PreferNoShaping);
  return result;
}

double LineHeight(const PrintedLine& line, QPaintDevice* device) {
  double height = QFontMetricsF(FontOf(line.font, device), device).lineSpacing();
  for (const PrintedItem& item : line.items) {
    height = std::max(height, QFontMetricsF(FontOf(item.font, device), device).lineSpacing());
  }
  return height;
}

}  // namespace

QtPrintOutput::QtPrintOutput() : printer_(QPrinter::HighResolution) {}

QtPrintOutput::QtPrintOutput(const std::string& pdfPath) : printer_(QPrinter::HighResolution) {
  printer_.setOutputFormat(QPrinter::PdfFormat);
  printer_.setOutputFileName(QString::fromStdString(pdfPath));
}

void QtPrintOutput::Print(const PrintedDocument& document) {
  QPainter painter;
  if (!painter.begin(&printer_)) {
    throw platform::RaisedError(platform::kErrPrinter, "Printer",
                                "Printer error: the printer cannot be opened");
  }
  const double pageHeight = printer_.pageRect(QPrinter::DevicePixel).height();
  bool firstSheet = true;
  for (const PrintedPage& page : document.pages) {
    if (!firstSheet) printer_.newPage();
    firstSheet = false;
    double top = 0;
    for (const PrintedLine& line : page.lines) {
      const double height = LineHeight(line, &printer_);
      if (top > 0 && top + height > pageHeight) {
        printer_.newPage();
        top = 0;
      }
      for (const PrintedItem& item : line.items) {
        const QFont font = FontOf(item.font, &printer_);
        const QFontMetricsF metrics(font, &printer_);
        painter.setFont(font);
        const double left = (item.column - 1) * metrics.averageCharWidth();
        painter.drawText(QPointF(left, top + metrics.ascent()), QString::fromStdString(item.text));
      }
      top += height;
    }
  }
  painter.end();
}

}  // namespace ui
