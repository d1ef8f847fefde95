// What opening a device costs in SQL: every statement that any connection of the process runs while the
// director's "Configure" opens Room 101 (a QVR-L2) is counted, so that a change that multiplies the reads
// shows here.

#include <atomic>
#include <map>
#include <mutex>
#include <string>

#include "DemoMachineFixture.h"
#include "platform/sqlite/StatementTrace.h"
#include "program/Program.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

constexpr int kMostStatementsPerOpen = 304;

std::atomic<bool> counting{false};
std::mutex countedMutex;
std::map<std::string, int> counted;  // statement text: how often it ran

void CountStatement(const char* sql) {
  if (!counting) return;
  std::lock_guard lock(countedMutex);
  ++counted[sql ? sql : "?"];
}

const bool traceInstalled = [] {
  sqlite::TraceStatements(CountStatement);
  return true;
}();

// The statements that ran, the most frequent first, for a failure's message.
std::string Breakdown() {
  std::multimap<int, std::string, std::greater<>> byCount;
  for (const auto& [sql, count] : counted) byCount.emplace(count, sql);
  std::string text;
  for (const auto& [count, sql] : byCount) text += std::to_string(count) + "  " + sql + "\n";
  return text;
}

int Total() {
  int total = 0;
  for (const auto& entry : counted) total += entry.second;
  return total;
}

class StatementCountTest : public DeviceCommandTest {
 protected:
  // Connections opened before the trace was installed are not seen: the server is opened anew.
  StatementCountTest() {
    EXPECT_TRUE(traceInstalled);
    server().Close();
    server().Open();
    qvr::FrameworkState& framework = program().framework;
    framework.CurrentNetwork = server().GetNetworks().Item("Demo");
    framework.CurrentNetwork->Open();
    framework.CurrentSystem = framework.CurrentNetwork->GetSystems().Item(1);
    framework.CurrentSystem->Open();
  }
};

TEST_F(StatementCountTest, OpeningADeviceRunsFewStatements) {
  const lns::LnsAppDevice room =
      program().framework.CurrentSystem->GetSubsystems().Item("Floor 1").GetAppDevices().Item("Room 101");
  counted.clear();
  counting = true;
  Command(room);
  counting = false;

  EXPECT_TRUE(boxes().Shown().empty());
  EXPECT_FALSE(NviRow(1).NviValue.empty());  // the values were read
  const int total = Total();
  EXPECT_GT(total, 0);
  EXPECT_LE(total, kMostStatementsPerOpen) << Breakdown();
  RecordProperty("statements", total);
}

}  // namespace
}  // namespace mainwindow_test
