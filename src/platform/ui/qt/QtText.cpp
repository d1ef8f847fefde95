#include "platform/ui/qt/QtText.h"

namespace ui {

QString QtTextOf(const std::string& text) {
  QString converted = QString::fromStdString(text);
  converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  converted.replace(QChar('\r'), QChar('\n'));
  return converted;
}

QString QtPlainCaptionOf(const std::string& caption) {
  const QString text = QtTextOf(caption);
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '&') {
      if (i + 1 < text.size() && text[i + 1] == '&') {
        shown += '&';
        ++i;
      }
      continue;
    }
    shown += text[i];
  }
  return shown;
}

}  // namespace ui
