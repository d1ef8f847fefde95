#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/lns/resources/DeviceInterfaceFile.h"

namespace lns {

class LnsAppDevices;
class LnsComponentApps;
class LnsInterface;
class NetworkState;

// A device template: a name, and once an interface is imported, a program ID and the interface that every
// device built on it has.
class LnsDeviceTemplate {
 public:
  LnsDeviceTemplate(std::shared_ptr<NetworkState> state, std::int64_t id)
      : state_(std::move(state)), id_(id) {}

  std::string GetName() const;
  // "" until an interface is imported.
  std::string GetProgramId() const;

  // Imports a device interface file (a Windows path mapped into the machine root, or an absolute path).
  // Throws LnsError: kLnsBadFile for a file that cannot be read, kLnsAlreadyExists when another template has
  // the interface's program ID, kLnsInvalidArgument while devices use this template.
  void Import(std::string_view interfaceFile);
  void ImportInterface(const DeviceInterface& interface);

  // The devices built on this template, in the order they were created.
  LnsAppDevices GetAppDevices() const;
  LnsComponentApps GetComponentApps() const;
  // Throws LnsError (kLnsInvalidArgument) before an interface is imported.
  LnsInterface GetInterface() const;

 private:
  friend class LnsAppDevices;

  std::shared_ptr<NetworkState> state_;
  std::int64_t id_;
};

// The device templates of a system, in the order they were created; read anew at every call.
class LnsDeviceTemplates {
 public:
  explicit LnsDeviceTemplates(std::shared_ptr<NetworkState> state) : state_(std::move(state)) {}

  long Count() const;
  LnsDeviceTemplate Item(long position) const;
  // By the template's name, or else by its program ID.
  LnsDeviceTemplate Item(std::string_view nameOrProgramId) const;
  // Creates an empty template to import an interface into; `kind` 1 (the only kind: a template made from an
  // interface file). Throws LnsError (kLnsAlreadyExists) when the name is taken.
  LnsDeviceTemplate Add(std::string_view name, long kind);
  // Removes a template that no device uses, with its component applications.
  void Remove(std::string_view name);

 private:
  std::shared_ptr<NetworkState> state_;
};

}  // namespace lns
