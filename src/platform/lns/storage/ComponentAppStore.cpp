#include "platform/lns/storage/ComponentAppStore.h"

#include "platform/lns/LnsError.h"
#include "platform/sqlite/Database.h"
#include "platform/sqlite/Transaction.h"

namespace lns {

const char* const kComponentAppSchema = R"sql(
CREATE TABLE IF NOT EXISTS component_apps (
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  owner_kind INTEGER NOT NULL,
  owner_id INTEGER NOT NULL,
  owner_index INTEGER NOT NULL,
  name TEXT NOT NULL COLLATE NOCASE,
  prog_id TEXT NOT NULL,
  object_class INTEGER NOT NULL,
  command_id INTEGER NOT NULL DEFAULT 0,
  text TEXT NOT NULL DEFAULT '',
  version TEXT NOT NULL DEFAULT '',
  manufacturer_id TEXT NOT NULL DEFAULT '',
  is_default INTEGER NOT NULL DEFAULT 0,
  UNIQUE (owner_kind, owner_id, owner_index, name)
);
)sql";

namespace {

const char* ColumnOf(ComponentAppField field) {
  switch (field) {
    case ComponentAppField::Name:
      return "name";
    case ComponentAppField::ProgId:
      return "prog_id";
    case ComponentAppField::ObjectClass:
      return "object_class";
    case ComponentAppField::CommandId:
      return "command_id";
    case ComponentAppField::Text:
      return "text";
    case ComponentAppField::Version:
      return "version";
    case ComponentAppField::ManufacturerId:
      return "manufacturer_id";
    case ComponentAppField::Default:
      return "is_default";
  }
  throw LnsError(kLnsInvalidArgument, "unknown component application field");
}

constexpr const char* kOwnerCondition = "owner_kind = ? AND owner_id = ? AND owner_index = ?";

[[noreturn]] void ThrowRemoved() {
  throw LnsError(kLnsNotFound, "the component application no longer exists");
}

sqlite::Statement FieldQuery(sqlite::Database& db, std::int64_t id, ComponentAppField field) {
  auto query = db.Query(std::string("SELECT ") + ColumnOf(field) + " FROM component_apps WHERE id = ?", id);
  if (!query.Step()) ThrowRemoved();
  return query;
}

template <typename Value>
void PutField(sqlite::Database& db, std::int64_t id, ComponentAppField field, const Value& value) {
  sqlite::Transaction transaction(db);
  db.Run(std::string("UPDATE component_apps SET ") + ColumnOf(field) + " = ? WHERE id = ?", value, id);
  if (db.Changes() == 0) ThrowRemoved();
  transaction.Commit();
}

}  // namespace

std::int64_t CountComponentApps(sqlite::Database& db, const ComponentAppKey& key) {
  auto query = db.Query(std::string("SELECT COUNT(*) FROM component_apps WHERE ") + kOwnerCondition,
                        static_cast<int>(key.owner), key.ownerId, key.ownerIndex);
  query.Step();
  return query.Int(0);
}

std::optional<std::int64_t> ComponentAppAt(sqlite::Database& db, const ComponentAppKey& key, long position) {
  if (position < 1) return std::nullopt;
  auto query = db.Query(
      std::string("SELECT id FROM component_apps WHERE ") + kOwnerCondition + " ORDER BY id LIMIT 1 OFFSET ?",
      static_cast<int>(key.owner), key.ownerId, key.ownerIndex, static_cast<std::int64_t>(position - 1));
  if (!query.Step()) return std::nullopt;
  return query.Int(0);
}

std::optional<std::int64_t> ComponentAppNamed(sqlite::Database& db, const ComponentAppKey& key,
                                              std::string_view name) {
  auto query =
      db.Query(std::string("SELECT id FROM component_apps WHERE ") + kOwnerCondition + " AND name = ?",
               static_cast<int>(key.owner), key.ownerId, key.ownerIndex, name);
  if (!query.Step()) return std::nullopt;
  return query.Int(0);
}

std::int64_t AddComponentApp(sqlite::Database& db, const ComponentAppKey& key, std::string_view name,
                             std::string_view progId, long objectClass) {
  if (name.empty()) throw LnsError(kLnsInvalidArgument, "a component application needs a name");
  sqlite::Transaction transaction(db);
  if (ComponentAppNamed(db, key, name)) {
    throw LnsError(kLnsAlreadyExists,
                   "a component application named \"" + std::string(name) + "\" exists already");
  }
  db.Run(
      "INSERT INTO component_apps (owner_kind, owner_id, owner_index, name, prog_id, object_class) "
      "VALUES (?, ?, ?, ?, ?, ?)",
      static_cast<int>(key.owner), key.ownerId, key.ownerIndex, name, progId, objectClass);
  std::int64_t id = db.LastInsertId();
  transaction.Commit();
  return id;
}

void RemoveComponentApp(sqlite::Database& db, std::int64_t id) {
  sqlite::Transaction transaction(db);
  db.Run("DELETE FROM component_apps WHERE id = ?", id);
  if (db.Changes() == 0) ThrowRemoved();
  transaction.Commit();
}

void RemoveTemplateComponentApps(sqlite::Database& db, std::int64_t templateId) {
  db.Run("DELETE FROM component_apps WHERE owner_kind IN (?, ?) AND owner_id = ?",
         static_cast<int>(ComponentAppOwner::Template), static_cast<int>(ComponentAppOwner::TemplateBlock),
         templateId);
}

std::string GetComponentAppText(sqlite::Database& db, std::int64_t id, ComponentAppField field) {
  return FieldQuery(db, id, field).Text(0);
}

std::int64_t GetComponentAppNumber(sqlite::Database& db, std::int64_t id, ComponentAppField field) {
  return FieldQuery(db, id, field).Int(0);
}

void PutComponentAppText(sqlite::Database& db, std::int64_t id, ComponentAppField field,
                         std::string_view value) {
  PutField(db, id, field, value);
}

void PutComponentAppNumber(sqlite::Database& db, std::int64_t id, ComponentAppField field,
                           std::int64_t value) {
  PutField(db, id, field, value);
}

}  // namespace lns
