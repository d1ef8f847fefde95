#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/lns/LnsCollection.h"

namespace lns {

class LnsDeviceTemplate;
class LnsInterface;
class LnsSubsystems;
class NetworkState;

// Faults injected into a simulated device, so that retries and error paths can be exercised.
struct DeviceFault {
  long refuseWrites = 0;  // the next writes that the device refuses (kLnsWriteRefused), counting down
  bool timesOut = false;  // every read and write times out (kLnsTimeout) until cleared
};

// An application device. Its state, flags and faults are read from the network database at every call, so
// that a change made by another process shows at once.
class LnsAppDevice {
 public:
  LnsAppDevice(std::shared_ptr<NetworkState> state, std::int64_t id) : state_(std::move(state)), id_(id) {}

  std::string GetName() const;
  std::string GetNeuronId() const;   // 12 hex digits
  long GetNodeId() const;            // unique in the network
  std::string GetProgramId() const;  // 16 hex digits, its template's
  long GetState() const;             // a DeviceState code
  bool GetCommissioned() const;
  bool GetStateUnknownFlag() const;
  LnsInterface GetInterface() const;
  // The subsystem that holds the device.
  LnsSubsystems GetSubsystems() const;
  LnsDeviceTemplate GetTemplate() const;

  // Simulation controls: what commissioning, the device itself or a broken link would change.
  void PutState(long state);  // 2, 3, 4, 6, 12 or 140
  void PutCommissioned(bool commissioned);
  void PutStateUnknownFlag(bool unknown);
  DeviceFault GetFault() const;
  void PutFault(const DeviceFault& fault);
  // A simulated device lives while its system is open: its outputs change on the event loop now and then.
  bool GetSimulated() const;
  void PutSimulated(bool simulated);

 private:
  std::shared_ptr<NetworkState> state_;
  std::int64_t id_;
};

// Devices in the order they were created, read when the collection is fetched. By name, the first device
// of that name (a template's devices may share names across subsystems).
class LnsAppDevices : public ListedItems<LnsAppDevices, LnsAppDevice> {
 public:
  using Entry = NamedRow;

  static LnsAppDevices InSubsystem(std::shared_ptr<NetworkState> state, std::int64_t subsystemId);
  static LnsAppDevices OfTemplate(std::shared_ptr<NetworkState> state, std::int64_t templateId);

  // Adds a device built on `deviceTemplate` (which needs an interface) to the subsystem of this collection:
  // not commissioned and unconfigured, with the template's delivered values. Throws LnsError
  // (kLnsAlreadyExists) when the subsystem has a device of that name, kLnsInvalidArgument for a template's
  // device collection.
  LnsAppDevice Add(std::string_view name, const LnsDeviceTemplate& deviceTemplate);

 private:
  friend ListedItems<LnsAppDevices, LnsAppDevice>;

  LnsAppDevices(std::shared_ptr<NetworkState> state, std::vector<Entry> entries, std::string owner,
                std::int64_t subsystemId);
  const std::vector<Entry>& Listed() const;
  LnsAppDevice Made(const Entry& entry) const { return LnsAppDevice(state_, entry.id); }
  const std::string& Owner() const { return owner_; }
  static std::string_view What() { return "device"; }

  std::shared_ptr<NetworkState> state_;
  std::vector<Entry> entries_;
  std::string owner_;
  std::int64_t subsystemId_;  // 0 when devices cannot be added here
};

}  // namespace lns
