#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/CommonDialog.h"

namespace ui {

// File and printer dialogs answered from a script, in the order the program shows them. A dialog with
// nothing queued, or with the other kind of answer queued, raises UnscriptedDialog.
class HeadlessDialogs : public CommonDialogs {
 public:
  struct FileRecord {
    FileDialogRequest request;
    std::optional<std::string> chosen;
  };
  struct PrinterRecord {
    std::string title;
    bool confirmed = false;
    std::string printer;  // the printer chosen, where the script named one
  };

  // The next file dialog returns `path`; an open dialog that requires an existing file refuses a path
  // that does not exist, as the real one would.
  void QueueFile(std::string path);
  void QueueFileCancel();
  // The next printer dialog is confirmed (with `printer` chosen) or cancelled.
  void QueuePrinter(bool confirmed, std::string printer = {});

  std::size_t PendingAnswers() const { return script_.size(); }
  const std::vector<FileRecord>& FileDialogs() const { return files_; }
  const std::vector<PrinterRecord>& PrinterDialogs() const { return printers_; }

  std::optional<std::string> ShowFile(const FileDialogRequest& request) override;
  bool ShowPrinter(const std::string& title) override;

 private:
  enum class Kind { File, Printer };
  struct Scripted {
    Kind kind;
    bool confirmed;
    std::string path;  // the file or the printer chosen
  };

  Scripted Next(Kind kind, const std::string& description);

  std::deque<Scripted> script_;
  std::vector<FileRecord> files_;
  std::vector<PrinterRecord> printers_;
};

}  // namespace ui
