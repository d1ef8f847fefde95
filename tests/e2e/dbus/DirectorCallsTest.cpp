// A director's calls run in order, each whole and each answered, and none runs after its director was
// told that it failed: in `lns send`'s script and over the bus.
#include <string>

#include <QDBusPendingReply>

#include "BusDirectors.h"
#include "BusMachineRoot.h"
#include "LnsSendFixture.h"
#include "ScopedEnvironment.h"

namespace {

using DirectorCalls = e2e::BusMachineRootTest;
using e2e::BusDirector;
using e2e::ControlLine;

const QString kFactoryInterface = QStringLiteral("Calyxtern_qvr_lon_PlugIn.ClassFactory");

// The device that the main window of a snapshot shows.
std::string ShownDevice(const std::string& snapshot) {
  const std::string status = ControlLine(snapshot, "PlugInStatus");
  const auto start = status.find("panels=[\"");
  if (start == std::string::npos) return {};
  const auto from = start + 9;
  return status.substr(from, status.find('"', from) - from);
}

// Commands a director sends while one runs (`send` actions in its yields) wait for it, and run whole in
// their order: the last one sent is the device the window ends on.
TEST_F(DirectorCalls, ScriptedCommandsRunOneAfterTheOtherInTheirOrder) {
  const std::string snapshot = (Root() / "last.txt").string();
  const auto run =
      Lns({"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--do", "send 13 7 Demo/Floor 1/Room 102",
           "--do", "send 13 7 Demo/Floor 2/Room 201", "--snapshot", snapshot});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(ShownDevice(e2e::ReadFile(snapshot)), "Room 201");
}

// The user works in the device selection, a modal window, when the director sends a command: the command
// waits until the user has closed the selection, as the program holds a director's call over the bus.
TEST_F(DirectorCalls, AScriptedCommandWaitsForTheUsersModalWindow) {
  const std::string during = (Root() / "during.txt").string();
  const std::string after = (Root() / "after.txt").string();
  const auto run =
      Lns({"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--do", "click cmdGerAuswahl", "--do",
           "send 13 7 Demo/Floor 1/Room 104", "--do", "check fGeräteauswahl.TreeView1 Room 102(2)", "--do",
           "snapshot " + during, "--do", "click fGeräteauswahl.cmdFertig", "--snapshot", after});
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string selecting = e2e::ReadFile(during);
  EXPECT_EQ(selecting.find("form fProgress loaded=1 visible=1"), std::string::npos)
      << "the command ran under the selection: " << selecting;
  EXPECT_EQ(ShownDevice(selecting), "Room 101");
  EXPECT_NE(selecting.find("key=\"Room 102(2)\" text=\"Room 102\" tag=\"2\" checked=1"), std::string::npos)
      << selecting;
  EXPECT_EQ(ShownDevice(e2e::ReadFile(after)), "Room 104");
}

// Two directors send commands at once: the first runs whole and is answered first, then the second; each
// is told the device that the window shows when its answer leaves.
TEST_F(DirectorCalls, TwoDirectorsCommandsRunWholeInTheirOrder) {
  BusDirector first(Address(), QStringLiteral("first")), second(Address(), QStringLiteral("second"));
  const QString mine = first.Create();
  const QString theirs = second.Create();
  ASSERT_FALSE(mine.isEmpty() || theirs.isEmpty());
  for (auto [director, object] : {std::pair{&first, mine}, std::pair{&second, theirs}})
    ASSERT_EQ(director->Set(object, QStringLiteral("networkName"), QStringLiteral("Demo")).type(),
              QDBusMessage::ReplyMessage);
  const auto send = [](const QString& room) {
    return QList<QVariant>{13, QVariant::fromValue(short{7}), QStringLiteral("Demo/Floor 1/") + room};
  };
  // The second command comes while the first one runs; a few rounds, as it may come at any of its steps.
  for (int round = 0; round < 3; ++round) {
    QDBusPendingReply<QString> firstAnswer =
        first.CallLater(mine, e2e::kObjectInterface, QStringLiteral("SendCommand"), send("Room 102"));
    const QDBusMessage secondAnswer =
        second.Call(theirs, e2e::kObjectInterface, QStringLiteral("SendCommand"), send("Room 104"));
    EXPECT_TRUE(firstAnswer.isFinished()) << "round " << round << ": the second command was answered first";
    firstAnswer.waitForFinished();
    EXPECT_EQ(firstAnswer.value(), QStringLiteral("Room 102")) << firstAnswer.error().message().toStdString();
    EXPECT_EQ(secondAnswer.arguments().value(0).toString(), QStringLiteral("Room 104"))
        << secondAnswer.errorMessage().toStdString();
  }
  EXPECT_EQ(first.Release(mine).type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(second.Release(theirs).type(), QDBusMessage::ReplyMessage);
}

// A director creates an object right after the last one was released, while the program ends: the
// creation is served every time, by that program or by a fresh one.
TEST_F(DirectorCalls, ACreationWhileTheProgramEndsIsServed) {
  BusDirector director(Address(), QStringLiteral("again"));
  QString object = director.Create();
  ASSERT_FALSE(object.isEmpty());
  for (int run = 0; run < 30; ++run) {
    ASSERT_EQ(director.Release(object).type(), QDBusMessage::ReplyMessage);
    const QDBusMessage created =
        director.Call(e2e::kFactory, kFactoryInterface, QStringLiteral("CreateInstance"));
    ASSERT_EQ(created.type(), QDBusMessage::ReplyMessage)
        << "try " << run << ": " << created.errorName().toStdString();
    object = created.arguments().value(0).value<QDBusObjectPath>().path();
  }
  EXPECT_EQ(director.Release(object).type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(ServerEnds());
}

// A call held behind another director's command longer than its deadline is answered, before the bus
// would give up on it, and is then never carried out.
class HeldCalls : public e2e::BusMachineRootTest {
 protected:
  void SetUp() override {
    // The bus hands the variable on to the programs it starts.
    environment_.Set("QVR_HELD_CALL_WAIT_MS", "300");
    BusMachineRootTest::SetUp();
  }
  testsupport::ScopedEnvironment environment_;
};

TEST_F(HeldCalls, ACallHeldPastItsDeadlineIsRefusedAndNeverRun) {
  // On an FT-10 channel opening a device takes the program well over the deadline.
  ASSERT_EQ(Lns({"channel", "Demo", "ft10"}).code, 0);
  BusDirector first(Address(), QStringLiteral("first")), late(Address(), QStringLiteral("late"));
  const QString object = first.Create();
  ASSERT_FALSE(object.isEmpty());
  ASSERT_EQ(first.Set(object, QStringLiteral("networkName"), QStringLiteral("Demo")).type(),
            QDBusMessage::ReplyMessage);
  QDBusPendingReply<QString> opened =
      first.CallLater(object, e2e::kObjectInterface, QStringLiteral("SendCommand"),
                      {13, QVariant::fromValue(short{7}), QStringLiteral("Demo/Floor 1/Room 101")});
  first.WaitUntilPassedOn();
  const QDBusMessage refused =
      late.Call(e2e::kFactory, kFactoryInterface, QStringLiteral("CreateInstance"), {}, 10000);
  EXPECT_EQ(refused.errorName(), QStringLiteral("Calyxtern_qvr_lon_PlugIn.Error.Busy"));
  EXPECT_EQ(refused.errorMessage(), QStringLiteral("the plug-in is busy: a command is under way"));
  EXPECT_FALSE(opened.isFinished()) << "the command was over before the deadline";
  opened.waitForFinished();
  EXPECT_EQ(opened.value(), QStringLiteral("Room 101")) << opened.error().message().toStdString();
  // The program ends with the first director's object: no object of the late director was made after all.
  EXPECT_EQ(first.Release(object).type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(ServerEnds()) << "the refused creation was carried out later";
}

// While another director's command holds the calls of a German installation, a call is refused in German,
// and a release, which a director cannot see fail and never repeats, runs at once: its object is gone. The
// release was held too, refused as busy, and the object stayed.
TEST_F(HeldCalls, AReleaseRunsAtOnceAndAHeldCallIsRefusedInTheInstallationsLanguage) {
  ASSERT_EQ(PlugIn({"/regplugin", "/german"}).code, 0);
  ASSERT_EQ(Lns({"channel", "Demo", "ft10"}).code, 0);
  BusDirector working(Address(), QStringLiteral("working")), leaving(Address(), QStringLiteral("leaving"));
  const QString object = working.Create();
  const QString theirs = leaving.Create();
  ASSERT_FALSE(object.isEmpty() || theirs.isEmpty());
  ASSERT_EQ(working.Set(object, QStringLiteral("networkName"), QStringLiteral("Demo")).type(),
            QDBusMessage::ReplyMessage);
  QDBusPendingReply<QString> opened =
      working.CallLater(object, e2e::kObjectInterface, QStringLiteral("SendCommand"),
                        {13, QVariant::fromValue(short{7}), QStringLiteral("Demo/Floor 1/Room 101")});
  working.WaitUntilPassedOn();
  // The program takes calls only between the command's steps, each of them long on this channel: sent
  // together, the read and the release reach it at one of its first steps, well before its last.
  QDBusPendingReply<QDBusVariant> held = leaving.CallLater(theirs, e2e::kProperties, QStringLiteral("Get"),
                                                           {e2e::kObjectInterface, QStringLiteral("Name")});
  const QDBusMessage released = leaving.Release(theirs);
  EXPECT_EQ(released.type(), QDBusMessage::ReplyMessage) << released.errorMessage().toStdString();
  EXPECT_FALSE(opened.isFinished()) << "the release waited for the command";
  held.waitForFinished();
  EXPECT_EQ(held.error().name(), QStringLiteral("Calyxtern_qvr_lon_PlugIn.Error.Busy"));
  EXPECT_EQ(held.error().message().toStdString(), "das Plug-in ist beschäftigt: ein Command läuft");
  opened.waitForFinished();
  EXPECT_EQ(opened.value(), QStringLiteral("Room 101")) << opened.error().message().toStdString();
  EXPECT_EQ(leaving.Get(theirs, QStringLiteral("Name")).errorName(),
            QStringLiteral("org.freedesktop.DBus.Error.UnknownObject"));
  EXPECT_EQ(working.Release(object).type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(ServerEnds());
}

}  // namespace
