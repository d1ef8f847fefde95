#include "platform/sqlite/Database.h"

#include <sqlite3.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <thread>

#include "platform/sqlite/BackedIndexVfs.h"
#include "platform/sqlite/Overwriting.h"

namespace sqlite {

namespace {

constexpr std::size_t kExcerptLength = 80;
// SQLite's own threshold for writing the log into the database, which its default commit hook keeps.
constexpr int kCheckpointFrames = 1000;
// A log that grew past this (a long read held its end back) is cut down to it once it starts again from its
// beginning; the last connection to close cuts it to nothing.
constexpr const char* kLogSizeLimit = "PRAGMA journal_size_limit = 4194304";

bool IsMissingOrEmpty(const std::filesystem::path& file) {
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  return error || size == 0;
}

// Root, too, honours a file whose write permissions were all taken away.
bool IsWritable(const std::filesystem::path& file) {
  std::error_code error;
  auto status = std::filesystem::status(file, error);
  if (error || !std::filesystem::exists(status)) return true;
  using std::filesystem::perms;
  bool anyWriteBit =
      (status.permissions() & (perms::owner_write | perms::group_write | perms::others_write)) != perms::none;
  return anyWriteBit && access(file.c_str(), W_OK) == 0;
}

// A file name as a URI path: the characters that URIs reserve are percent-encoded.
std::string UriPath(const std::filesystem::path& file) {
  std::string path;
  for (char c : std::filesystem::absolute(file).string()) {
    if (c == '%' || c == '?' || c == '#') {
      char code[4];
      std::snprintf(code, sizeof code, "%%%02X", static_cast<unsigned char>(c));
      path += code;
    } else {
      path += c;
    }
  }
  return path;
}

// The statement as an error message names it: on one line, and cut short.
std::string Excerpt(std::string_view sql) {
  std::string excerpt;
  for (char c : sql) {
    bool blank = std::isspace(static_cast<unsigned char>(c));
    if (blank && (excerpt.empty() || excerpt.back() == ' ')) continue;
    excerpt += blank ? ' ' : c;
  }
  bool cut = excerpt.size() > kExcerptLength;
  if (cut) excerpt.resize(kExcerptLength);
  if (!excerpt.empty() && excerpt.back() == ' ') excerpt.pop_back();
  return cut ? excerpt.append("...") : excerpt;
}

std::string Message(const std::filesystem::path& file, std::string_view reason, std::string_view sql) {
  std::string message = file.string();
  message.append(": ").append(reason);
  if (!sql.empty()) message.append(" (").append(Excerpt(sql)).append(")");
  return message;
}

}  // namespace

void Database::Closer::operator()(sqlite3* db) const {
  sqlite3_close(db);
}

Database::Database(const std::filesystem::path& file, OpenOptions options) : file_(file), options_(options) {
  // A path that cannot be looked at fails the open below with the system's reason.
  std::error_code ignored;
  if (std::filesystem::is_symlink(file, ignored)) {
    Raise(Error(SQLITE_CANTOPEN,
                Message(file_,
                        "a symbolic link (to " + std::filesystem::read_symlink(file, ignored).string() +
                            ") is not opened as a database: SQLite would keep its log beside the target",
                        {})));
  }
  const bool writable = IsWritable(file);
  // A read-only connection would leave a log behind that it may not remove. When the log
  // holds no commit, the database file alone is current: it is read as it lies, creating nothing.
  const bool asItLies = !writable && IsMissingOrEmpty(file.string() + "-wal");
  const std::string name = asItLies ? "file:" + UriPath(file) + "?immutable=1" : file.string();
  int flags = SQLITE_OPEN_NOMUTEX | (asItLies ? SQLITE_OPEN_URI : 0) |
              (writable ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY);
  sqlite3* db = nullptr;
  int status = sqlite3_open_v2(name.c_str(), &db, flags, BackedIndexVfs());
  db_.reset(db);
  if (status != SQLITE_OK) {
    // Without a connection (out of memory) only the code tells why.
    if (!db) Raise(Error(status, Message(file_, sqlite3_errstr(status), {})));
    Fail({});
  }
  sqlite3_busy_timeout(db, static_cast<int>(options_.busyTimeout.count()));
  Execute("PRAGMA foreign_keys = ON");
  if (IsReadOnly()) return;
  if (KeepsRollbackJournal()) {
    // Each commit is on the disk when it returns, its journal synced before the file is written.
    Execute("PRAGMA synchronous = FULL");
    return;
  }
  SwitchToWriteAheadLog();
  KeepLogFiles();
  if (options_.flushWithin.count() > 0) {
    flusher_ = std::make_unique<LogFlusher>(file_.string() + "-wal", options_.flushWithin);
    sqlite3_wal_hook(db, &Database::CommitWritten, this);
  }
  // NORMAL is safe with write-ahead logging: a crash may lose the last commits, never corrupt the file.
  Execute("PRAGMA synchronous = NORMAL");
}

Database::~Database() {
  if (flusher_) sqlite3_wal_hook(db_.get(), nullptr, nullptr);
  for (auto& [sql, statements] : kept_) {
    for (sqlite3_stmt* statement : statements) sqlite3_finalize(statement);
  }
}

bool Database::IsReadOnly() const {
  return sqlite3_db_readonly(db_.get(), "main") == 1;
}

// On a file system that writes every change to new room. A file that another program's connection keeps in
// write-ahead logging cannot leave it until that connection closes: this one then shares the log and index.
bool Database::KeepsRollbackJournal() {
  const std::filesystem::path folder = file_.parent_path().empty() ? "." : file_.parent_path();
  if (OverwritingOf(folder) != Overwriting::kAlwaysToNewRoom) return false;
  sqlite3_exec(db_.get(), "PRAGMA journal_mode = TRUNCATE", nullptr, nullptr, nullptr);
  auto mode = Query("PRAGMA journal_mode");
  return mode.Step() && mode.Text(0) == "truncate";
}

// Switching to write-ahead logging does not wait for another connection's lock as other calls do, so it is
// tried again for as long as they would wait. The mode is kept in the file: a file switched once stays so.
void Database::SwitchToWriteAheadLog() {
  constexpr const char* kSwitch = "PRAGMA journal_mode = WAL";
  const auto deadline = std::chrono::steady_clock::now() + options_.busyTimeout;
  int status = SQLITE_OK;
  while (IsBusyCode(status = sqlite3_exec(db_.get(), kSwitch, nullptr, nullptr, nullptr)) &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (status != SQLITE_OK) Fail(kSwitch);
}

// Creating the log and removing it again cost each process that opens the file more than its reads: it stays
// beside the database, emptied when the last connection closes, so that a reader still finds the whole
// database in the file itself.
void Database::KeepLogFiles() {
  int keep = 1;
  sqlite3_file_control(db_.get(), "main", SQLITE_FCNTL_PERSIST_WAL, &keep);
  Execute(kLogSizeLimit);
}

int Database::CommitWritten(void* self, sqlite3* db, const char* name, int frames) {
  auto& database = *static_cast<Database*>(self);
  database.flusher_->Committed();
  if (frames >= kCheckpointFrames)
    sqlite3_wal_checkpoint_v2(db, name, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
  database.flushFailure_ = database.flusher_->TakeFailure();
  return database.flushFailure_ == 0 ? SQLITE_OK : SQLITE_IOERR_FSYNC;
}

void Database::Execute(std::string_view sql) {
  std::string text(sql);
  if (sqlite3_exec(db_.get(), text.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail(text);
}

std::int64_t Database::LastInsertId() const {
  return sqlite3_last_insert_rowid(db_.get());
}

int Database::Changes() const {
  return sqlite3_changes(db_.get());
}

void Database::Fail(std::string_view sql) const {
  const int code = sqlite3_extended_errcode(db_.get());
  if (code == SQLITE_IOERR_FSYNC && flushFailure_ != 0) {
    Raise(Error(code,
                Message(file_,
                        "the log of earlier commits could not be flushed to the disk (" +
                            std::string(std::strerror(flushFailure_)) + "); they may not survive a power cut",
                        sql)));
  }
  std::string reason = sqlite3_errmsg(db_.get());
  // SQLite's text alone does not say why a file could not be opened, read or written; the system's does.
  const int primary = code & 0xFF;
  const int systemError = sqlite3_system_errno(db_.get());
  if ((primary == SQLITE_CANTOPEN || primary == SQLITE_IOERR) && systemError != 0)
    reason.append(": ").append(std::strerror(systemError));
  Raise(Error(code, Message(file_, reason, sql)));
}

void Database::Raise(const Error& error) const {
  if (options_.raise) options_.raise(error);
  throw error;
}

sqlite3_stmt* Database::Acquire(std::string_view sql, FreeStatements*& free) {
  auto kept = kept_.find(sql);
  if (kept == kept_.end()) kept = kept_.emplace(std::string(sql), FreeStatements{}).first;
  free = &kept->second;  // a node of the map: it stays where it is while others are added
  if (!free->empty()) {
    sqlite3_stmt* statement = free->back();
    free->pop_back();
    return statement;
  }
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v3(db_.get(), sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                         &statement, nullptr) != SQLITE_OK) {
    Fail(sql);
  }
  return statement;
}

void Database::Release(FreeStatements& free, sqlite3_stmt* statement) {
  sqlite3_reset(statement);
  sqlite3_clear_bindings(statement);
  free.push_back(statement);
}

}  // namespace sqlite
