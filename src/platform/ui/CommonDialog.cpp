#include "platform/ui/CommonDialog.h"

#include "platform/Error.h"

namespace ui {

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  while (true) {
    const auto end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

std::vector<FileFilter> ParseFileFilter(const std::string& filter) {
  std::vector<FileFilter> filters;
  if (filter.empty()) return filters;
  const std::vector<std::string> parts = Split(filter, '|');
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    FileFilter entry{parts[i], {}};
    for (const std::string& pattern : Split(parts[i + 1], ';')) {
      if (!pattern.empty()) entry.patterns.push_back(pattern);
    }
    if (!entry.patterns.empty()) filters.push_back(std::move(entry));
  }
  return filters;
}

void CommonDialog::ShowFile(FileDialogKind kind) {
  FileDialogRequest request{kind, DialogTitle, Filter, InitDir, Flags, FileName};
  std::optional<std::string> chosen = dialogs_.ShowFile(request);
  if (!chosen) {
    FileName.clear();
    Cancelled();
    return;
  }
  FileName = std::move(*chosen);
}

void CommonDialog::ShowPrinter() {
  if (!dialogs_.ShowPrinter(DialogTitle)) Cancelled();
}

void CommonDialog::Cancelled() const {
  if (CancelError) throw platform::RaisedError(cdlCancel, "CommonDialog", "Cancel was selected.");
}

}  // namespace ui
