#include "platform/sqlite/StatementTrace.h"

#include <sqlite3.h>

#include <atomic>

namespace sqlite {

namespace {

std::atomic<void (*)(const char*)> traceObserver{nullptr};

int OnStatement(unsigned /*event*/, void* /*context*/, void* statement, void* /*text*/) {
  if (auto* observer = traceObserver.load()) observer(sqlite3_sql(static_cast<sqlite3_stmt*>(statement)));
  return 0;
}

int TraceConnection(sqlite3* db, const char** /*error*/, const sqlite3_api_routines* /*api*/) {
  sqlite3_trace_v2(db, SQLITE_TRACE_STMT, OnStatement, nullptr);
  return SQLITE_OK;
}

}  // namespace

void TraceStatements(void (*observer)(const char* sql)) {
  traceObserver = observer;
  sqlite3_auto_extension(reinterpret_cast<void (*)()>(TraceConnection));
}

}  // namespace sqlite
