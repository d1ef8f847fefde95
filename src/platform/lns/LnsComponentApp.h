#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/lns/storage/ComponentAppStore.h"

namespace lns {

class DatabaseSource;

// A component application: a plug-in's command registered for a class of objects at one place (the Object
// Server, a system, a device template or one of its LonMark objects).
class LnsComponentApp {
 public:
  LnsComponentApp(std::shared_ptr<DatabaseSource> source, std::int64_t id)
      : source_(std::move(source)), id_(id) {}

  std::string GetName() const;
  std::string GetProgId() const;
  long GetObjectClass() const;
  long GetCommandId() const;
  void PutCommandId(long commandId);
  std::string GetText() const;
  void PutText(std::string_view text);
  std::string GetVersion() const;
  void PutVersion(std::string_view version);
  std::string GetManufacturerId() const;
  void PutManufacturerId(std::string_view manufacturerId);
  bool GetDefault() const;
  void PutDefault(bool isDefault);

 private:
  std::string Text(ComponentAppField field) const;
  long Number(ComponentAppField field) const;
  void PutText(ComponentAppField field, std::string_view value);
  void PutNumber(ComponentAppField field, long value);

  std::shared_ptr<DatabaseSource> source_;
  std::int64_t id_;
};

// The component applications of one place, in the order they were added; positions count from 1. The
// collection reads the database at every call, so additions and removals show at once.
class LnsComponentApps {
 public:
  LnsComponentApps(std::shared_ptr<DatabaseSource> source, ComponentAppKey key)
      : source_(std::move(source)), key_(key) {}

  long Count() const;
  LnsComponentApp Item(long position) const;
  LnsComponentApp Item(std::string_view name) const;
  LnsComponentApp ItemByIndex(long position) const { return Item(position); }

  // Adds an entry; throws LnsError (kLnsAlreadyExists) when the name is taken here.
  LnsComponentApp Add(std::string_view name, std::string_view progId, long objectClass);
  void Remove(long position);
  void Remove(std::string_view name);

 private:
  std::shared_ptr<DatabaseSource> source_;
  ComponentAppKey key_;
};

}  // namespace lns
