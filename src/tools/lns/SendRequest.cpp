#include "tools/lns/SendRequest.h"

#include <limits>
#include <string_view>

#include "platform/ui/MessageBox.h"
#include "platform/ui/ScriptStops.h"
#include "platform/ui/script/UserAction.h"
#include "tools/lns/WholeNumber.h"

namespace lnstool {

namespace {

constexpr std::string_view kPdfPrefix = "pdf:";

bool SetPositional(SendRequest& request, const std::vector<std::string>& positional) {
  if (positional.size() != 4) return false;
  auto commandId = ParseNumber<std::int32_t>(positional[1]);
  auto objectClass = ParseNumber<std::int16_t>(positional[2]);
  if (!commandId || !objectClass) return false;
  request.network = positional[0];
  request.commandId = *commandId;
  request.objectClass = *objectClass;
  request.objectPath = positional[3];
  return true;
}

// Takes a repeatable option's value into the request; false when it is not a valid one.
bool TakeRepeated(SendRequest& request, const std::string& option, const std::string& value,
                  std::string& problem) {
  if (option == "--answer") {
    const auto answer = ui::AnswerOfButtonName(value);
    if (!answer) problem = "no button \"" + value + "\" (ok cancel abort retry ignore yes no)";
    if (answer) request.answers.push_back(*answer);
    return answer.has_value();
  }
  if (option == "--file") {
    request.dialogAnswers.push_back({DialogAnswer::Kind::File, value});
  } else if (option == "--printer") {
    if (value == kPdfPrefix) problem = "--printer pdf: names no file (pdf:FILE)";
    if (value == kPdfPrefix) return false;
    request.dialogAnswers.push_back({DialogAnswer::Kind::Printer, value});
  } else {
    try {
      ui::ParseUserAction(value);
    } catch (const ui::ActionRefused& refused) {
      problem = refused.what();
      return false;
    }
    request.actions.push_back(value);
  }
  return true;
}

}  // namespace

std::optional<SendRequest> ParseSendRequest(const Args& args, std::string& problem) {
  SendRequest request;
  std::vector<std::string> positional;
  for (std::size_t index = 0; index < args.size(); ++index) {
    const std::string& word = args[index];
    if (word == "--show" || word == "--com") {
      bool& flag = word == "--com" ? request.com : request.window.show;
      if (flag) return std::nullopt;
      flag = true;
      continue;
    }
    if (word == "--cancel-file") {
      request.dialogAnswers.push_back({DialogAnswer::Kind::CancelFile, {}});
      continue;
    }
    const bool repeated = word == "--answer" || word == "--file" || word == "--printer" || word == "--do";
    std::optional<std::string>* option = word == "--interface"    ? &request.interfaceName
                                         : word == "--snapshot"   ? &request.snapshotFile
                                         : word == "--print"      ? &request.printFile
                                         : word == "--screenshot" ? &request.window.screenshotFile
                                                                  : nullptr;
    if (!option && !repeated) {
      positional.push_back(word);
      continue;
    }
    if (index + 1 == args.size()) return std::nullopt;
    const std::string& value = args[++index];
    if (repeated) {
      if (!TakeRepeated(request, word, value, problem)) return std::nullopt;
      continue;
    }
    if (option->has_value()) return std::nullopt;
    *option = value;
  }
  if (!SetPositional(request, positional)) return std::nullopt;
  return request;
}

std::optional<std::string> PdfFileOf(const std::string& printer) {
  if (!printer.starts_with(kPdfPrefix)) return std::nullopt;
  return printer.substr(kPdfPrefix.size());
}

std::optional<SentCommand> ParseSentCommand(const std::string& words) {
  const std::size_t first = words.find(' ');
  const std::size_t second = first == std::string::npos ? first : words.find(' ', first + 1);
  if (second == std::string::npos || second + 1 == words.size()) return std::nullopt;
  auto commandId = ParseNumber<std::int32_t>(words.substr(0, first));
  auto objectClass = ParseNumber<std::int16_t>(words.substr(first + 1, second - first - 1));
  if (!commandId || !objectClass) return std::nullopt;
  return SentCommand{*commandId, *objectClass, words.substr(second + 1)};
}

}  // namespace lnstool
