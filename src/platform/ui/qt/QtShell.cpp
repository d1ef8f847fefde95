#include "platform/ui/qt/QtShell.h"

#include <QProcess>

#include "platform/Error.h"
#include "platform/runtime/RuntimeErrors.h"

namespace ui {

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
