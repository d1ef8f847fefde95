#include "server/dbus/BusDirector.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QMap>
#include <map>
#include <string>
#include <utility>

#include "framework/PlugInClass.h"
#include "identity/PlugInIdentity.h"
#include "platform/EnvironmentNames.h"
#include "platform/Error.h"
#include "platform/com/BusFolderLock.h"
#include "platform/com/BusOwnSettings.h"
#include "platform/com/PrivateBus.h"
#include "platform/com/ServiceFile.h"
#include "server/dbus/BusNames.h"
#include "server/dbus/RaisedErrors.h"
#include "tools/lns/SendCom.h"

namespace com {

namespace {

using lnstool::DirectorFailure;

// A command may open a network and a device; the plug-in answers when it is done.
constexpr int kCallTimeoutMs = 120000;
// Held from handing over the display until the object is made.
constexpr const char* kActivationLock = "activation.lock";
// A server that is ending may still hold the bus name for a moment; its successor is started on retry.
constexpr int kCreateAttempts = 5;

DirectorFailure NotRegistered() {
  return DirectorFailure(std::string("the class ") + qvr::kProgId +
                         " is not registered on this machine root (register it with " + qvr::kProjectName +
                         " /regserver)");
}

// The plug-in's own error as it raised it; any other failure of the call is the director's.
[[noreturn]] void RaiseReplyError(const QDBusMessage& reply) {
  if (const std::optional<platform::RaisedError> raised = RaisedErrorOf(reply)) throw *raised;
  const QString description = reply.errorMessage();
  // A plain failure of the plug-in (a message box that nobody could answer, a call it held too long) tells
  // its own story.
  if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.Failed") ||
      reply.errorName() == kBusyError)
    throw DirectorFailure(description.toStdString());
  throw DirectorFailure("the plug-in program failed the call: " + description.toStdString() + " (" +
                        reply.errorName().toStdString() + ")");
}

QDBusMessage Call(QDBusConnection& connection, const QDBusMessage& call) {
  QDBusMessage reply = connection.call(call, QDBus::Block, kCallTimeoutMs);
  if (reply.type() == QDBusMessage::ErrorMessage) RaiseReplyError(reply);
  return reply;
}

// The director's display and language settings by name: a setting it lacks goes as the value that means
// none, so that the program started for it takes none of the bus's.
std::map<std::string, std::string> DirectorSettings(const ui::DisplaySettings& display,
                                                    const std::map<std::string, std::string>& language) {
  namespace env = platform::env;
  std::map<std::string, std::string> settings = language;
  for (const auto& [name, value] : {std::pair{env::kDisplay, &display.display},
                                    {env::kWaylandDisplay, &display.waylandDisplay},
                                    {env::kRuntimeFolder, &display.runtimeFolder},
                                    {env::kQtPlatform, &display.qtPlatform},
                                    {env::kXAuthority, &display.xAuthority}})
    settings[name] = *value;
  return settings;
}

// Sets the environment on which the bus starts its next program.
void SetActivationEnvironment(QDBusConnection& connection,
                              const std::map<std::string, std::string>& settings) {
  QMap<QString, QString> environment;
  for (const auto& [name, value] : settings)
    environment.insert(QString::fromStdString(name), QString::fromStdString(value));
  qDBusRegisterMetaType<QMap<QString, QString>>();
  QDBusMessage update = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("UpdateActivationEnvironment"));
  update << QVariant::fromValue(environment);
  connection.call(update);  // without it the program starts on the bus's own environment
}

// The answer of a server that was ending when the call reached it: its own refusal, the bus's when it
// ended before it answered (a timeout is no such case), or its factory already gone (a serving program
// has its factory before it takes the bus name).
bool ServerWasEnding(const QDBusMessage& reply) {
  const QString error = reply.errorName();
  return error == kServerEndingError || error == QLatin1String("org.freedesktop.DBus.Error.UnknownObject") ||
         (error == QLatin1String("org.freedesktop.DBus.Error.NoReply") &&
          reply.errorMessage().contains(QLatin1String("disconnected")));
}

// A call that the plug-in held while a window of its own was open, until it refused it as busy or the call
// had waited its whole time.
bool WasHeld(const QDBusMessage& reply) {
  return reply.errorName() == kBusyError ||
         (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NoReply") &&
          !ServerWasEnding(reply));
}

// An object in the program that made it: the calls go to that program's own connection, so that none
// starts a new program once it has ended.
struct MadeObject {
  QString server;
  QString path;
};

class BusPlugIn final : public lnstool::RemotePlugIn {
 public:
  BusPlugIn(QDBusConnection connection, QString connectionName, MadeObject object)
      : connection_(connection), connectionName_(std::move(connectionName)), object_(std::move(object)) {}

  ~BusPlugIn() override {
    // A release has nothing to report; a director that cannot release leaves the bus, which releases too.
    connection_.call(Method(kObjectInterface, QStringLiteral("Release")), QDBus::Block, kCallTimeoutMs);
    QDBusConnection::disconnectFromBus(connectionName_);
  }

  void SetNetworkInterfaceName(const std::string& name) override {
    Set(QStringLiteral("NetworkInterfaceName"), QString::fromStdString(name));
  }
  void SetNetworkName(const std::string& name) override {
    Set(QStringLiteral("networkName"), QString::fromStdString(name));
  }
  void SetVisible(bool visible) override { Set(QStringLiteral("Visible"), visible); }

  bool Visible() override {
    QDBusMessage call = Method(kPropertiesInterface, QStringLiteral("Get"));
    call << kObjectInterface << QStringLiteral("Visible");
    const QDBusMessage reply = connection_.call(call, QDBus::Block, kCallTimeoutMs);
    // A program or a bus that has gone shows no window any more.
    if (reply.type() == QDBusMessage::ErrorMessage) return WasHeld(reply);
    return reply.arguments().value(0).value<QDBusVariant>().variant().toBool();
  }

  std::string SendCommand(std::int32_t commandId, std::int16_t objectClass,
                          const std::string& objectName) override {
    QDBusMessage call = Method(kObjectInterface, QStringLiteral("SendCommand"));
    call << commandId << QVariant::fromValue(static_cast<short>(objectClass))
         << QString::fromStdString(objectName);
    return Call(connection_, call).arguments().value(0).toString().toStdString();
  }

 private:
  QDBusMessage Method(const QString& interface, const QString& member) const {
    return QDBusMessage::createMethodCall(object_.server, object_.path, interface, member);
  }

  void Set(const QString& property, const QVariant& value) {
    QDBusMessage call = Method(kPropertiesInterface, QStringLiteral("Set"));
    call << kObjectInterface << property << QVariant::fromValue(QDBusVariant(value));
    Call(connection_, call);
  }

  QDBusConnection connection_;
  QString connectionName_;
  MadeObject object_;
};

QDBusConnection ConnectTo(const std::filesystem::path& root, const QString& connectionName) {
  std::string address;
  try {
    address = StartBus(root);
  } catch (const platform::RaisedError& error) {
    throw DirectorFailure(error.Description());
  }
  QDBusConnection connection = QDBusConnection::connectToBus(QString::fromStdString(address), connectionName);
  if (!connection.isConnected()) {
    const std::string reason = connection.lastError().message().toStdString();
    QDBusConnection::disconnectFromBus(connectionName);
    throw DirectorFailure("cannot reach the machine root's bus " + address + ": " + reason);
  }
  return connection;
}

MadeObject CreateInstance(QDBusConnection& connection) {
  const QDBusMessage create = QDBusMessage::createMethodCall(PlugInBusName(), kFactoryPath, kFactoryInterface,
                                                             QStringLiteral("CreateInstance"));
  QDBusMessage reply;
  bool reloaded = false;
  for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
    reply = connection.call(create, QDBus::Block, kCallTimeoutMs);
    if (ServerWasEnding(reply)) continue;
    // The bus notices a service file written a moment ago only some time later, unless told to look.
    if (reply.errorName() != QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") || reloaded) break;
    connection.call(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ReloadConfig")));
    reloaded = true;
  }
  if (reply.type() != QDBusMessage::ErrorMessage)
    return {reply.service(), reply.arguments().value(0).value<QDBusObjectPath>().path()};
  if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")) {
    throw NotRegistered();
  }
  if (reply.errorName().startsWith(QLatin1String("org.freedesktop.DBus.Error.Spawn"))) {
    throw DirectorFailure("the plug-in program could not be started: " + reply.errorMessage().toStdString());
  }
  RaiseReplyError(reply);
}

}  // namespace

BusDirector::BusDirector(ui::DisplaySettings display, std::map<std::string, std::string> language)
    : display_(std::move(display)), language_(std::move(language)) {}
BusDirector::~BusDirector() = default;

std::unique_ptr<lnstool::RemotePlugIn> BusDirector::CreatePlugIn(const std::filesystem::path& root) {
  if (!std::filesystem::exists(ServiceFileOf(ServiceFolder(root), qvr::PlugInComClass()))) {
    throw NotRegistered();
  }
  if (!QCoreApplication::instance()) {
    static int argc = 1;
    static char name[] = "lns";
    static char* argv[] = {name, nullptr};
    application_ = std::make_unique<QCoreApplication>(argc, argv);
  }
  const QString connectionName = QStringLiteral("qvr-director-%1").arg(++connections_);
  QDBusConnection connection = ConnectTo(root, connectionName);
  try {
    MadeObject object;
    {
      // The bus starts a program on its activation environment as it stands when the call arrives, and
      // keeps it for every later start: one director at a time hands its display and language, makes its
      // object and hands the bus's own back, so that each start gets its own director's, and a director
      // that hands nothing the bus's own.
      BusFolderLock activation(root, kActivationLock);
      const std::map<std::string, std::string> handed = DirectorSettings(display_, language_);
      SetActivationEnvironment(connection, handed);
      const auto handBack = [&] { SetActivationEnvironment(connection, BusOwnSettingsFor(root, handed)); };
      try {
        object = CreateInstance(connection);
      } catch (...) {
        handBack();
        throw;
      }
      handBack();
    }
    return std::make_unique<BusPlugIn>(connection, connectionName, std::move(object));
  } catch (...) {
    QDBusConnection::disconnectFromBus(connectionName);
    throw;
  }
}

}  // namespace com
