#include "platform/lns/resources/TemplateInterface.h"

#include <algorithm>
#include <set>

#include "platform/lns/LnsError.h"
#include "platform/sqlite/Database.h"

namespace lns {

namespace {

// Initial and delivered texts in interface files use "." as the decimal separator.
constexpr std::string_view kFileDecimalSeparator = ".";

RawValue ParseDefault(const LonType& type, const std::string& text, const std::string& what) {
  try {
    return type.Parse(text, kFileDecimalSeparator);
  } catch (const LnsError& error) {
    throw LnsError(kLnsBadFile, what + ": " + error.Description());
  }
}

template <typename Item, typename Key>
void CheckUnique(const std::vector<Item>& items, Key key, const std::string& what) {
  std::set<decltype(key(items.front()))> seen;
  for (const Item& item : items) {
    if (!seen.insert(key(item)).second) throw LnsError(kLnsBadFile, what + " occurs twice in the interface");
  }
}

}  // namespace

const TemplateInterface::NetworkVariable* TemplateInterface::FindNetworkVariable(int index) const {
  auto found = std::lower_bound(networkVariables.begin(), networkVariables.end(), index,
                                [](const NetworkVariable& nv, int wanted) { return nv.index < wanted; });
  return found != networkVariables.end() && found->index == index ? &*found : nullptr;
}

std::span<const int> TemplateInterface::PropertiesOf(CpOwner owner, int ownerIndex) const {
  const auto found = positionsByOwner.find({owner, ownerIndex});
  if (found == positionsByOwner.end()) return {};
  return found->second;
}

void StoreTemplateInterface(sqlite::Database& db, std::int64_t templateId, const DeviceInterface& interface) {
  if (!interface.networkVariables.empty()) {
    CheckUnique(
        interface.networkVariables, [](const NvDefinition& nv) { return nv.index; },
        "a network variable index");
  }
  if (!interface.blocks.empty()) {
    CheckUnique(
        interface.blocks, [](const BlockDefinition& block) { return block.index; }, "a block index");
  }
  for (const char* table : {"template_nvs", "template_blocks", "template_cps"}) {
    db.Run(std::string("DELETE FROM ") + table + " WHERE template_id = ?", templateId);
  }
  for (const NvDefinition& nv : interface.networkVariables) {
    RawValue initial = ParseDefault(FindLonType(nv.type), nv.initial, "initial value of " + nv.name);
    db.Run(
        "INSERT INTO template_nvs (template_id, nv_index, name, direction, value_type, initial) "
        "VALUES (?, ?, ?, ?, ?, ?)",
        templateId, nv.index, nv.name, nv.direction == NvDirection::Output, nv.type, initial);
  }
  for (const BlockDefinition& block : interface.blocks) {
    db.Run("INSERT INTO template_blocks (template_id, block_index, name, profile) VALUES (?, ?, ?, ?)",
           templateId, block.index, block.name, block.profile);
  }
  int position = 0;
  for (const CpDefinition& cp : interface.configProperties) {
    RawValue delivered = ParseDefault(FindPropertyType(cp.typeName, cp.valueType), cp.delivered,
                                      "delivered value of " + cp.typeName);
    db.Run(
        "INSERT INTO template_cps (template_id, position, owner_kind, owner_index, scope, type_index, "
        "type_name, "
        "value_type, delivered) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
        templateId, position++, static_cast<int>(cp.owner), cp.ownerIndex, cp.scope, cp.typeIndex,
        cp.typeName, cp.valueType, delivered);
  }
  db.Run("UPDATE templates SET program_id = ?, revision = revision + 1 WHERE id = ?", interface.programId,
         templateId);
}

std::shared_ptr<const TemplateInterface> LoadTemplateInterface(sqlite::Database& db,
                                                               std::int64_t templateId) {
  auto result = std::make_shared<TemplateInterface>();
  auto program = db.Query("SELECT program_id FROM templates WHERE id = ?", templateId);
  if (program.Step()) result->programId = program.Text(0);

  auto nvs = db.Query(
      "SELECT nv_index, name, direction, value_type, initial FROM template_nvs WHERE template_id = ? "
      "ORDER BY nv_index",
      templateId);
  while (nvs.Step()) {
    result->networkVariables.push_back({static_cast<int>(nvs.Int(0)), nvs.Text(1),
                                        nvs.Int(2) ? NvDirection::Output : NvDirection::Input,
                                        &FindLonType(nvs.Text(3)), nvs.Blob(4)});
  }
  auto blocks = db.Query(
      "SELECT block_index, name, profile FROM template_blocks WHERE template_id = ? ORDER BY block_index",
      templateId);
  while (blocks.Step()) {
    result->blocks.push_back(
        {static_cast<int>(blocks.Int(0)), blocks.Text(1), static_cast<int>(blocks.Int(2))});
  }
  auto cps = db.Query(
      "SELECT position, owner_kind, owner_index, scope, type_index, type_name, value_type, delivered "
      "FROM template_cps WHERE template_id = ? ORDER BY position",
      templateId);
  while (cps.Step()) {
    std::string typeName = cps.Text(5);
    const LonType& type = FindPropertyType(typeName, cps.Text(6));
    result->configProperties.push_back({static_cast<int>(cps.Int(0)), static_cast<CpOwner>(cps.Int(1)),
                                        static_cast<int>(cps.Int(2)), static_cast<int>(cps.Int(3)),
                                        static_cast<int>(cps.Int(4)), typeName, &type, cps.Blob(7)});
  }
  for (const TemplateInterface::ConfigProperty& cp : result->configProperties)
    result->positionsByOwner[{cp.owner, cp.ownerIndex}].push_back(cp.position);
  return result;
}

}  // namespace lns
