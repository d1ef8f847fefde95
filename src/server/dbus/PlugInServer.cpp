#include "server/dbus/PlugInServer.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusVariant>
#include <QVariantMap>
#include <iostream>
#include <vector>

#include "framework/LNSPlugInAPI.h"
#include "identity/PlugInIdentity.h"
#include "mainwindow/fMain.h"
#include "platform/Error.h"
#include "platform/com/PrivateBus.h"
#include "platform/com/ServiceFile.h"
#include "platform/ui/ScriptStops.h"
#include "program/Program.h"
#include "server/dbus/BusNames.h"
#include "server/dbus/Introspection.h"
#include "server/dbus/PlugInProperties.h"
#include "server/dbus/RaisedErrors.h"

namespace com {

namespace {

constexpr int kBusCheckMs = 1000;
// How often waiting calls look whether the program takes calls again.
constexpr int kWaitingCheckMs = 50;

QDBusMessage UnknownMethod(const QDBusMessage& call) {
  return call.createErrorReply(
      QDBusError::UnknownMethod,
      QStringLiteral("No method %1(%2) on %3").arg(call.member(), call.signature(), call.path()));
}

bool InterfaceIs(const QDBusMessage& call, const QString& interface) {
  return call.interface().isEmpty() || call.interface() == interface;
}

bool IsIntrospection(const QDBusMessage& call) {
  return call.member() == QLatin1String("Introspect") && call.signature().isEmpty() &&
         InterfaceIs(call, QStringLiteral("org.freedesktop.DBus.Introspectable"));
}

bool IsRelease(const QDBusMessage& call) {
  return call.member() == QLatin1String("Release") && call.signature().isEmpty() &&
         InterfaceIs(call, kObjectInterface);
}

// Runs a call's work; whatever it raises becomes the call's error reply.
template <class Work>
QDBusMessage Guarded(const QDBusMessage& call, Work&& work) {
  try {
    return work();
  } catch (const platform::RaisedError& error) {
    return RaisedErrorReply(call, error);
  } catch (const std::exception& error) {
    return call.createErrorReply(QDBusError::Failed, QString::fromUtf8(error.what()));
  } catch (const ui::ScriptStop& stop) {
    // A box that nobody here could answer: the director learns what was asked.
    return call.createErrorReply(QDBusError::Failed, QString::fromUtf8(stop.what()));
  } catch (...) {
    return call.createErrorReply(QDBusError::Failed, QStringLiteral("unexpected failure"));
  }
}

// The property that a Get or Set call names (interface, property), or null.
const PlugInProperty* AddressedProperty(const QDBusMessage& call) {
  const QList<QVariant> args = call.arguments();
  const QString interface = args.value(0).toString();
  if (!interface.isEmpty() && interface != kObjectInterface) return nullptr;
  return FindPlugInProperty(args.value(1).toString());
}

QDBusMessage NoSuchProperty(const QDBusMessage& call) {
  return call.createErrorReply(QDBusError::InvalidArgs,
                               QStringLiteral("No such property: ") + call.arguments().value(1).toString());
}

QDBusMessage GetProperty(qvr::LNSPlugInAPI& object, const QDBusMessage& call) {
  const PlugInProperty* property = AddressedProperty(call);
  if (!property) return NoSuchProperty(call);
  return call.createReply(QVariant::fromValue(QDBusVariant(property->get(object))));
}

// Every property with the value and type that Get gives.
QDBusMessage GetAllProperties(const qvr::LNSPlugInAPI& object, const QDBusMessage& call) {
  const QString interface = call.arguments().value(0).toString();
  if (!interface.isEmpty() && interface != kObjectInterface)
    return call.createErrorReply(QDBusError::UnknownInterface, QStringLiteral("No interface ") + interface);
  QVariantMap values;
  for (const PlugInProperty& property : PlugInProperties())
    values.insert(QLatin1String(property.name), property.get(object));
  return call.createReply(values);
}

QDBusMessage SetProperty(qvr::LNSPlugInAPI& object, const QDBusMessage& call) {
  const PlugInProperty* property = AddressedProperty(call);
  if (!property) return NoSuchProperty(call);
  const QVariant value = call.arguments().value(2).value<QDBusVariant>().variant();
  if (value.metaType().id() != property->type) {
    return call.createErrorReply(
        QDBusError::InvalidArgs,
        QStringLiteral("Property %1 takes a value of type %2")
            .arg(QLatin1String(property->name), QLatin1String(QMetaType(property->type).name())));
  }
  property->set(object, value);
  return call.createReply();
}

}  // namespace

PlugInServer::PlugInServer(qvr::Program& program, QDBusConnection connection, bool attended, Waits waits)
    : program_(program),
      connection_(connection),
      attended_(attended),
      waits_(waits),
      directors_(QString(), connection, QDBusServiceWatcher::WatchForUnregistration) {
  QObject::connect(&directors_, &QDBusServiceWatcher::serviceUnregistered, this,
                   [this](const QString& director) { ReleaseAllOf(director); });
  QObject::connect(&busCheck_, &QTimer::timeout, this, [this] { CheckBus(); });
  QObject::connect(&waitingCheck_, &QTimer::timeout, this, [this] { AnswerWaitingCalls(); });
}

PlugInServer::~PlugInServer() {
  program_.OnEnd(nullptr);
  connection_.unregisterObject(kFactoryPath, QDBusConnection::UnregisterTree);
  // The program has ended: the objects go without ending it again.
  objects_.clear();
  leaving_.reset();
}

bool PlugInServer::Serve() {
  if (!connection_.registerVirtualObject(kFactoryPath, this, QDBusConnection::SubPath)) return false;
  if (!connection_.registerService(PlugInBusName())) return false;
  // A blocking call: the answers sent before it are on the bus when it returns, and from then on the bus
  // starts a new server for the next director rather than route its call here.
  program_.OnEnd([this] { connection_.unregisterService(PlugInBusName()); });
  busCheck_.start(kBusCheckMs);
  QTimer::singleShot(waits_.firstObject, this, [this] {
    if (nextObject_ == 1) LeaveBusAndEnd();
  });
  return true;
}

QString PlugInServer::introspect(const QString& path) const {
  if (path == kFactoryPath) {
    QStringList objects;
    for (const auto& [objectPath, held] : objects_) {
      if (!held.released) objects.push_back(objectPath.mid(kFactoryPath.size() + 1));
    }
    return FactoryIntrospection(objects);
  }
  const auto held = objects_.find(path);
  return held != objects_.end() && !held->second.released ? ObjectIntrospection() : QString();
}

bool PlugInServer::handleMessage(const QDBusMessage& message, const QDBusConnection& /*connection*/) {
  if (message.type() != QDBusMessage::MethodCallMessage) return false;
  // Qt D-Bus answers introspection from introspect(), at once: it changes nothing, so it need not wait.
  if (IsIntrospection(message)) return false;
  // A director's release cannot fail and is never repeated: it runs at once, whatever holds the other calls.
  if (IsRelease(message) || (waiting_.empty() && qvr::DirectorCallsMayRun(program_))) {
    Answer(message);
  } else {
    waiting_.push_back({message, std::chrono::steady_clock::now()});
    if (!waitingCheck_.isActive()) waitingCheck_.start(kWaitingCheckMs);
  }
  return true;
}

void PlugInServer::Answer(const QDBusMessage& call) {
  const QString path = call.path();
  connection_.send(path == kFactoryPath ? CreateInstance(call) : CallObject(path, call));
  auto held = objects_.find(path);
  if (held != objects_.end() && held->second.released && held->second.calls == 0) Release(path);
}

void PlugInServer::AnswerWaitingCalls() {
  if (endIfUnusedLater_ && qvr::DirectorCallsMayRun(program_)) {
    endIfUnusedLater_ = false;
    EndIfUnused();
  }
  while (!waiting_.empty() && qvr::DirectorCallsMayRun(program_)) {
    const QDBusMessage call = waiting_.front().call;
    waiting_.pop_front();
    Answer(call);
  }
  // The director would soon get no reply from its bus while its call still waited here, and the call would
  // run afterwards all the same: it is told why instead, and the call is dropped.
  const auto overdue = std::chrono::steady_clock::now() - waits_.heldCall;
  while (!waiting_.empty() && waiting_.front().since <= overdue) {
    const QDBusMessage call = waiting_.front().call;
    waiting_.pop_front();
    connection_.send(
        call.createErrorReply(kBusyError, QString::fromStdString(qvr::DirectorCallsBusyAnswer(program_))));
  }
  if (waiting_.empty() && !endIfUnusedLater_) waitingCheck_.stop();
}

QDBusMessage PlugInServer::CreateInstance(const QDBusMessage& call) {
  if (call.member() != QLatin1String("CreateInstance") || !call.signature().isEmpty() ||
      !InterfaceIs(call, kFactoryInterface)) {
    return UnknownMethod(call);
  }
  if (program_.HasEnded())
    return call.createErrorReply(kServerEndingError, QStringLiteral("the plug-in program is ending"));
  const QString director = call.service();
  directors_.addWatchedService(director);
  // A director that left before it was watched would never release what it gets.
  if (!connection_.interface()->isServiceRegistered(director)) {
    ReleaseAllOf(director);  // what it got before, should its leaving not have been told yet
    return call.createErrorReply(QDBusError::Disconnected, QStringLiteral("the director has left the bus"));
  }
  return Guarded(call, [&] {
    auto object = std::make_unique<qvr::LNSPlugInAPI>(program_);
    const QString path = kFactoryPath + QLatin1Char('/') + QString::number(nextObject_++);
    objects_[path] = Held{std::move(object), director};
    if (leavingBus_) {
      // The object keeps the program: it takes its name back before its director, answered, calls again
      // (unless a fresh program that the bus started meanwhile holds the name; this one then serves its
      // objects under its own name).
      leavingBus_ = false;
      connection_.registerService(PlugInBusName());
    }
    return call.createReply(QVariant::fromValue(QDBusObjectPath(path)));
  });
}

QDBusMessage PlugInServer::CallObject(const QString& path, const QDBusMessage& call) {
  auto held = objects_.find(path);
  if (held == objects_.end() || held->second.released) {
    return call.createErrorReply(QDBusError::UnknownObject, QStringLiteral("No object at ") + path);
  }
  // A COM object is reached only through the reference of the client that created it.
  if (call.service() != held->second.owner) {
    return call.createErrorReply(QDBusError::AccessDenied,
                                 QStringLiteral("The object at %1 belongs to another director").arg(path));
  }
  ++held->second.calls;
  QDBusMessage reply = RunOnObject(held->second, call);
  --held->second.calls;
  return reply;
}

QDBusMessage PlugInServer::RunOnObject(Held& held, const QDBusMessage& call) {
  const QString member = call.member();
  const QString signature = call.signature();
  qvr::LNSPlugInAPI& object = *held.object;
  if (call.interface() == kPropertiesInterface) {
    if (member == QLatin1String("Get") && signature == QLatin1String("ss"))
      return Guarded(call, [&] { return GetProperty(object, call); });
    if (member == QLatin1String("GetAll") && signature == QLatin1String("s"))
      return Guarded(call, [&] { return GetAllProperties(object, call); });
    if (member == QLatin1String("Set") && signature == QLatin1String("ssv"))
      return Guarded(call, [&] { return SetProperty(object, call); });
    return UnknownMethod(call);
  }
  if (IsRelease(call)) {
    held.released = true;
    return call.createReply();
  }
  if (!InterfaceIs(call, kObjectInterface) || member != QLatin1String("SendCommand") ||
      signature != QLatin1String("ins"))
    return UnknownMethod(call);
  return Guarded(call, [&] {
    const QList<QVariant> args = call.arguments();
    std::int32_t commandId = args[0].toInt();
    std::int16_t objectClass = args[1].value<short>();
    std::string objectName = args[2].toString().toStdString();
    // An object without a network answers "Object not found" first, as every command of it does.
    if (commandId == qvr::LNSPlugInAPI::kRegisterCommand && !attended_ && !object.LostItsNetwork())
      qvr::RefuseRegistrationNobodySees(program_);
    // The reply names the device the command opened; "" when it opened none.
    return call.createReply(QString::fromStdString(object.SendCommand(commandId, objectClass, objectName)));
  });
}

void PlugInServer::Release(const QString& path) {
  auto held = objects_.find(path);
  if (held == objects_.end()) return;
  // Out of the table first: the release may end the program, and the event loop may run meanwhile.
  std::unique_ptr<qvr::LNSPlugInAPI> object = std::move(held->second.object);
  objects_.erase(held);
  if (objects_.empty() && !leaving_ && EndsUnused()) {
    // The object's own release rules would end the program at once, refusing a creation that is already
    // on its way here: it goes only once the program has left the bus.
    leaving_ = std::move(object);
    LeaveBusAndEnd();
    return;
  }
  object.reset();
  EndIfUnused();
}

void PlugInServer::ReleaseAllOf(const QString& director) {
  directors_.removeWatchedService(director);
  std::vector<QString> paths;
  for (auto& [path, held] : objects_) {
    if (held.owner != director) continue;
    held.released = true;
    if (held.calls == 0) paths.push_back(path);
  }
  for (const QString& path : paths) Release(path);
}

// Without its bus no director can reach the program or release what it holds: the objects go.
void PlugInServer::CheckBus() {
  if (connection_.isConnected()) return;
  busCheck_.stop();
  std::vector<QString> owners;
  for (const auto& [path, held] : objects_) owners.push_back(held.owner);
  for (const QString& owner : owners) ReleaseAllOf(owner);
  EndIfUnused();
}

// A window that a person sees keeps the program once no director holds an object; nothing else does.
bool PlugInServer::EndsUnused() const {
  const qvr::fMain* window = program_.Windows().Find<qvr::fMain>();
  return !(attended_ && window && window->IsLoaded() && window->Visible());
}

// Once no director holds an object: a program without a main window has nothing to keep it (a hidden
// window's last release has ended the program already), nor has one whose window nobody can see or close.
// A window that a person sees stays theirs until they close it, without the monitoring that its director
// started.
void PlugInServer::EndIfUnused() {
  if (program_.HasEnded() || program_.framework.InstanceCount != 0) return;
  qvr::fMain* window = program_.Windows().Find<qvr::fMain>();
  if (attended_ && window && window->IsLoaded()) {
    // A release runs while the program holds the other calls (a window of the user's, Apply, a command): the
    // monitoring ends once that is over, not under it.
    if (qvr::DirectorCallsMayRun(program_)) {
      window->EndMonitoring();
    } else {
      endIfUnusedLater_ = true;
      if (!waitingCheck_.isActive()) waitingCheck_.start(kWaitingCheckMs);
    }
  } else {
    EndNow();
  }
}

// A creation that the bus routed here before the name was given up is already queued when the blocking
// release of the name returns, ahead of the end posted after it: it is served and calls the end off (see
// CreateInstance). The bus starts a fresh program for any later creation.
void PlugInServer::LeaveBusAndEnd() {
  leavingBus_ = true;
  connection_.unregisterService(PlugInBusName());
  QMetaObject::invokeMethod(
      this,
      [this] {
        leaving_.reset();
        if (!leavingBus_) return;
        leavingBus_ = false;
        EndIfUnused();
        if (!program_.HasEnded()) connection_.registerService(PlugInBusName());
      },
      Qt::QueuedConnection);
}

void PlugInServer::EndNow() {
  if (program_.HasEnded()) return;
  qvr::fMain* window = program_.Windows().Find<qvr::fMain>();
  if (window && window->IsLoaded()) {
    window->EndPlugIn();
  } else {
    program_.EndProgram();
  }
}

int ServePlugInObjects(qvr::Program& program, bool attended, PlugInServer::Waits waits,
                       const std::string& starterAddress) {
  const QString address =
      QString::fromStdString(starterAddress.empty() ? BusAddress(program.MachineRoot()) : starterAddress);
  const QString connectionName = QStringLiteral("qvr-plug-in-server");
  int status = 0;
  {
    QDBusConnection connection = QDBusConnection::connectToBus(address, connectionName);
    PlugInServer server(program, connection, attended, waits);
    if (!connection.isConnected()) {
      std::cerr << qvr::kProjectName << ": cannot reach the bus " << address.toStdString() << ": "
                << connection.lastError().message().toStdString() << '\n';
      status = 1;
    } else if (!server.Serve()) {
      std::cerr << qvr::kProjectName << ": another program serves " << PlugInBusName().toStdString() << " on "
                << address.toStdString() << '\n';
      status = 1;
    } else {
      while (!program.HasEnded()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
      // The calls that reached the program before it left the bus get their answer.
      QCoreApplication::processEvents();
    }
  }
  QDBusConnection::disconnectFromBus(connectionName);
  return status;
}

}  // namespace com
