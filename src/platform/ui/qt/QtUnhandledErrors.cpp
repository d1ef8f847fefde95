#include "platform/ui/qt/QtUnhandledErrors.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QtGlobal>
#include <string>

#include "platform/Error.h"
#include "platform/ui/ScriptStops.h"

namespace ui {

namespace {

void Report(const QString& text) {
  qCritical("%s", qPrintable(text));
  auto* box = new QMessageBox(QMessageBox::Critical, QCoreApplication::applicationName(), text);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->show();
}

}  // namespace

void RunGuarded(const std::function<void()>& work) {
  try {
    work();
  } catch (const platform::RaisedError& error) {
    Report(QStringLiteral("Run-time error '%1':\n\n%2")
               .arg(error.Number())
               .arg(QString::fromStdString(error.Description())));
  } catch (const std::exception& error) {
    Report(QString::fromStdString(error.what()));
  } catch (const ScriptStop& stop) {
    // Nothing may leave through Qt's event dispatch; inside it, a stop is shown like any other error.
    Report(QString::fromStdString(stop.what()));
  }
}

}  // namespace ui
