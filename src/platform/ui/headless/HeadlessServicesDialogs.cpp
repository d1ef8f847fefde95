#include "platform/ui/headless/HeadlessServicesDialogs.h"

#include <filesystem>
#include <system_error>

#include "platform/ui/ScriptStops.h"

namespace ui {

namespace {

// Only a name that is not there at all: one that the system cannot look up (a loop of links, a folder
// that may not be entered) is chosen, and its reader tells why it cannot be read.
bool IsMissing(const std::filesystem::path& path) {
  std::error_code error;
  return !std::filesystem::exists(path, error) && !error;
}

}  // namespace

void HeadlessDialogs::QueueFile(std::string path) {
  script_.push_back({Kind::File, true, std::move(path)});
}

void HeadlessDialogs::QueueFileCancel() {
  script_.push_back({Kind::File, false, {}});
}

void HeadlessDialogs::QueuePrinter(bool confirmed, std::string printer) {
  script_.push_back({Kind::Printer, confirmed, std::move(printer)});
}

HeadlessDialogs::Scripted HeadlessDialogs::Next(Kind kind, const std::string& description) {
  if (script_.empty()) throw UnscriptedDialog("no answer queued for " + description);
  if (script_.front().kind != kind) {
    throw UnscriptedDialog("the script expected a " + std::string(kind == Kind::File ? "printer" : "file") +
                           " dialog, not " + description);
  }
  Scripted next = script_.front();
  script_.pop_front();
  return next;
}

std::optional<std::string> HeadlessDialogs::ShowFile(const FileDialogRequest& request) {
  const std::string description = std::string(request.kind == FileDialogKind::Open ? "open" : "save") +
                                  " dialog \"" + request.title + "\"";
  files_.push_back({request, std::nullopt});
  const Scripted scripted = Next(Kind::File, description);
  if (!scripted.confirmed) return std::nullopt;
  if (request.kind == FileDialogKind::Open && (request.flags & cdlOFNFileMustExist) != 0 &&
      IsMissing(scripted.path)) {
    throw UnscriptedDialog("the " + description + " accepts existing files only, and the script chose \"" +
                           scripted.path + "\"");
  }
  files_.back().chosen = scripted.path;
  return scripted.path;
}

bool HeadlessDialogs::ShowPrinter(const std::string& title) {
  printers_.push_back({title, false, {}});
  const Scripted scripted = Next(Kind::Printer, "printer dialog \"" + title + "\"");
  printers_.back().confirmed = scripted.confirmed;
  if (scripted.confirmed) printers_.back().printer = scripted.path;
  return scripted.confirmed;
}

}  // namespace ui
