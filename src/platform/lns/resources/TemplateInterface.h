#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/lns/resources/DeviceInterfaceFile.h"
#include "platform/lns/types/LonTypes.h"

namespace sqlite {
class Database;
}  // namespace sqlite

namespace lns {

// A device template's interface as the object model serves it: the value types resolved and the initial and
// delivered values as raw bytes. Loaded once per template revision and shared by all handles.
struct TemplateInterface {
  struct NetworkVariable {
    int index = 0;
    std::string name;
    NvDirection direction = NvDirection::Input;
    const LonType* type = nullptr;
    RawValue initial;
  };
  struct Block {
    int index = 0;
    std::string name;
    int profile = 0;
  };
  struct ConfigProperty {
    int position = 0;  // place in the template's list of properties, the key of its stored values
    CpOwner owner = CpOwner::Device;
    int ownerIndex = 0;
    int scope = 0;
    int typeIndex = 0;
    std::string typeName;
    const LonType* type = nullptr;
    RawValue delivered;
  };

  std::string programId;
  std::vector<NetworkVariable> networkVariables;  // by ascending index
  std::vector<Block> blocks;                      // by ascending index
  std::vector<ConfigProperty> configProperties;   // in the interface's own order
  // The positions of each owner's properties, gathered once: the object model asks for them at every call.
  std::map<std::pair<CpOwner, int>, std::vector<int>> positionsByOwner;

  const NetworkVariable* FindNetworkVariable(int index) const;
  // The positions of the properties that belong to one owner, in the interface's order; they live as long
  // as the interface.
  std::span<const int> PropertiesOf(CpOwner owner, int ownerIndex) const;
};

// Checks the interface (each value type known, each initial and delivered value valid, no index twice) and
// stores it as the template's new interface with its program ID; the caller holds the transaction.
void StoreTemplateInterface(sqlite::Database& db, std::int64_t templateId, const DeviceInterface& interface);

// Reads a template's stored interface.
std::shared_ptr<const TemplateInterface> LoadTemplateInterface(sqlite::Database& db, std::int64_t templateId);

}  // namespace lns
