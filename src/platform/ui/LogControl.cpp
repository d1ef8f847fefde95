#include "platform/ui/LogControl.h"

#include "platform/WriteFileWhole.h"
#include "platform/ui/Application.h"
#include "platform/ui/CommonDialog.h"
#include "platform/ui/Form.h"
#include "platform/ui/Services.h"
#include "platform/ui/Snapshot.h"
#include "platform/ui/UiError.h"

namespace ui {

namespace {

constexpr const char* kErrorPrefix = "ERROR: ";

void WriteLogFile(const std::string& path, const std::string& content) {
  try {
    platform::WriteFileWhole(path, content);
  } catch (const platform::FileWriteError& error) {
    RaiseUiError(platform::kErrPathFileAccess,
                 "Path/File access error: cannot write " + path + ": " + error.what());
  }
}

}  // namespace

LogControl::LogControl(Form& form, std::string name, int index)
    : StatefulControl(form, std::move(name), index) {}

void LogControl::Append(std::string text, bool error) {
  auto& lines = MutableS().lines;
  lines.push_back({std::move(text), error});
  Notify(Property::LogLineAdded, static_cast<int>(lines.size()) - 1);
}

void LogControl::LogLine(std::string text) {
  Append(std::move(text), false);
}
void LogControl::ErrorLine(std::string text) {
  Append(std::move(text), true);
}

void LogControl::ClearLog() {
  auto& lines = MutableS().lines;
  if (lines.empty()) return;
  lines.clear();
  Notify(Property::LogCleared);
}

const std::vector<ui::LogLine>& LogControl::Lines() const {
  return S().lines;
}

std::vector<std::string> LogControl::ErrorLines() const {
  std::vector<std::string> errors;
  for (const auto& line : S().lines) {
    if (line.error) errors.push_back(line.text);
  }
  return errors;
}

const std::string& LogControl::LogFile() const {
  return S().logFile;
}
void LogControl::SetLogFile(std::string path) {
  MutableS().logFile = std::move(path);
}

std::string LogControl::FileText() const {
  std::string text;
  for (const auto& line : S().lines) {
    if (line.error) text += kErrorPrefix;
    text += line.text;
    text += '\n';
  }
  return text;
}

void LogControl::SaveLog() {
  if (LogFile().empty()) {
    SaveLogAs();
    return;
  }
  WriteLogFile(LogFile(), FileText());
}

void LogControl::SaveLogAs() {
  FileDialogRequest request;
  request.kind = FileDialogKind::Save;
  request.title = "Save Log As";
  request.filter = "Log (*.log)|*.log|Text (*.txt)|*.txt";
  request.flags = cdlOFNOverwritePrompt;
  request.fileName = LogFile();
  const std::optional<std::string> chosen = Parent().App().UiServices().Dialogs().ShowFile(request);
  if (!chosen || chosen->empty()) return;
  WriteLogFile(*chosen, FileText());
  SetLogFile(*chosen);
}

void LogControl::Describe(SnapshotFields& out) const {
  out.Number("lines", static_cast<long>(Raw().lines.size()));
  for (const auto& line : Raw().lines) out.SubLine(line.error ? "error" : "line").Text("text", line.text);
}

}  // namespace ui
