#include "platform/ui/qt/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>

namespace ui {

QStringList NameFiltersOf(const std::string& filter) {
  QStringList names;
  for (const FileFilter& entry : ParseFileFilter(filter)) {
    QStringList patterns;
    for (const std::string& pattern : entry.patterns) patterns << QString::fromStdString(pattern);
    const QString list = patterns.join(' ');
    const QString description = QString::fromStdString(entry.description);
    // Qt reads the patterns from the parentheses at the end of the name.
    names << (description.endsWith('(' + list + ')') ? description
                                                     : (description + " (" + list + ")").trimmed());
  }
  return names;
}

std::optional<std::string> QtDialogs::ShowFile(const FileDialogRequest& request) {
  QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(request.title),
                     QString::fromStdString(request.initDir));
  const QStringList filters = NameFiltersOf(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
  if (request.kind == FileDialogKind::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, (request.flags & cdlOFNOverwritePrompt) == 0);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode((request.flags & cdlOFNFileMustExist) != 0 ? QFileDialog::ExistingFile
                                                                  : QFileDialog::AnyFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(dialog.selectedFiles().front()).toStdString();
}

bool QtDialogs::ShowPrinter(const std::string& title) {
  QPrintDialog dialog(&printer_, QApplication::activeWindow());
  dialog.setWindowTitle(QString::fromStdString(title));
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace ui
