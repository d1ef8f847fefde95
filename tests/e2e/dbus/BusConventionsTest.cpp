#include <QDBusArgument>
#include <QMap>
#include <QStringList>
#include <QVariantMap>
#include <QXmlStreamReader>
#include <sstream>

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

// Each director hands the bus its own display settings, also the lack of one: a program started after a
// director with a display, for one without, draws offscreen rather than on the other's display.
TEST_F(BusConventions, EachStartGetsTheDisplayOfItsOwnDirector) {
  const std::vector<std::string> openRoom = {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--com"};
  setenv("DISPLAY", ":4242", 1);
  const e2e::ProgramRun withDisplay = Lns(openRoom);
  EXPECT_EQ(withDisplay.out, "device: Room 101\n") << withDisplay.err;
  unsetenv("DISPLAY");
  unsetenv("QT_QPA_PLATFORM");
  const e2e::ProgramRun without = Lns(openRoom);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  EXPECT_EQ(without.out, "device: Room 101\n") << without.err;
  ASSERT_TRUE(ServerEnds());
  // The bus starts the next program on what the last director handed it.
  BusDirector director(Address(), QStringLiteral("next"));
  const QString object = director.Create();
  ASSERT_FALSE(object.isEmpty());
  const std::vector<pid_t> servers = Servers();
  ASSERT_EQ(servers.size(), 1u);
  EXPECT_EQ(EnvironmentOf(servers[0], "DISPLAY").value_or(""), "");
  EXPECT_EQ(director.Release(object).type(), QDBusMessage::ReplyMessage);
}

// The program the bus starts speaks the language of the director that caused the start, not the bus's: the
// director's LANGUAGE, LANG and LC_ variables go to the bus as its display does, also the lack of one.
TEST_F(BusConventions, EachStartGetsTheLanguageOfItsOwnDirector) {
  const std::vector<std::string> openRoom = {"send", "Demo", "13", "7", "Demo/Floor 1/Room 101", "--com"};
  // The program that the bus starts after the director's: its language variables, as "LANG LC_TIME LANGUAGE".
  auto nextStartsLanguage = [&] {
    if (!ServerEnds()) return std::string("the director's program still runs");
    BusDirector director(Address(), QStringLiteral("next"));
    const QString object = director.Create();
    const std::vector<pid_t> servers = Servers();
    std::string language;
    for (const char* name : {"LANG", "LC_TIME", "LANGUAGE"})
      language += (language.empty() ? "" : " ") + EnvironmentOf(servers.at(0), name).value_or("-");
    director.Release(object);
    return language;
  };
  {
    testsupport::ScopedEnvironment german;
    german.Unset("LC_ALL");
    german.Set("LANG", "de_DE.UTF-8");
    german.Set("LC_TIME", "de_DE.UTF-8");
    german.Set("LANGUAGE", "de:en");
    const e2e::ProgramRun run = Lns(openRoom);
    EXPECT_EQ(run.out, "device: Room 101\n") << run.err;
  }
  EXPECT_EQ(nextStartsLanguage(), "de_DE.UTF-8 de_DE.UTF-8 de:en");
  {
    testsupport::ScopedEnvironment plain;
    for (const char* name : {"LC_ALL", "LC_TIME", "LANGUAGE"}) plain.Unset(name);
    plain.Set("LANG", "C");
    const e2e::ProgramRun run = Lns(openRoom);
    EXPECT_EQ(run.out, "device: Room 101\n") << run.err;
  }
  // What this director lacks goes as empty, so that the German director's settings do not stay.
  EXPECT_EQ(nextStartsLanguage(), "C  ");
}

}  // namespace
