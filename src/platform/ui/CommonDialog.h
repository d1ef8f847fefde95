#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ui {

// Error number raised when the user cancels a dialog whose CancelError is set.
inline constexpr long cdlCancel = 32755;

// Flags of the file dialogs.
inline constexpr long cdlOFNReadOnly = 1;
inline constexpr long cdlOFNOverwritePrompt = 2;
inline constexpr long cdlOFNHideReadOnly = 4;
inline constexpr long cdlOFNPathMustExist = 2048;
inline constexpr long cdlOFNFileMustExist = 4096;

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::Open;
  std::string title;
  std::string filter;   // "Description|pattern;pattern|Description|pattern..."
  std::string initDir;  // a file-system path
  long flags = 0;
  std::string fileName;  // proposed name, may be empty
};

// One entry of a filter text: "Parameter (*.par)" with its patterns {"*.par"}.
struct FileFilter {
  std::string description;
  std::vector<std::string> patterns;
};

// Splits a filter text into its entries; a description without a pattern after it is dropped.
std::vector<FileFilter> ParseFileFilter(const std::string& filter);

// The modal file and printer dialogs of a back end.
class CommonDialogs {
 public:
  virtual ~CommonDialogs() = default;
  // The chosen file, or nothing when the user cancelled.
  virtual std::optional<std::string> ShowFile(const FileDialogRequest& request) = 0;
  // True when the user confirmed the printer dialog.
  virtual bool ShowPrinter(const std::string& title) = 0;
};

// The dialog object a window keeps: set its properties, then show one of its dialogs. With CancelError
// set, a cancel raises error cdlCancel; without it, a cancelled file dialog leaves FileName empty so that
// no caller goes on with the name of an earlier choice.
class CommonDialog {
 public:
  explicit CommonDialog(CommonDialogs& dialogs) : dialogs_(dialogs) {}

  std::string DialogTitle;
  bool CancelError = false;
  std::string Filter;
  std::string InitDir;
  long Flags = 0;
  std::string FileName;

  void ShowOpen() { ShowFile(FileDialogKind::Open); }
  void ShowSave() { ShowFile(FileDialogKind::Save); }
  void ShowPrinter();

 private:
  void ShowFile(FileDialogKind kind);
  void Cancelled() const;

  CommonDialogs& dialogs_;
};

}  // namespace ui
