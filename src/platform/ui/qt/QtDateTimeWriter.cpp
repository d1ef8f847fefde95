#include "platform/ui/qt/QtDateTimeWriter.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace ui {

std::string QtDateTimeWriter::DateText(const LocalDateTime& moment) const {
  return QLocale().toString(QDate(moment.year, moment.month, moment.day), QLocale::ShortFormat).toStdString();
}

// With seconds, as the printout has always had them, but without the long format's time zone.
std::string QtDateTimeWriter::TimeText(const LocalDateTime& moment) const {
  const QLocale locale;
  QString format = locale.timeFormat(QLocale::LongFormat);
  format.remove(QLatin1Char('t'));
  return locale.toString(QTime(moment.hour, moment.minute, moment.second), format.trimmed()).toStdString();
}

}  // namespace ui
