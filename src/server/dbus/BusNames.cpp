#include "server/dbus/BusNames.h"

#include "framework/PlugInClass.h"
#include "platform/com/ServiceFile.h"

namespace com {

namespace {

const QString kNumberPrefix = ProjectNamed(".Error.Number");
const QString kMinus = QStringLiteral("Minus");

}  // namespace

QString PlugInBusName() {
  return QString::fromStdString(BusNameOf(qvr::PlugInComClass()));
}

QString ErrorNameOf(long number) {
  // A name element holds no '-'.
  return number < 0 ? kNumberPrefix + kMinus + QString::number(-static_cast<long long>(number))
                    : kNumberPrefix + QString::number(number);
}

std::optional<long> ErrorNumberOf(const QString& errorName) {
  if (!errorName.startsWith(kNumberPrefix)) return std::nullopt;
  QString digits = errorName.mid(kNumberPrefix.size());
  const bool negative = digits.startsWith(kMinus);
  if (negative) digits = digits.mid(kMinus.size());
  bool ok = false;
  const long long number = digits.toLongLong(&ok);
  if (!ok || digits.startsWith('+') || digits.startsWith('-')) return std::nullopt;
  return static_cast<long>(negative ? -number : number);
}

}  // namespace com
