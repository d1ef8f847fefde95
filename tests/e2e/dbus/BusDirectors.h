#pragma once

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <string>

namespace e2e {

inline const QString kBusName = QStringLiteral("Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI");
inline const QString kFactory = QStringLiteral("/Calyxtern_qvr_lon_PlugIn/LNSPlugInAPI");
inline const QString kObjectInterface = QStringLiteral("Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI");
inline const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

// A director of its own on the machine root's bus, calling the plug-in program the way a host does.
class BusDirector {
 public:
  BusDirector(const std::string& address, const QString& name) : name_(name) {
    static int argc = 1;
    static char program[] = "qvr_dbus_tests";
    static char* argv[] = {program, nullptr};
    if (!QCoreApplication::instance()) static QCoreApplication application(argc, argv);
    connection_ = QDBusConnection::connectToBus(QString::fromStdString(address), name);
  }
  ~BusDirector() { QDBusConnection::disconnectFromBus(name_); }
  BusDirector(const BusDirector&) = delete;
  BusDirector& operator=(const BusDirector&) = delete;

  bool Connected() const { return connection_.isConnected(); }

  QDBusMessage Call(const QString& path, const QString& interface, const QString& member,
                    const QList<QVariant>& args = {}, int timeoutMs = 60000) {
    QDBusMessage call = QDBusMessage::createMethodCall(kBusName, path, interface, member);
    call.setArguments(args);
    return connection_.call(call, QDBus::Block, timeoutMs);
  }

  // Sends a call whose answer is collected later.
  QDBusPendingCall CallLater(const QString& path, const QString& interface, const QString& member,
                             const QList<QVariant>& args = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(kBusName, path, interface, member);
    call.setArguments(args);
    return connection_.asyncCall(call, 60000);
  }

  // Sends a call and hardly waits for its answer.
  void CallWithoutWaiting(const QString& path, const QString& interface, const QString& member) {
    connection_.call(QDBusMessage::createMethodCall(kBusName, path, interface, member), QDBus::Block, 1);
  }

  // Returns once the bus has passed on every call this director sent before: a call that another director
  // sends afterwards reaches the program after them (the bus keeps each director's calls in their order).
  void WaitUntilPassedOn() {
    connection_.call(QDBusMessage::createMethodCall(
                         QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                         QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping")),
                     QDBus::Block);
  }

  // The path of a new plug-in object, or "" when none was made.
  QString Create() {
    const QDBusMessage reply = Call(kFactory, QStringLiteral("Calyxtern_qvr_lon_PlugIn.ClassFactory"),
                                    QStringLiteral("CreateInstance"));
    return reply.arguments().value(0).value<QDBusObjectPath>().path();
  }

  QDBusMessage Get(const QString& path, const QString& property) {
    return Call(path, kProperties, QStringLiteral("Get"), {kObjectInterface, property});
  }
  QVariant Value(const QString& path, const QString& property) {
    return Get(path, property).arguments().value(0).value<QDBusVariant>().variant();
  }
  QDBusMessage Set(const QString& path, const QString& property, const QVariant& value) {
    return Call(path, kProperties, QStringLiteral("Set"),
                {kObjectInterface, property, QVariant::fromValue(QDBusVariant(value))});
  }
  QDBusMessage Release(const QString& path) {
    return Call(path, kObjectInterface, QStringLiteral("Release"));
  }

 private:
  QString name_;
  QDBusConnection connection_{QString()};
};

}  // namespace e2e
