#include <QDBusArgument>
#include <QMap>
#include <QStringList>
#include <QVariantMap>
#include <QXmlStreamReader>
#include <chrono>
#include <future>
#include <sstream>
#include <thread>

#include "BusDirectors.h"
#include "BusMachineRoot.h"
#include "ScopedEnvironment.h"

namespace {

using BusConventions = e2e::BusMachineRootTest;
using e2e::BusDirector;

const std::string kAccessDenied = "org.freedesktop.DBus.Error.AccessDenied";

// What a path's introspection XML tells: "interface.method" -> argument types, "interface.property" ->
// "type access", and the child nodes' names.
struct Introspected {
  QMap<QString, QStringList> methods;
  QMap<QString, QString> properties;
  QStringList children;
  QString error;
};

Introspected Introspect(BusDirector& director, const QString& path) {
  const QDBusMessage reply = director.Call(path, QStringLiteral("org.freedesktop.DBus.Introspectable"),
                                           QStringLiteral("Introspect"));
  Introspected found;
  if (reply.type() != QDBusMessage::ReplyMessage) {
    found.error = reply.errorName();
    return found;
  }
  QXmlStreamReader xml(reply.arguments().value(0).toString());
  QString interface, method;
  int depth = 0;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isEndElement()) --depth;
    if (!xml.isStartElement()) continue;
    ++depth;
    const QXmlStreamAttributes attributes = xml.attributes();
    const QString name = attributes.value(QLatin1String("name")).toString();
    const QString type = attributes.value(QLatin1String("type")).toString();
    if (xml.name() == QLatin1String("node") && depth > 1) {
      found.children.push_back(name);
    } else if (xml.name() == QLatin1String("interface")) {
      interface = name;
    } else if (xml.name() == QLatin1String("method")) {
      method = interface + QLatin1Char('.') + name;
      found.methods[method];
    } else if (xml.name() == QLatin1String("arg")) {
      found.methods[method].push_back(type);
    } else if (xml.name() == QLatin1String("property")) {
      found.properties[interface + QLatin1Char('.') + name] =
          type + QLatin1Char(' ') + attributes.value(QLatin1String("access")).toString();
    }
  }
  if (xml.hasError()) found.error = xml.errorString();
  return found;
}

QString LastElement(const QString& path) {
  return path.section(QLatin1Char('/'), -1);
}

// The XML that busctl, gdbus and d-feet read names the factory's and the object's methods with their
// argument types, the properties with type and access, and the objects below the factory.
TEST_F(BusConventions, IntrospectionShowsInterfacesPropertiesAndTheObjectsBelowTheFactory) {
  BusDirector first(Address(), QStringLiteral("first")), second(Address(), QStringLiteral("second"));
  const QString mine = first.Create();
  const QString theirs = second.Create();
  ASSERT_FALSE(mine.isEmpty() || theirs.isEmpty());

  const Introspected factory = Introspect(second, e2e::kFactory);
  ASSERT_TRUE(factory.error.isEmpty()) << factory.error.toStdString();
  EXPECT_EQ(factory.methods.value(QStringLiteral("Calyxtern_qvr_lon_PlugIn.ClassFactory.CreateInstance")),
            QStringList{QStringLiteral("o")});
  QStringList children = factory.children;
  children.sort();
  QStringList expected{LastElement(mine), LastElement(theirs)};
  expected.sort();
  EXPECT_EQ(children, expected);

  // Looking at another director's object is not using it.
  const Introspected object = Introspect(second, mine);
  ASSERT_TRUE(object.error.isEmpty()) << object.error.toStdString();
  const QString api = e2e::kObjectInterface + QLatin1Char('.');
  EXPECT_EQ(
      object.methods.value(api + QStringLiteral("SendCommand")),
      QStringList({QStringLiteral("i"), QStringLiteral("n"), QStringLiteral("s"), QStringLiteral("s")}));
  EXPECT_TRUE(object.methods.contains(api + QStringLiteral("Release")));
  EXPECT_TRUE(object.methods.contains(QStringLiteral("org.freedesktop.DBus.Properties.GetAll")));
  EXPECT_EQ(object.properties.size(), 15);
  EXPECT_EQ(object.properties.value(api + QStringLiteral("Visible")), QStringLiteral("b readwrite"));
  EXPECT_EQ(object.properties.value(api + QStringLiteral("Height")), QStringLiteral("i readwrite"));
  EXPECT_EQ(object.properties.value(api + QStringLiteral("networkName")), QStringLiteral("s readwrite"));
  EXPECT_EQ(object.properties.value(api + QStringLiteral("Version")), QStringLiteral("s read"));

  EXPECT_EQ(first.Release(mine).type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(Introspect(second, e2e::kFactory).children, QStringList{LastElement(theirs)});
  EXPECT_EQ(second.Release(theirs).type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(ServerEnds());
}

// GetAll gives every property with the value and type that Get gives.
TEST_F(BusConventions, GetAllGivesWhatGetGives) {
  BusDirector director(Address(), QStringLiteral("all"));
  const QString object = director.Create();
  ASSERT_FALSE(object.isEmpty());
  ASSERT_EQ(director.Set(object, QStringLiteral("networkName"), QStringLiteral("Demo")).type(),
            QDBusMessage::ReplyMessage);
  ASSERT_EQ(director.Set(object, QStringLiteral("Height"), 333).type(), QDBusMessage::ReplyMessage);
  for (const QString& interface : {e2e::kObjectInterface, QString()}) {
    const QDBusMessage reply = director.Call(object, e2e::kProperties, QStringLiteral("GetAll"), {interface});
    ASSERT_EQ(reply.signature(), QStringLiteral("a{sv}")) << reply.errorMessage().toStdString();
    const QVariantMap values = qdbus_cast<QVariantMap>(reply.arguments().value(0));
    EXPECT_EQ(values.size(), 15);
    for (auto value = values.begin(); value != values.end(); ++value) {
      const QVariant got = director.Value(object, value.key());
      EXPECT_EQ(value->metaType(), got.metaType()) << value.key().toStdString();
      EXPECT_EQ(*value, got) << value.key().toStdString();
    }
    EXPECT_EQ(values.value(QStringLiteral("networkName")).toString(), QStringLiteral("Demo"));
    EXPECT_EQ(values.value(QStringLiteral("Height")).toInt(), 333);
  }
  EXPECT_EQ(
      director.Call(object, e2e::kProperties, QStringLiteral("GetAll"), {QStringLiteral("org.example.No")})
          .errorName()
          .toStdString(),
      "org.freedesktop.DBus.Error.UnknownInterface");
  EXPECT_EQ(director.Release(object).type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(ServerEnds());
}

// As a COM object is reached only through its client's reference, another director on the bus can
// neither call, read, set nor release it; its owner goes on as before.
TEST_F(BusConventions, OnlyTheDirectorThatCreatedAnObjectUsesOrReleasesIt) {
  BusDirector owner(Address(), QStringLiteral("owner")), other(Address(), QStringLiteral("other"));
  const QString object = owner.Create();
  ASSERT_FALSE(object.isEmpty());
  const QList<QVariant> openRoom = {13, QVariant::fromValue(short{7}),
                                    QStringLiteral("Demo/Floor 1/Room 101")};
  const QString send = QStringLiteral("SendCommand");
  EXPECT_EQ(other.Call(object, e2e::kObjectInterface, send, openRoom).errorName().toStdString(),
            kAccessDenied);
  EXPECT_EQ(
      other.Set(object, QStringLiteral("networkName"), QStringLiteral("Demo")).errorName().toStdString(),
      kAccessDenied);
  EXPECT_EQ(other.Get(object, QStringLiteral("Name")).errorName().toStdString(), kAccessDenied);
  EXPECT_EQ(other.Call(object, e2e::kProperties, QStringLiteral("GetAll"), {e2e::kObjectInterface})
                .errorName()
                .toStdString(),
            kAccessDenied);
  EXPECT_EQ(other.Release(object).errorName().toStdString(), kAccessDenied);

  EXPECT_EQ(owner.Value(object, QStringLiteral("networkName")).toString(), QString());
  EXPECT_EQ(owner.Set(object, QStringLiteral("networkName"), QStringLiteral("Demo")).type(),
            QDBusMessage::ReplyMessage);
  EXPECT_EQ(owner.Call(object, e2e::kObjectInterface, send, openRoom).arguments().value(0).toString(),
            QStringLiteral("Room 101"));
  EXPECT_EQ(owner.Release(object).type(), QDBusMessage::ReplyMessage);
  EXPECT_TRUE(ServerEnds());
}

// The value of `name` in a running program's environment, or nothing when it has none.
std::optional<std::string> EnvironmentOf(pid_t program, const std::string& name) {
  std::istringstream entries(e2e::ReadFile("/proc/" + std::to_string(program) + "/environ"));
  for (std::string entry; std::getline(entries, entry, '\0');) {
    if (entry.starts_with(name + '=')) return entry.substr(name.size() + 1);
  }
  return std::nullopt;
}

// The bus started anew on known display and language settings of its own: offscreen, LANG=C.
class BusOwnSettings : public BusConventions {
 protected:
  void SetUp() override {
    BusConventions::SetUp();
    ASSERT_EQ(Lns({"bus", "stop"}).code, 0);
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE", "LC_ALL", "LC_TIME"}) bus_.Unset(name);
    bus_.Set("LANG", "C");
    ASSERT_EQ(Lns({"bus", "start"}).code, 0);
  }
  testsupport::ScopedEnvironment bus_;
};

// Its object's program: the environment's `names`, each "" where it has none, separated by blanks.
std::string ProgramSettings(pid_t program, const std::vector<const char*>& names) {
  std::string settings;
  for (const char* name : names) settings += EnvironmentOf(program, name).value_or("") + ' ';
  return settings.substr(0, settings.size() - 1);
}

// Each start takes the display of its own director, also the lack of one, and a director that hands
// nothing gets the bus's own. A director's display that cannot be opened ends its program with a line that
// says so. The bus kept the last director's display, and a plain director's program aborted on it.
TEST_F(BusOwnSettings, EachStartTakesItsOwnDirectorsDisplayAndAPlainDirectorTheBusOwn) {
  const std::vector<std::string> openRoom = {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--com"};
  {
    testsupport::ScopedEnvironment gone;
    gone.Set("DISPLAY", ":4242");
    gone.Unset("QT_QPA_PLATFORM");
    const e2e::ProgramRun onGoneDisplay = Lns(openRoom);
    EXPECT_EQ(onGoneDisplay.code, 1);
    EXPECT_NE(onGoneDisplay.err.find("the plug-in program could not be started"), std::string::npos)
        << onGoneDisplay.err;
    EXPECT_EQ(onGoneDisplay.err.find("signal"), std::string::npos) << onGoneDisplay.err;
    const e2e::ProgramRun program = PlugIn({"-Embedding"});
    EXPECT_EQ(program.code, 1);
    EXPECT_EQ(program.err.substr(0, program.err.find(" (DISPLAY)")),
              "Calyxtern_qvr_lon_PlugIn: cannot open the X display :4242")
        << program.err;
    gone.Unset("DISPLAY");
    const e2e::ProgramRun withoutDisplay = Lns(openRoom);
    EXPECT_EQ(withoutDisplay.out, "device: Room 101\n") << withoutDisplay.err;
  }
  ASSERT_TRUE(ServerEnds());
  BusDirector director(Address(), QStringLiteral("plain"));
  const QString object = director.Create();
  ASSERT_FALSE(object.isEmpty());
  const std::vector<pid_t> servers = Servers();
  ASSERT_EQ(servers.size(), 1u);
  EXPECT_EQ(ProgramSettings(servers[0], {"DISPLAY", "QT_QPA_PLATFORM"}), " offscreen");
  EXPECT_EQ(director.Release(object).type(), QDBusMessage::ReplyMessage);
}

// The program the bus starts speaks the language of the director that caused the start: the director's
// LANGUAGE, LANG and LC_ variables go to the bus for its own start, and a director that hands nothing gets
// the bus's own. The bus kept the German director's language for every later start.
TEST_F(BusOwnSettings, EachStartTakesItsOwnDirectorsLanguageAndAPlainDirectorTheBusOwn) {
  // On an FT-10 channel the German director's program opens the device long enough to be looked at.
  ASSERT_EQ(Lns({"channel", "Demo", "ft10"}).code, 0);
  const std::vector<const char*> language = {"LANG", "LC_TIME", "LANGUAGE"};
  std::future<e2e::ProgramRun> german;
  {
    testsupport::ScopedEnvironment settings;
    settings.Set("LANG", "de_DE.UTF-8");
    settings.Set("LC_TIME", "de_DE.UTF-8");
    settings.Set("LANGUAGE", "de:en");
    german = std::async(std::launch::async, [&] {
      return Lns({"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--com"});
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (Servers().empty() && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const std::vector<pid_t> servers = Servers();
    ASSERT_EQ(servers.size(), 1u);
    EXPECT_EQ(ProgramSettings(servers[0], language), "de_DE.UTF-8 de_DE.UTF-8 de:en");
    EXPECT_EQ(german.get().out, "device: Room 101\n");
  }
  ASSERT_TRUE(ServerEnds());
  BusDirector director(Address(), QStringLiteral("plain"));
  const QString object = director.Create();
  const std::vector<pid_t> servers = Servers();
  ASSERT_EQ(servers.size(), 1u);
  EXPECT_EQ(ProgramSettings(servers[0], language), "C  ");
  EXPECT_EQ(director.Release(object).type(), QDBusMessage::ReplyMessage);
}

}  // namespace
