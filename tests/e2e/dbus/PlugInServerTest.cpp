#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <functional>

#include "BusDirectors.h"
#include "BusMachineRoot.h"

namespace {

using PlugInServer = e2e::BusMachineRootTest;
using e2e::BusDirector;

// Two directors hold objects of the one program at once and read the window's properties as they would
// in-process; the program ends at the last release while its window is hidden, not before.
TEST_F(PlugInServer, ServesTwoDirectorsAndEndsAtTheLastReleaseWithTheWindowHidden) {
  BusDirector first(Address(), QStringLiteral("first")), second(Address(), QStringLiteral("second"));
  ASSERT_TRUE(first.Connected() && second.Connected());
  const QString mine = first.Create();
  const QString theirs = second.Create();
  ASSERT_FALSE(mine.isEmpty());
  ASSERT_FALSE(theirs.isEmpty());
  EXPECT_NE(mine, theirs);
  EXPECT_EQ(Servers().size(), 1u);

  EXPECT_EQ(first.Value(mine, QStringLiteral("Name")).toString(), QStringLiteral("Calyxtern_qvr_lon_PlugIn"));
  EXPECT_EQ(first.Value(mine, QStringLiteral("Version")).toString(), QStringLiteral("1.5"));
  EXPECT_EQ(first.Value(mine, QStringLiteral("Visible")).toBool(), false);
  EXPECT_GT(first.Value(mine, QStringLiteral("Width")).toInt(), 0);
  const QDBusMessage refused = first.Set(mine, QStringLiteral("Version"), QStringLiteral("2.0"));
  EXPECT_EQ(refused.errorName(), QStringLiteral("Calyxtern_qvr_lon_PlugIn.Error.Number20002"));
  EXPECT_EQ(refused.errorMessage(), QStringLiteral("Attempt to write to read-only property"));
  EXPECT_EQ(refused.arguments().value(1).toString(), QStringLiteral("Calyxtern_qvr_lon_PlugIn"));
  // Program-wide state is shared by the objects of all directors.
  const QString programId = QStringLiteral("0123456789ABCDEF");
  EXPECT_EQ(first.Set(mine, QStringLiteral("DevelopmentProgramId"), programId).type(),
            QDBusMessage::ReplyMessage);
  EXPECT_EQ(second.Value(theirs, QStringLiteral("DevelopmentProgramId")).toString(), programId);

  EXPECT_EQ(first.Release(mine).type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(first.Get(mine, QStringLiteral("Name")).errorName(),
            QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"));
  usleep(300000);
  EXPECT_EQ(Servers().size(), 1u) << "the first release ended the program";
  // A shown main window keeps the program after the last release; hidden again, the next last release
  // ends it.
  EXPECT_EQ(second.Set(theirs, QStringLiteral("Visible"), true).type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(second.Release(theirs).type(), QDBusMessage::ReplyMessage);
  usleep(300000);
  EXPECT_EQ(Servers().size(), 1u) << "the program ended with its window shown";
  const QString again = first.Create();
  EXPECT_EQ(first.Value(again, QStringLiteral("Visible")).toBool(), true);
  EXPECT_EQ(first.Set(again, QStringLiteral("Visible"), false).type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(first.Release(again).type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(ServerEnds());
}

// Not run by itself: the director process that the next test starts and kills.
TEST(KilledDirector, DISABLED_HoldsAnObjectUntilKilled) {
  BusDirector director(std::getenv("QVR_TEST_BUS"), QStringLiteral("held"));
  ASSERT_FALSE(director.Create().isEmpty());
  std::printf("held\n");
  std::fflush(stdout);
  sleep(60);
}

// A director killed while it holds an object leaves the bus; its object goes, and with it the program.
TEST_F(PlugInServer, ReleasesTheObjectsOfAKilledDirector) {
  int output[2];
  ASSERT_EQ(pipe(output), 0);
  setenv("QVR_TEST_BUS", Address().c_str(), 1);
  char self[] = "/proc/self/exe";
  char filter[] = "--gtest_filter=KilledDirector.DISABLED_HoldsAnObjectUntilKilled";
  char disabled[] = "--gtest_also_run_disabled_tests";
  char* argv[] = {self, filter, disabled, nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  pid_t director = 0;
  ASSERT_EQ(posix_spawn(&director, self, &actions, nullptr, argv, environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  close(output[1]);
  std::string said;
  pollfd ready{output[0], POLLIN, 0};
  while (said.find("held\n") == std::string::npos && poll(&ready, 1, 30000) > 0) {
    char buffer[512];
    const ssize_t got = read(output[0], buffer, sizeof buffer);
    if (got <= 0) break;
    said.append(buffer, static_cast<std::size_t>(got));
  }
  close(output[0]);
  EXPECT_NE(said.find("held\n"), std::string::npos) << said;
  EXPECT_EQ(Servers().size(), 1u);
  kill(director, SIGKILL);
  waitpid(director, nullptr, 0);
  EXPECT_TRUE(ServerEnds());
}

// A director that asks for an object and leaves before the program has started gets none, and the
// program started for it does not wait for ever.
TEST_F(PlugInServer, EndsWhenItsDirectorLeftBeforeTheFirstObject) {
  {
    BusDirector director(Address(), QStringLiteral("gone"));
    director.CallWithoutWaiting(e2e::kFactory, QStringLiteral("Calyxtern_qvr_lon_PlugIn.ClassFactory"),
                                QStringLiteral("CreateInstance"));
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (Servers().empty() && std::chrono::steady_clock::now() < deadline) usleep(10000);
  EXPECT_FALSE(Servers().empty()) << "the bus did not start the program";
  EXPECT_TRUE(ServerEnds(std::chrono::seconds(20)));
}

// Calls that do not fit (wrong types and counts, unknown members, paths and properties, extreme values)
// get D-Bus errors; the program keeps serving.
TEST_F(PlugInServer, AnswersMalformedCallsWithErrors) {
  BusDirector director(Address(), QStringLiteral("malformed"));
  const QString object = director.Create();
  ASSERT_FALSE(object.isEmpty());
  const QString factoryInterface = QStringLiteral("Calyxtern_qvr_lon_PlugIn.ClassFactory");
  const QString send = QStringLiteral("SendCommand");
  const QList<std::function<QDBusMessage(int)>> calls = {
      [&](int i) {
        return director.Call(e2e::kFactory, factoryInterface, QStringLiteral("CreateInstance"), {i});
      },
      [&](int i) { return director.Call(e2e::kFactory, factoryInterface, QStringLiteral("Destroy"), {i}); },
      [&](int i) {
        return director.Call(object, e2e::kObjectInterface, send, {QString::number(i), i, i});
      },
      [&](int i) {
        return director.Call(object, e2e::kObjectInterface, send, {i, i, QString()});
      },
      [&](int i) {
        return director.Call(object, e2e::kObjectInterface, send,
                             {i, QVariant::fromValue(static_cast<short>(i))});
      },
      [&](int i) { return director.Call(object, e2e::kObjectInterface, QStringLiteral("Release"), {i}); },
      [&](int i) { return director.Set(object, QStringLiteral("Height"), QString::number(i)); },
      [&](int i) { return director.Set(object, QStringLiteral("Width"), static_cast<qlonglong>(i) << 40); },
      [&](int i) { return director.Set(object, QStringLiteral("Visible"), i); },
      [&](int i) { return director.Set(object, QStringLiteral("NoSuchProperty") + QString::number(i), i); },
      [&](int i) { return director.Call(object, e2e::kProperties, QStringLiteral("Get"), {i}); },
      [&](int i) {
        return director.Call(object, e2e::kProperties, QStringLiteral("Get"),
                             {QStringLiteral("x"), QString::number(i)});
      },
      [&](int i) {
        return director.Get(e2e::kFactory + QStringLiteral("/") + QString::number(100000 + i), "Name");
      },
      [&](int i) {
        return director.Call(e2e::kFactory + QStringLiteral("/x") + QString::number(i), e2e::kObjectInterface,
                             send);
      },
  };
  int errors = 0;
  for (int i = 0; i < 3000; ++i) {
    const QDBusMessage reply = calls[i % calls.size()](i);
    ASSERT_EQ(reply.type(), QDBusMessage::ErrorMessage) << "call " << i << " was accepted";
    ASSERT_NE(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.NoReply")) << "call " << i;
    ++errors;
  }
  EXPECT_EQ(errors, 3000);
  // Values of the right type at their limits are the object's to refuse or take.
  for (const int extreme : {INT_MIN, -1, INT_MAX}) {
    for (const char* property : {"Height", "Width", "Left", "Top"}) director.Set(object, property, extreme);
    const QDBusMessage reply =
        director.Call(object, e2e::kObjectInterface, send,
                      {extreme, QVariant::fromValue(static_cast<short>(extreme)), QString()});
    EXPECT_EQ(reply.errorName().toStdString(), "Calyxtern_qvr_lon_PlugIn.Error.Number20003")
        << reply.errorMessage().toStdString();
  }
  EXPECT_EQ(director.Value(object, QStringLiteral("Name")).toString(),
            QStringLiteral("Calyxtern_qvr_lon_PlugIn"));
  EXPECT_EQ(director.Release(object).type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(ServerEnds());
}

}  // namespace
