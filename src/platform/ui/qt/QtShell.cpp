#include "platform/ui/qt/QtShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QUrl>

#include "platform/Error.h"
#include "platform/runtime/RuntimeErrors.h"

namespace ui {

namespace {

// A path stays a path (even one with a colon in it); anything with a scheme is an address.
QUrl UrlOf(const std::string& target) {
  const QString text = QString::fromStdString(target);
  if (QDir::isAbsolutePath(text) || !QUrl(text).isValid() || QUrl(text).scheme().isEmpty()) {
    return QUrl::fromLocalFile(text);
  }
  return QUrl(text);
}

}  // namespace

void QtShell::Open(const std::string& target, int /*showCommand: the desktop places its windows*/) {
  // Like the system's shell call, the outcome is not examined: a target nobody can open is no error.
  QDesktopServices::openUrl(UrlOf(target));
}

void QtShell::StartProgram(const std::vector<std::string>& argv) {
  if (argv.empty() || argv.front().empty()) {
    runtime::RaiseInvalidCall("Shell", "no program to start");
  }
  QStringList arguments;
  for (std::size_t i = 1; i < argv.size(); ++i) arguments << QString::fromStdString(argv[i]);
  if (!QProcess::startDetached(QString::fromStdString(argv.front()), arguments)) {
    runtime::RaiseFileNotFound("Shell", "cannot start " + argv.front());
  }
}

}  // namespace ui
