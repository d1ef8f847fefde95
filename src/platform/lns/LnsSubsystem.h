#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/lns/LnsCollection.h"
#include "platform/lns/LnsNamedObject.h"
#include "platform/lns/storage/DeviceRecord.h"

namespace lns {

class LnsAppDevices;
class LnsSubsystems;
class NetworkState;

// A subsystem of the system: a folder of devices that may hold further subsystems.
class LnsSubsystem {
 public:
  LnsSubsystem(std::shared_ptr<NetworkState> state, std::int64_t id) : state_(std::move(state)), id_(id) {}

  std::string GetName() const;
  // The names from the top-level subsystem down to this one, joined by "/" ("Floor 1/Wing A").
  std::string GetPath() const;
  LnsSubsystems GetSubsystems() const;
  LnsAppDevices GetAppDevices() const;
  // The rows of its devices, read in one go, in the order the devices were created.
  std::vector<DeviceRecord> GetDeviceRecords() const;
  // Routers are not simulated: the collection is empty.
  LnsRouters GetRouters() const;

 private:
  std::shared_ptr<NetworkState> state_;
  std::int64_t id_;
};

// Subsystems in the order they were created. The collection is read when it is fetched.
class LnsSubsystems : public ListedItems<LnsSubsystems, LnsSubsystem> {
 public:
  using Entry = NamedRow;

  // The subsystems below `parentId` (0: the top-level subsystems of the system).
  static LnsSubsystems Children(std::shared_ptr<NetworkState> state, std::int64_t parentId);
  // A fixed list (a device's subsystems), to which nothing can be added.
  LnsSubsystems(std::shared_ptr<NetworkState> state, std::vector<Entry> entries, std::string owner);

  // Creates a subsystem here; throws LnsError (kLnsAlreadyExists) when the name is taken.
  LnsSubsystem Add(std::string_view name);

 private:
  friend ListedItems<LnsSubsystems, LnsSubsystem>;

  const std::vector<Entry>& Listed() const;
  LnsSubsystem Made(const Entry& entry) const { return LnsSubsystem(state_, entry.id); }
  const std::string& Owner() const { return owner_; }
  static std::string_view What() { return "subsystem"; }

  std::shared_ptr<NetworkState> state_;
  std::vector<Entry> entries_;
  std::string owner_;
  std::int64_t parentId_ = -1;  // -1: a fixed list
};

}  // namespace lns
