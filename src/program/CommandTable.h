#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qvr {

// One command of the plug-in as the network registration and the dispatch see it.
struct CommandEntry {
  std::int32_t CommandId = 0;
  std::int32_t ObjectClassId = 0;
  std::string CommandLabel;
  std::string ComponentAppText;
  bool MakeDefault = false;
  std::int32_t RegistrationLevel = 0;  // 1 Object Server, 2 system, 3 device templates, 4 LonMark objects
  std::string LonMarkObjectName;
};

using CommandTableRows = std::array<CommandEntry, 2>;

// Fills the two rows: "Configure" (13) and the plug-in's own command (10000), both for application devices.
void InitCommandTable(CommandTableRows& table);

}  // namespace qvr
