#pragma once

namespace sqlite {
class Database;
}  // namespace sqlite

namespace lns {

// Something that owns an open database: the Object Server (its own data) or an open network.
class DatabaseSource {
 public:
  virtual ~DatabaseSource() = default;
  // The open database; throws LnsError (kLnsNotOpen) when its owner is closed.
  virtual sqlite::Database& Database() = 0;
};

}  // namespace lns
