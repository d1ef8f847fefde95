#include "platform/lns/LnsDeviceTemplate.h"

#include <optional>

#include "platform/MachineRoot.h"
#include "platform/lns/LnsAppDevice.h"
#include "platform/lns/LnsCollection.h"
#include "platform/lns/LnsComponentApp.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/LnsInterface.h"
#include "platform/lns/resources/TemplateInterface.h"
#include "platform/lns/storage/ComponentAppStore.h"
#include "platform/lns/storage/NetworkState.h"
#include "platform/lns/storage/ServerState.h"
#include "platform/sqlite/Database.h"
#include "platform/sqlite/Transaction.h"

namespace lns {

namespace {

constexpr long kTemplateFromInterfaceFile = 1;

struct TemplateRow {
  std::string name;
  std::string programId;
};

TemplateRow LoadTemplate(sqlite::Database& db, std::int64_t id) {
  auto query = db.Query("SELECT name, program_id FROM templates WHERE id = ?", id);
  if (!query.Step()) throw LnsError(kLnsNotFound, "the device template no longer exists");
  return {query.Text(0), query.Text(1)};
}

std::int64_t DevicesUsing(sqlite::Database& db, std::int64_t templateId) {
  auto query = db.Query("SELECT COUNT(*) FROM devices WHERE template_id = ?", templateId);
  query.Step();
  return query.Int(0);
}

std::optional<std::int64_t> FindTemplate(sqlite::Database& db, std::string_view column,
                                         std::string_view value) {
  auto query =
      db.Query("SELECT id FROM templates WHERE " + std::string(column) + " = ? ORDER BY id LIMIT 1", value);
  if (!query.Step()) return std::nullopt;
  return query.Int(0);
}

}  // namespace

std::string LnsDeviceTemplate::GetName() const {
  return LoadTemplate(state_->Database(), id_).name;
}

std::string LnsDeviceTemplate::GetProgramId() const {
  return LoadTemplate(state_->Database(), id_).programId;
}

void LnsDeviceTemplate::Import(std::string_view interfaceFile) {
  state_->RequireSystemOpen();
  ImportInterface(ReadDeviceInterface(platform::MapFilePath(state_->Server().MachineRoot(), interfaceFile)));
}

void LnsDeviceTemplate::ImportInterface(const DeviceInterface& interface) {
  sqlite::Database& db = state_->Database();
  sqlite::Transaction transaction(db);
  TemplateRow row = LoadTemplate(db, id_);
  if (std::int64_t users = DevicesUsing(db, id_); users > 0) {
    throw LnsError(kLnsInvalidArgument, "the device template \"" + row.name + "\" is used by " +
                                            std::to_string(users) + " devices; its interface cannot change");
  }
  if (auto other = FindTemplate(db, "program_id", interface.programId); other && *other != id_) {
    throw LnsError(kLnsAlreadyExists, "the device template \"" + LoadTemplate(db, *other).name +
                                          "\" has the program ID " + interface.programId + " already");
  }
  StoreTemplateInterface(db, id_, interface);
  transaction.Commit();
}

LnsAppDevices LnsDeviceTemplate::GetAppDevices() const {
  return LnsAppDevices::OfTemplate(state_, id_);
}

LnsComponentApps LnsDeviceTemplate::GetComponentApps() const {
  state_->RequireSystemOpen();
  return LnsComponentApps(state_, ComponentAppKey{ComponentAppOwner::Template, id_, 0});
}

LnsInterface LnsDeviceTemplate::GetInterface() const {
  TemplateRow row = LoadTemplate(state_->Database(), id_);
  if (row.programId.empty()) {
    throw LnsError(kLnsInvalidArgument, "the device template \"" + row.name + "\" has no interface yet");
  }
  return LnsInterface(InterfaceRef{state_, 0, id_, state_->Interface(id_)});
}

long LnsDeviceTemplates::Count() const {
  auto query = state_->Database().Query("SELECT COUNT(*) FROM templates");
  query.Step();
  return static_cast<long>(query.Int(0));
}

LnsDeviceTemplate LnsDeviceTemplates::Item(long position) const {
  auto count = static_cast<std::size_t>(Count());
  CheckPosition(position, count, "the device templates");
  auto query = state_->Database().Query("SELECT id FROM templates ORDER BY id LIMIT 1 OFFSET ?",
                                        static_cast<std::int64_t>(position - 1));
  if (!query.Step()) ThrowBadPosition(position, count, "the device templates");
  return LnsDeviceTemplate(state_, query.Int(0));
}

LnsDeviceTemplate LnsDeviceTemplates::Item(std::string_view nameOrProgramId) const {
  sqlite::Database& db = state_->Database();
  auto id = FindTemplate(db, "name", nameOrProgramId);
  if (!id) id = FindTemplate(db, "program_id", nameOrProgramId);
  if (!id) ThrowNoItemNamed("the template library", "device template", nameOrProgramId);
  return LnsDeviceTemplate(state_, *id);
}

LnsDeviceTemplate LnsDeviceTemplates::Add(std::string_view name, long kind) {
  if (kind != kTemplateFromInterfaceFile) {
    throw LnsError(kLnsInvalidArgument, "device template kind " + std::to_string(kind) + " is not 1");
  }
  if (name.empty()) throw LnsError(kLnsInvalidArgument, "a device template needs a name");
  sqlite::Database& db = state_->Database();
  sqlite::Transaction transaction(db);
  if (FindTemplate(db, "name", name)) {
    throw LnsError(kLnsAlreadyExists, "a device template named \"" + std::string(name) + "\" exists already");
  }
  db.Run("INSERT INTO templates (name) VALUES (?)", name);
  std::int64_t id = db.LastInsertId();
  transaction.Commit();
  return LnsDeviceTemplate(state_, id);
}

void LnsDeviceTemplates::Remove(std::string_view name) {
  sqlite::Database& db = state_->Database();
  sqlite::Transaction transaction(db);
  auto id = FindTemplate(db, "name", name);
  if (!id) ThrowNoItemNamed("the template library", "device template", name);
  if (std::int64_t users = DevicesUsing(db, *id); users > 0) {
    throw LnsError(kLnsInvalidArgument, "the device template \"" + std::string(name) + "\" is used by " +
                                            std::to_string(users) + " devices");
  }
  for (const char* table : {"template_nvs", "template_blocks", "template_cps"}) {
    db.Run(std::string("DELETE FROM ") + table + " WHERE template_id = ?", *id);
  }
  RemoveTemplateComponentApps(db, *id);
  db.Run("DELETE FROM templates WHERE id = ?", *id);
  transaction.Commit();
}

}  // namespace lns
