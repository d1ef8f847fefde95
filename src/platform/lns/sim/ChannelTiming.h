#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sqlite {
class Database;
}  // namespace sqlite

namespace lns {

class NetworkState;

// How long the network's channel takes to carry a device access. Without timing (the default) a device
// answers at once; on an FT-10 channel (78.13 kbit/s) every acknowledged read or write of a device takes
// about as long as the real channel: the request, the device's acknowledgement or answer, the channel's
// access slots and the device's turn-around.
enum class ChannelTiming { None, Ft10 };

// The name the `lns` tool gives a timing ("none", "ft10"), and back; nothing for another name.
std::optional<ChannelTiming> ParseChannelTiming(std::string_view name);

// Milliseconds of one acknowledged transaction with a device on a channel of this timing.
std::int64_t TransactionMs(ChannelTiming timing);

// The network database's table of the channel timing, made with the network (or by the first write).
extern const char* const kChannelSchema;

// The timing kept in the network database, so that every process working on the network (a plug-in, the
// `lns` tool) uses the same. A database made before the table existed has no timing.
ChannelTiming ReadChannelTiming(sqlite::Database& db);
// Whether the database has the table, so that a query may read the timing along with other things.
bool HasChannelTable(sqlite::Database& db);
// The timing column of such a query (NULL without the table), and the timing it gives.
const char* ChannelTimingColumn(bool hasChannelTable);
ChannelTiming ChannelTimingOf(const std::string& column);
void WriteChannelTiming(sqlite::Database& db, ChannelTiming timing);

// One device access's use of the channel. When the access reached the device, the event loop's thread is
// held for the channel's transaction time once the access is over, after its database transaction, so that
// other clients of the database do not wait for the channel.
class ChannelUse {
 public:
  explicit ChannelUse(NetworkState& network) : network_(network) {}
  ~ChannelUse();
  ChannelUse(const ChannelUse&) = delete;
  ChannelUse& operator=(const ChannelUse&) = delete;

  // The access reached the device (whether it then refused or not).
  void DeviceContacted(ChannelTiming timing);

 private:
  NetworkState& network_;
  std::int64_t heldMs_ = 0;
};

}  // namespace lns
