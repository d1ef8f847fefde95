#include "platform/lns/sim/ChannelTiming.h"

#include <string>

#include "platform/lns/LnsError.h"
#include "platform/lns/storage/NetworkState.h"
#include "platform/lns/storage/ServerState.h"
#include "platform/sqlite/Database.h"

namespace lns {

namespace {

// An acknowledged FT-10 transaction: two frames of about 20 bytes with their preamble and CRC (about 5 ms at
// 78.13 kbit/s), the priority and randomising slots before each, and the device's processing time.
constexpr std::int64_t kFt10TransactionMs = 11;

}  // namespace

const char* const kChannelSchema = R"sql(
CREATE TABLE IF NOT EXISTS channel (
  id INTEGER PRIMARY KEY CHECK (id = 1),
  timing TEXT NOT NULL
);
)sql";

std::optional<ChannelTiming> ParseChannelTiming(std::string_view name) {
  if (name == "none") return ChannelTiming::None;
  if (name == "ft10") return ChannelTiming::Ft10;
  return std::nullopt;
}

std::int64_t TransactionMs(ChannelTiming timing) {
  return timing == ChannelTiming::Ft10 ? kFt10TransactionMs : 0;
}

ChannelTiming ReadChannelTiming(sqlite::Database& db) {
  try {
    auto query = db.Query("SELECT timing FROM channel WHERE id = 1");
    if (!query.Step()) return ChannelTiming::None;
    return ChannelTimingOf(query.Text(0));
  } catch (const LnsError& error) {
    if (error.Number() != kLnsDatabase) throw;
    return ChannelTiming::None;  // a database without the table
  }
}

bool HasChannelTable(sqlite::Database& db) {
  return db.Query("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'channel'").Step();
}

const char* ChannelTimingColumn(bool hasChannelTable) {
  return hasChannelTable ? "(SELECT timing FROM channel WHERE id = 1)" : "NULL";
}

ChannelTiming ChannelTimingOf(const std::string& column) {
  return ParseChannelTiming(column).value_or(ChannelTiming::None);
}

void WriteChannelTiming(sqlite::Database& db, ChannelTiming timing) {
  // A network made before channels had a timing gets the table now.
  db.Execute(kChannelSchema);
  db.Run(
      "INSERT INTO channel (id, timing) VALUES (1, ?) ON CONFLICT (id) DO UPDATE SET timing = "
      "excluded.timing",
      std::string(timing == ChannelTiming::Ft10 ? "ft10" : "none"));
}

ChannelUse::~ChannelUse() {
  if (heldMs_ > 0) network_.Server().Loop().Occupy(heldMs_);
}

void ChannelUse::DeviceContacted(ChannelTiming timing) {
  heldMs_ = TransactionMs(timing);
}

}  // namespace lns
