#include "platform/lns/sim/DeviceAccess.h"

#include <optional>

#include "platform/lns/DeviceStates.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/sim/ChannelTiming.h"
#include "platform/lns/storage/DeviceRecord.h"
#include "platform/lns/storage/NetworkState.h"
#include "platform/lns/storage/ServerState.h"
#include "platform/sqlite/Database.h"
#include "platform/sqlite/Transaction.h"

namespace lns {

namespace {

enum class ValueKind { NetworkVariable = 0, ConfigProperty = 1 };

// A value of a device, and how messages name it ("the network variable nviTemp"); the name is made only for
// a message, since values are read far more often than they fail.
struct ValueSlot {
  ValueKind kind;
  int number;  // NV index or property position
  const std::string& name;

  std::string Label() const {
    return (kind == ValueKind::NetworkVariable ? "the network variable " : "the configuration property ") +
           name;
  }
};

template <typename Operation>
auto Recorded(const InterfaceRef& ref, const Operation& operation) {
  try {
    return operation();
  } catch (const LnsError& error) {
    ref.network->RecordError(error);
    throw;
  }
}

void RequireDevice(const InterfaceRef& ref, const ValueSlot& slot) {
  if (!ref.OfDevice()) {
    throw LnsError(kLnsInvalidArgument,
                   slot.Label() + " belongs to a device template, which holds no device values");
  }
}

std::string NotOnlineReason(const DeviceRecord& device) {
  if (device.networkMode != kNetworkModeOnNet) return "the network is off-net";
  if (!device.commissioned) return "it is not commissioned";
  return "its state is " + DeviceStateName(device.state);
}

// Contacting the device: it has to answer (no time-out fault) and take the write (no refusal left).
// A refusal counts down in the same transaction as the check, so no two clients use up one refusal.
void ContactDevice(sqlite::Database& db, ChannelUse& channel, ChannelTiming timing,
                   const DeviceRecord& device, const ValueSlot& slot, bool writing) {
  channel.DeviceContacted(timing);
  if (device.timesOut) {
    throw LnsError(kLnsTimeout, device.name + " did not answer when " + slot.Label() + " was " +
                                    (writing ? "written" : "read") + " (time-out)");
  }
  if (writing && device.refuseWrites > 0) {
    UpdateDevice(db, device.id, "refuse_writes", device.refuseWrites - 1);
    throw LnsError(kLnsWriteRefused, device.name + " refused the write of " + slot.Label());
  }
}

void StoreValue(sqlite::Database& db, std::int64_t deviceId, const ValueSlot& slot, const RawValue& raw) {
  db.Run(
      "INSERT INTO device_values (device_id, kind, number, raw) VALUES (?, ?, ?, ?) "
      "ON CONFLICT (device_id, kind, number) DO UPDATE SET raw = excluded.raw",
      deviceId, static_cast<int>(slot.kind), slot.number, raw);
}

std::string ReadValue(const InterfaceRef& ref, const ValueSlot& slot, const LonType& type,
                      const RawValue& fallback) {
  sqlite::Database& db = ref.network->Database();
  ChannelUse channel(*ref.network);
  auto [device, stored, timing] = LoadDeviceValue(db, ref.deviceId, static_cast<int>(slot.kind), slot.number,
                                                  ref.network->HasChannelTable());
  if (slot.kind == ValueKind::NetworkVariable) {
    if (!device.Online()) {
      throw LnsError(kLnsDeviceNotOnline, device.name + " is not online (" + NotOnlineReason(device) +
                                              "): " + slot.Label() + " cannot be read");
    }
    ContactDevice(db, channel, timing, device, slot, false);
  }
  return type.Format(stored.value_or(fallback), ref.network->Server().DecimalSeparator());
}

void WriteValue(const InterfaceRef& ref, const ValueSlot& slot, const LonType& type, std::string_view text) {
  // Parsed before anything else, so that a refused text touches neither the device nor its fault counters.
  RawValue raw = type.Parse(text, ref.network->Server().DecimalSeparator());
  sqlite::Database& db = ref.network->Database();
  ChannelUse channel(*ref.network);  // ends after the transaction
  sqlite::Transaction transaction(db);
  DeviceRecord device = LoadDevice(db, ref.deviceId);
  if (device.Online()) {
    try {
      ContactDevice(db, channel, ReadChannelTiming(db), device, slot, true);
    } catch (const LnsError&) {
      transaction.Commit();  // keeps the used-up refusal
      throw;
    }
  } else if (slot.kind == ValueKind::NetworkVariable) {
    throw LnsError(kLnsDeviceNotOnline, device.name + " is not online (" + NotOnlineReason(device) +
                                            "): " + slot.Label() + " cannot be written");
  }
  StoreValue(db, ref.deviceId, slot, raw);
  transaction.Commit();
}

ValueSlot SlotOf(const TemplateInterface::NetworkVariable& nv) {
  return {ValueKind::NetworkVariable, nv.index, nv.name};
}

ValueSlot SlotOf(const TemplateInterface::ConfigProperty& cp) {
  return {ValueKind::ConfigProperty, cp.position, cp.typeName};
}

}  // namespace

std::string ReadNetworkVariable(const InterfaceRef& ref, const TemplateInterface::NetworkVariable& nv) {
  return Recorded(ref, [&] {
    RequireDevice(ref, SlotOf(nv));
    return ReadValue(ref, SlotOf(nv), *nv.type, nv.initial);
  });
}

void WriteNetworkVariable(const InterfaceRef& ref, const TemplateInterface::NetworkVariable& nv,
                          std::string_view text) {
  Recorded(ref, [&] {
    RequireDevice(ref, SlotOf(nv));
    WriteValue(ref, SlotOf(nv), *nv.type, text);
  });
}

std::string ReadConfigProperty(const InterfaceRef& ref, const TemplateInterface::ConfigProperty& cp) {
  return Recorded(ref, [&] {
    if (!ref.OfDevice()) return cp.type->Format(cp.delivered, ref.network->Server().DecimalSeparator());
    return ReadValue(ref, SlotOf(cp), *cp.type, cp.delivered);
  });
}

void WriteConfigProperty(const InterfaceRef& ref, const TemplateInterface::ConfigProperty& cp,
                         std::string_view text) {
  Recorded(ref, [&] {
    RequireDevice(ref, SlotOf(cp));
    WriteValue(ref, SlotOf(cp), *cp.type, text);
  });
}

}  // namespace lns
