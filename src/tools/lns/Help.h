#pragma once

#include <string_view>

#include "tools/lns/LnsTool.h"

namespace lnstool {

// What one command's `--help` tells: its forms (each a line after "lns ") and what it and its options do.
struct CommandHelp {
  std::string_view name;
  std::string_view synopsis;     // one form a line
  std::string_view description;  // lines indented by two blanks
};

// The help of the command `name`; null for a name that is no command.
const CommandHelp* FindCommandHelp(std::string_view name);

// `lns --help`: every command's forms and what it does, on standard output.
void PrintGeneralHelp(ToolContext& context);
// `lns COMMAND --help`, on standard output.
void PrintCommandHelp(ToolContext& context, const CommandHelp& help);

}  // namespace lnstool
