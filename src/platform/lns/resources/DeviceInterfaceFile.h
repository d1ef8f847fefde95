#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace lns {

// What a device interface file (one per model, in data/interfaces/) says of a device's interface.

enum class NvDirection { Input, Output };

struct NvDefinition {
  int index = 0;  // the network variable's index on the device
  std::string name;
  NvDirection direction = NvDirection::Input;
  std::string type;     // value type name, e.g. "SNVT_switch"
  std::string initial;  // initial value as text with "." as the decimal separator
};

struct BlockDefinition {
  int index = 0;  // LonMark object index, 0 the node object
  std::string name;
  int profile = 0;  // functional profile number
};

enum class CpOwner { Device, Block, NetworkVariable };

struct CpDefinition {
  CpOwner owner = CpOwner::Device;
  int ownerIndex = 0;  // block index or network-variable index; 0 for the device
  int scope = 0;       // resource scope: 0 standard, 3 the maker's
  int typeIndex = 0;
  std::string typeName;   // "SCPTholdTime", "UCPTgeneralCP1", ...
  std::string valueType;  // "SNVT_time_sec", ...
  std::string delivered;  // delivered value as text with "." as the decimal separator
};

struct DeviceInterface {
  std::string model;      // "qvrl207"
  std::string programId;  // 16 upper-case hex digits
  std::vector<NvDefinition> networkVariables;
  std::vector<BlockDefinition> blocks;
  std::vector<CpDefinition> configProperties;
};

// Reads and checks an interface file; throws LnsError (kLnsBadFile) with the file name and line number of
// the first fault (unknown keyword, bad number, unknown value type, a delivered value its type refuses, ...).
// A file that cannot be read gives kLnsNotFound. Format: docs/interface-files.md.
DeviceInterface ReadDeviceInterface(const std::filesystem::path& file);

}  // namespace lns
