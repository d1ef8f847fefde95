#include "platform/lns/LnsLonMarkObject.h"

#include "platform/lns/LnsCollection.h"
#include "platform/lns/LnsComponentApp.h"
#include "platform/lns/LnsConfigProperty.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/storage/NetworkState.h"
#include "platform/sqlite/Database.h"

namespace lns {

namespace {

constexpr int kHighestScope = 6;

}  // namespace

int LnsLonMarkObject::GetMode() const {
  sqlite::Database& db = ref_.network->Database();
  if (!ref_.OfDevice()) return 0;
  auto query = db.Query("SELECT mode FROM block_modes WHERE device_id = ? AND block_index = ?", ref_.deviceId,
                        block_->index);
  return query.Step() ? static_cast<int>(query.Int(0)) : 0;
}

void LnsLonMarkObject::PutMode(int mode) {
  if (mode < 0 || mode > kHighestScope) {
    throw LnsError(kLnsInvalidArgument,
                   "mode " + std::to_string(mode) + " is not a resource scope from 0 to 6");
  }
  if (!ref_.OfDevice()) {
    throw LnsError(kLnsInvalidArgument,
                   "the LonMark object " + block_->name + " of a device template has no mode");
  }
  // Setting the mode the object has already changes nothing, and writes nothing (a read-only root allows it).
  if (GetMode() == mode) return;
  // One statement, so it is a transaction of its own.
  ref_.network->Database().Run(
      "INSERT INTO block_modes (device_id, block_index, mode) VALUES (?, ?, ?) "
      "ON CONFLICT (device_id, block_index) DO UPDATE SET mode = excluded.mode",
      ref_.deviceId, block_->index, mode);
}

LnsConfigProperties LnsLonMarkObject::GetConfigProperties() const {
  return LnsConfigProperties(ref_, ref_.interface->PropertiesOf(CpOwner::Block, block_->index));
}

LnsComponentApps LnsLonMarkObject::GetComponentApps() const {
  ref_.network->Database();
  return LnsComponentApps(ref_.network,
                          ComponentAppKey{ComponentAppOwner::TemplateBlock, ref_.templateId, block_->index});
}

const std::vector<TemplateInterface::Block>& LnsLonMarkObjects::Listed() const {
  ref_.network->Database();
  return ref_.interface->blocks;
}

}  // namespace lns
