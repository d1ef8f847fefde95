#include "platform/lns/LnsSubsystem.h"

#include "platform/lns/LnsAppDevice.h"
#include "platform/lns/LnsCollection.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/storage/NetworkState.h"
#include "platform/sqlite/Database.h"
#include "platform/sqlite/Transaction.h"

namespace lns {

namespace {

struct SubsystemRow {
  std::int64_t parentId = 0;
  std::string name;
};

SubsystemRow LoadSubsystem(sqlite::Database& db, std::int64_t id) {
  auto query = db.Query("SELECT parent_id, name FROM subsystems WHERE id = ?", id);
  if (!query.Step()) throw LnsError(kLnsNotFound, "the subsystem no longer exists in the network");
  return {query.Int(0), query.Text(1)};
}

std::string OwnerText(NetworkState& state, std::int64_t parentId) {
  if (parentId == 0) return "the system \"" + state.Name() + "\"";
  return "the subsystem \"" + LoadSubsystem(state.Database(), parentId).name + "\"";
}

}  // namespace

std::string LnsSubsystem::GetName() const {
  return LoadSubsystem(state_->Database(), id_).name;
}

std::string LnsSubsystem::GetPath() const {
  SubsystemRow row = LoadSubsystem(state_->Database(), id_);
  std::string path = row.name;
  while (row.parentId != 0) {
    row = LoadSubsystem(state_->Database(), row.parentId);
    path = row.name + "/" + path;
  }
  return path;
}

LnsSubsystems LnsSubsystem::GetSubsystems() const {
  return LnsSubsystems::Children(state_, id_);
}

LnsAppDevices LnsSubsystem::GetAppDevices() const {
  return LnsAppDevices::InSubsystem(state_, id_);
}

std::vector<DeviceRecord> LnsSubsystem::GetDeviceRecords() const {
  return LoadSubsystemDevices(state_->Database(), id_);
}

LnsRouters LnsSubsystem::GetRouters() const {
  return LnsRouters("the subsystem \"" + GetName() + "\"", "router", {});
}

LnsSubsystems LnsSubsystems::Children(std::shared_ptr<NetworkState> state, std::int64_t parentId) {
  std::vector<Entry> entries = ReadNamedRows(
      state->Database().Query("SELECT id, name FROM subsystems WHERE parent_id = ? ORDER BY id", parentId));
  std::string owner = OwnerText(*state, parentId);
  LnsSubsystems subsystems(std::move(state), std::move(entries), std::move(owner));
  subsystems.parentId_ = parentId;
  return subsystems;
}

LnsSubsystems::LnsSubsystems(std::shared_ptr<NetworkState> state, std::vector<Entry> entries,
                             std::string owner)
    : state_(std::move(state)), entries_(std::move(entries)), owner_(std::move(owner)) {}

const std::vector<LnsSubsystems::Entry>& LnsSubsystems::Listed() const {
  state_->RequireSystemOpen();
  return entries_;
}

LnsSubsystem LnsSubsystems::Add(std::string_view name) {
  if (parentId_ < 0) throw LnsError(kLnsInvalidArgument, "subsystems cannot be added to " + owner_);
  if (name.empty() || name.find('/') != std::string_view::npos) {
    throw LnsError(kLnsInvalidArgument, "a subsystem needs a name without \"/\"");
  }
  sqlite::Database& db = state_->Database();
  sqlite::Transaction transaction(db);
  if (db.Query("SELECT 1 FROM subsystems WHERE parent_id = ? AND name = ?", parentId_, name).Step()) {
    throw LnsError(kLnsAlreadyExists,
                   owner_ + " has a subsystem named \"" + std::string(name) + "\" already");
  }
  db.Run("INSERT INTO subsystems (parent_id, name) VALUES (?, ?)", parentId_, name);
  std::int64_t id = db.LastInsertId();
  transaction.Commit();
  entries_.push_back({id, std::string(name)});
  return LnsSubsystem(state_, id);
}

}  // namespace lns
