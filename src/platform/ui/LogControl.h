#pragma once

#include <string>
#include <vector>

#include "platform/ui/StatefulControl.h"

namespace ui {

struct LogLine {
  std::string text;
  bool error = false;
  bool operator==(const LogLine&) const = default;
};

struct LogControlState {
  std::vector<LogLine> lines;
  std::string logFile;
};

// The event log: ordinary lines and error lines in the order they came, errors shown apart (a back end
// marks them and lists them on their own). Saving writes a text file, one line per entry, error lines
// beginning with "ERROR: ", through a temporary file renamed into place.
class LogControl : public StatefulControl<LogControlState> {
 public:
  LogControl(Form& form, std::string name, int index = -1);

  std::string_view Kind() const override { return "LogControl"; }

  void LogLine(std::string text);
  void ErrorLine(std::string text);
  void ClearLog();
  const std::vector<ui::LogLine>& Lines() const;
  // The error lines alone, in order.
  std::vector<std::string> ErrorLines() const;

  // The file that SaveLog writes (a file-system path); empty until set or chosen.
  const std::string& LogFile() const;
  void SetLogFile(std::string path);
  // Writes the log to LogFile; without one, asks like SaveLogAs.
  void SaveLog();
  // Asks for the file with the save dialog of the application's services ("Log (*.log)|*.log", asking
  // before overwriting), remembers it as LogFile and writes the log; a cancelled dialog saves nothing.
  // A file that cannot be written raises error 75 (path/file access error) and keeps the old file.
  void SaveLogAs();

  // The text that saving writes.
  std::string FileText() const;

  void Describe(SnapshotFields& out) const override;

 private:
  void Append(std::string text, bool error);
};

}  // namespace ui
