#pragma once

namespace lns {

class SqliteDatabase;

// Something that owns an open database: the Object Server (its own data) or an open network.
class DatabaseSource {
 public:
  virtual ~DatabaseSource() = default;
  // The open database; throws LnsError (kLnsNotOpen) when its owner is closed.
  virtual SqliteDatabase& Database() = 0;
};

}  // namespace lns
