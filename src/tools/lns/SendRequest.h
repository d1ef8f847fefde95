#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/lns/LnsTool.h"
#include "tools/lns/SendWindows.h"

namespace lnstool {

// The answer of one file or printer dialog, in the order the dialogs come.
struct DialogAnswer {
  enum class Kind { File, CancelFile, Printer } kind;
  std::string value;  // the file, or the printer ("pdf:FILE" or a printer's name)
};

// What an `lns send` command line asks for.
struct SendRequest {
  std::string network;
  std::int32_t commandId = 0;
  std::int16_t objectClass = 0;
  std::string objectPath;
  std::optional<std::string> interfaceName;
  std::optional<std::string> snapshotFile;
  std::optional<std::string> printFile;
  std::vector<int> answers;  // message-box answers (vbOK ...), in order
  std::vector<DialogAnswer> dialogAnswers;
  std::vector<std::string> actions;  // --do lines
  MainWindowRequest window;
  bool com = false;  // --com: the plug-in object in the plug-in program, reached over the bus
};

// The request of the command line; nothing when it is not one, with `problem` telling why when the words
// alone do not (an unknown button, an action that is none).
std::optional<SendRequest> ParseSendRequest(const Args& args, std::string& problem);

// The file of a "pdf:FILE" printer; nothing for a printer's name.
std::optional<std::string> PdfFileOf(const std::string& printer);

// "COMMAND CLASS PATH" of a `send` action: the command and class as numbers, the path the rest.
struct SentCommand {
  std::int32_t commandId = 0;
  std::int16_t objectClass = 0;
  std::string objectPath;
};
std::optional<SentCommand> ParseSentCommand(const std::string& words);

}  // namespace lnstool
