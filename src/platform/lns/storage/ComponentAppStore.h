#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sqlite {
class Database;
}  // namespace sqlite

namespace lns {

// Where a component application is registered. The Object Server's own entries live in its database, the
// others in the network's.
enum class ComponentAppOwner { Server = 0, System = 1, Template = 2, TemplateBlock = 3 };

struct ComponentAppKey {
  ComponentAppOwner owner = ComponentAppOwner::Server;
  std::int64_t ownerId = 0;  // the template's id for Template and TemplateBlock
  int ownerIndex = 0;        // the block index for TemplateBlock
};

// The fields of an entry, with the names of their columns.
enum class ComponentAppField { Name, ProgId, ObjectClass, CommandId, Text, Version, ManufacturerId, Default };

// The table, created in both kinds of database.
extern const char* const kComponentAppSchema;

std::int64_t CountComponentApps(sqlite::Database& db, const ComponentAppKey& key);
// Entries in the order they were added; nothing when the position or name is not there.
std::optional<std::int64_t> ComponentAppAt(sqlite::Database& db, const ComponentAppKey& key, long position);
std::optional<std::int64_t> ComponentAppNamed(sqlite::Database& db, const ComponentAppKey& key,
                                              std::string_view name);
// Adds an entry; throws LnsError (kLnsAlreadyExists) when the name is taken in that place.
std::int64_t AddComponentApp(sqlite::Database& db, const ComponentAppKey& key, std::string_view name,
                             std::string_view progId, long objectClass);
void RemoveComponentApp(sqlite::Database& db, std::int64_t id);
// Removes every entry of a template and its blocks.
void RemoveTemplateComponentApps(sqlite::Database& db, std::int64_t templateId);

// Field access; throws LnsError (kLnsNotFound) when the entry was removed meanwhile.
std::string GetComponentAppText(sqlite::Database& db, std::int64_t id, ComponentAppField field);
std::int64_t GetComponentAppNumber(sqlite::Database& db, std::int64_t id, ComponentAppField field);
void PutComponentAppText(sqlite::Database& db, std::int64_t id, ComponentAppField field,
                         std::string_view value);
void PutComponentAppNumber(sqlite::Database& db, std::int64_t id, ComponentAppField field,
                           std::int64_t value);

}  // namespace lns
