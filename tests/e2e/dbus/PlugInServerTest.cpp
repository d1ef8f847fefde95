#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <functional>
#include <limits>
#include <random>

#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

#include "BusDirectors.h"
#include "BusMachineRoot.h"
#include "platform/Spawn.h"

namespace {

using PlugInServer = e2e::BusMachineRootTest;
using e2e::BusDirector;

// Two directors hold objects of the one program at once and read the window's properties as they would
// in-process; the program ends at the last release, not before.
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
  // The program answers in order and leaves the bus as soon as it ends: the other director's object
  // still answering shows that the first release did not end it.
  EXPECT_EQ(second.Value(theirs, QStringLiteral("Name")).toString(),
            QStringLiteral("Calyxtern_qvr_lon_PlugIn"))
      << "the first release ended the program";
  EXPECT_EQ(Servers().size(), 1u);
  // Shown and hidden again, the window leaves the last release to end the program.
  EXPECT_EQ(second.Set(theirs, QStringLiteral("Visible"), true).type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(second.Value(theirs, QStringLiteral("Visible")).toBool(), true);
  EXPECT_EQ(second.Set(theirs, QStringLiteral("Visible"), false).type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(second.Release(theirs).type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(ServerEnds());
}

// The program's count of objects cannot wrap: past the most it keeps a creation is refused with a clear
// error, and the objects made before it keep the program. The 16-bit count wrapped, and after 65,537
// creations one release made the program give up its bus name.
TEST_F(PlugInServer, ACreationPastTheMostObjectsIsRefusedAndTheCountNeverWraps) {
  constexpr int kMost = 32767;
  BusDirector director(Address(), QStringLiteral("many"));
  const QString factory = QStringLiteral("Calyxtern_qvr_lon_PlugIn.ClassFactory");
  QStringList objects;
  while (objects.size() < kMost) {
    // In batches: the bus lets a connection wait for only so many answers at once.
    std::vector<QDBusPendingCall> batch;
    while (batch.size() < 64 && objects.size() + static_cast<int>(batch.size()) < kMost)
      batch.push_back(director.CallLater(e2e::kFactory, factory, QStringLiteral("CreateInstance")));
    for (QDBusPendingCall& call : batch) {
      QDBusPendingReply<QDBusObjectPath> created(call);
      created.waitForFinished();
      ASSERT_FALSE(created.isError()) << objects.size() << ": " << created.error().message().toStdString();
      objects.push_back(created.value().path());
    }
  }
  const QDBusMessage refused = director.Call(e2e::kFactory, factory, QStringLiteral("CreateInstance"));
  EXPECT_EQ(refused.errorName().toStdString(), "Calyxtern_qvr_lon_PlugIn.Error.Number6");
  EXPECT_EQ(refused.errorMessage().toStdString(),
            "Overflow: the plug-in program keeps at most 32767 objects; release one before creating another");
  EXPECT_EQ(director.Release(objects.takeLast()).type(), QDBusMessage::ReplyMessage);
  EXPECT_FALSE(director.Create().isEmpty()) << "a released object made no room for another";
  EXPECT_EQ(director.Release(objects.takeFirst()).type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(director.Value(objects.first(), QStringLiteral("Name")).toString(),
            QStringLiteral("Calyxtern_qvr_lon_PlugIn"))
      << "a release ended the program while it held objects";
  EXPECT_EQ(Servers().size(), 1u);
}

// A director killed while it holds an object leaves the bus; its object goes, and with it the program.
TEST_F(PlugInServer, ReleasesTheObjectsOfAKilledDirector) {
  platform::Pipe output = platform::MakePipe();
  platform::SpawnRequest request;
  request.argv = {QVR_BIN_DIR "/qvr_holding_director", Address()};
  request.out = platform::StreamTarget::ToDescriptor(output.write.Get());
  const pid_t director = platform::Spawn(request);
  output.write.Close();
  std::string said;
  pollfd ready{output.read.Get(), POLLIN, 0};
  while (said.find("held\n") == std::string::npos && poll(&ready, 1, 30000) > 0) {
    char buffer[512];
    const ssize_t got = read(output.read.Get(), buffer, sizeof buffer);
    if (got <= 0) break;
    said.append(buffer, static_cast<std::size_t>(got));
  }
  EXPECT_NE(said.find("held\n"), std::string::npos) << said;
  EXPECT_EQ(Servers().size(), 1u);
  kill(director, SIGKILL);
  platform::WaitForChild(director);
  EXPECT_TRUE(ServerEnds());
}

// Its programs wait a moment for their first object rather than the default ten seconds; the bus hands
// the variable on to the programs it starts.
class PlugInServerWaitingBriefly : public PlugInServer {
 protected:
  void SetUp() override {
    setenv("QVR_FIRST_OBJECT_WAIT_MS", "300", 1);
    PlugInServer::SetUp();
  }
  void TearDown() override {
    PlugInServer::TearDown();
    unsetenv("QVR_FIRST_OBJECT_WAIT_MS");
  }
};

// A director that asks for an object and leaves before the program has started gets none, and the
// program started for it does not wait for ever.
TEST_F(PlugInServerWaitingBriefly, EndsWhenItsDirectorLeftBeforeTheFirstObject) {
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
  // Shown at a huge size, the window stays within the desktop.
  director.Set(object, QStringLiteral("Width"), 600);
  director.Set(object, QStringLiteral("Height"), 1916895232);
  EXPECT_EQ(director.Set(object, QStringLiteral("Visible"), true).type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(director.Value(object, QStringLiteral("Name")).toString(),
            QStringLiteral("Calyxtern_qvr_lon_PlugIn"));
  director.Set(object, QStringLiteral("Visible"), false);
  EXPECT_EQ(director.Release(object).type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(ServerEnds());
}

// A value of a random D-Bus type: every basic type, arrays, a dictionary and variants (nested once),
// at its limits, empty, long or in unusual scripts.
QVariant RandomValue(std::mt19937& random, bool variantAllowed = true) {
  const auto pick = [&](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); };
  const QList<QString> texts = {QString(),
                                QStringLiteral("Height"),
                                QStringLiteral("Demo/Floor 1/Room 101"),
                                QString(5000, QLatin1Char('x')),
                                QStringLiteral("\u00e4\u4e2d\u0645 \U0001F600"),
                                QString::number(random())};
  const QString text = texts[pick(texts.size())];
  const int number = static_cast<int>(random());
  switch (pick(variantAllowed ? 14 : 13)) {
    case 0:
      return QVariant(pick(2) == 1);
    case 1:
      return QVariant::fromValue(static_cast<uchar>(number));
    case 2:
      return QVariant::fromValue(static_cast<short>(number));
    case 3:
      return QVariant::fromValue(static_cast<ushort>(number));
    case 4:
      return QVariant(pick(3) == 0 ? INT_MIN : pick(2) == 0 ? INT_MAX : number);
    case 5:
      return QVariant(static_cast<uint>(number));
    case 6:
      return QVariant(static_cast<qlonglong>(number) << pick(40));
    case 7:
      return QVariant(static_cast<qulonglong>(random()) << 32);
    case 8:
      return QVariant(pick(2) == 0 ? std::numeric_limits<double>::quiet_NaN() : number / 7.0);
    case 9:
      return QVariant(text);
    case 10:
      return QVariant(text.toUtf8());
    case 11:
      return QVariant(QStringList(pick(4), text));
    case 12:
      return QVariant(QVariantMap{{text, number}});
    default:
      return QVariant::fromValue(QDBusVariant(RandomValue(random, false)));
  }
}

// Calls of every member the program serves, and others, on its object, its factory and paths it does
// not serve, with random arguments from a fixed seed: each gets an answer, none ends the program, and
// its object answers as before.
TEST_F(PlugInServer, AnswersCallsWithRandomArgumentsAndKeepsServing) {
  BusDirector director(Address(), QStringLiteral("random"));
  const QString object = director.Create();
  ASSERT_FALSE(object.isEmpty());
  const QList<QString> paths = {object, e2e::kFactory, e2e::kFactory + QStringLiteral("/9"),
                                QStringLiteral("/")};
  const QList<QString> interfaces = {e2e::kObjectInterface, e2e::kProperties,
                                     QStringLiteral("Calyxtern_qvr_lon_PlugIn.ClassFactory"),
                                     QStringLiteral("org.example.None")};
  const QList<QString> members = {QStringLiteral("Get"),        QStringLiteral("Set"),
                                  QStringLiteral("GetAll"),     QStringLiteral("SendCommand"),
                                  QStringLiteral("Release"),    QStringLiteral("CreateInstance"),
                                  QStringLiteral("Introspect"), QStringLiteral("None")};
  std::mt19937 random(18);
  const auto pick = [&](const QList<QString>& from) {
    return from[static_cast<int>(random() % from.size())];
  };
  int answered = 0;
  const QList<QString> properties = {QStringLiteral("Height"), QStringLiteral("Visible"),
                                     QStringLiteral("Name"), QStringLiteral("networkName"),
                                     QStringLiteral("None")};
  const auto isCommand = [](const QList<QVariant>& args) {
    return args.size() == 3 && args[0].metaType().id() == QMetaType::Int &&
           args[1].metaType().id() == QMetaType::Short && args[2].metaType().id() == QMetaType::QString;
  };
  for (int call = 0; call < 2000; ++call) {
    // A third each: a property's Get or Set on the object, a command with random arguments, anything.
    const int shape = call % 3;
    const QString path = shape < 2 ? object : pick(paths);
    const QString interface = shape == 0   ? e2e::kProperties
                              : shape == 1 ? e2e::kObjectInterface
                                           : pick(interfaces);
    QString member = shape == 1 ? QStringLiteral("SendCommand") : pick(members);
    QList<QVariant> args;
    const int count = shape == 1 ? 3 : static_cast<int>(random() % 5);
    for (int i = 0; i < count; ++i) args.push_back(RandomValue(random));
    if (shape == 0) {
      member = random() % 2 ? QStringLiteral("Set") : QStringLiteral("Get");
      args = {e2e::kObjectInterface, pick(properties)};
      if (member == QLatin1String("Set"))
        args.push_back(QVariant::fromValue(QDBusVariant(RandomValue(random))));
    }
    // What a host does on purpose stays out: releasing or making an object, and a well-formed command.
    if ((member == QLatin1String("Release") || member == QLatin1String("CreateInstance")) && args.isEmpty())
      continue;
    if (member == QLatin1String("SendCommand") && isCommand(args)) continue;
    const QDBusMessage reply = director.Call(path, interface, member, args);
    QString described = QString::number(call) + QLatin1Char(' ') + interface + QLatin1Char('.') + member +
                        QStringLiteral(" on ") + path + QStringLiteral(" with");
    for (const QVariant& arg : args) described += QLatin1Char(' ') + QLatin1String(arg.typeName());
    ASSERT_TRUE(reply.type() == QDBusMessage::ReplyMessage || reply.type() == QDBusMessage::ErrorMessage)
        << described.toStdString();
    ASSERT_NE(reply.errorName().toStdString(), "org.freedesktop.DBus.Error.NoReply")
        << described.toStdString();
    ASSERT_NE(reply.errorName().toStdString(), "org.freedesktop.DBus.Error.ServiceUnknown")
        << "the program ended at " << described.toStdString();
    ++answered;
  }
  EXPECT_GT(answered, 1500);
  EXPECT_EQ(director.Value(object, QStringLiteral("Name")).toString(),
            QStringLiteral("Calyxtern_qvr_lon_PlugIn"));
  director.Set(object, QStringLiteral("Visible"), false);
  EXPECT_EQ(director.Release(object).type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(ServerEnds());
}

// A path of 400,000 parts (800 KB) is refused at once, 6 "Overflow": the parts beyond what the program
// holds are not split. It held the program, and every other director's call, 16 s.
TEST_F(PlugInServer, AnObjectPathOfVeryManyPartsIsRefusedAtOnce) {
  BusDirector director(Address(), QStringLiteral("longpath"));
  const QString object = director.Create();
  ASSERT_FALSE(object.isEmpty());
  ASSERT_EQ(director.Set(object, QStringLiteral("networkName"), QStringLiteral("Demo")).type(),
            QDBusMessage::ReplyMessage);
  QString path = QStringLiteral("a");
  for (int part = 1; part < 400000; ++part) path += QStringLiteral("/a");
  const auto start = std::chrono::steady_clock::now();
  const QDBusMessage refused = director.Call(object, e2e::kObjectInterface, QStringLiteral("SendCommand"),
                                             {13, QVariant::fromValue(short{7}), path});
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
  EXPECT_EQ(refused.errorName(), QStringLiteral("Calyxtern_qvr_lon_PlugIn.Error.Number6"));
  EXPECT_EQ(director.Release(object).type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(ServerEnds());
}

}  // namespace
