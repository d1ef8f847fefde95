#include "platform/ui/qt/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QPrintDialog>
#include <QTreeView>

namespace ui {

namespace {

// Qt's file dialog opens with fixed column widths, too narrow for sizes such as "598 bytes" or a long date.
// Size, type and date take the width of their texts; once the folder is read, the dialog widens so that
// the name keeps the width Qt gives it.
void FitColumns(QFileDialog& dialog) {
  auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  auto* model = dialog.findChild<QFileSystemModel*>();
  if (!view || !model) return;  // a dialog of the platform's own
  QHeaderView* header = view->header();
  const int nameWidth = header->sectionSize(0);
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int column = 1; column < header->count(); ++column) {
    header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  }
  QObject::connect(model, &QFileSystemModel::directoryLoaded, &dialog, [&dialog, view, header, nameWidth] {
    int needed = nameWidth;
    for (int column = 1; column < header->count(); ++column) {
      if (!header->isSectionHidden(column)) needed += header->sectionSize(column);
    }
    const int missing = needed - view->viewport()->width();
    if (missing > 0) dialog.resize(dialog.width() + missing, dialog.height());
  });
}

}  // namespace

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
  FitColumns(dialog);
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
