#include <QDBusVirtualObject>
#include <QEventLoop>

#include "BusDirectors.h"
#include "BusMachineRoot.h"
#include "server/dbus/RaisedErrors.h"

namespace {

using RaisedErrorOverTheBus = e2e::BusMachineRootTest;

// Answers every call with the error it was made with, as the plug-in program answers a raised error.
class Raiser final : public QDBusVirtualObject {
 public:
  explicit Raiser(platform::RaisedError error) : error_(std::move(error)) {}
  QString introspect(const QString&) const override { return {}; }
  bool handleMessage(const QDBusMessage& call, const QDBusConnection& connection) override {
    return connection.send(com::RaisedErrorReply(call, error_));
  }

 private:
  platform::RaisedError error_;
};

// An error without a description reaches the director with its number, its own empty description and its
// source, as every other error does.
TEST_F(RaisedErrorOverTheBus, AnEmptyDescriptionCrossesTheBusWithItsSource) {
  e2e::BusDirector director(Address(), QStringLiteral("director"));
  QDBusConnection plugIn = QDBusConnection::connectToBus(QString::fromStdString(Address()), "plugIn");
  for (const std::string description : {"", "Command not supported"}) {
    Raiser raiser(platform::RaisedError(20003, "Calyxtern_qvr_lon_PlugIn", description));
    ASSERT_TRUE(plugIn.registerVirtualObject(QStringLiteral("/raiser"), &raiser));
    QDBusMessage call =
        QDBusMessage::createMethodCall(plugIn.baseService(), QStringLiteral("/raiser"),
                                       QStringLiteral("Test.Raiser"), QStringLiteral("Raise"));
    // The answer comes from this thread's own event loop.
    const QDBusMessage reply =
        QDBusConnection(QStringLiteral("director")).call(call, QDBus::BlockWithGui, 10000);
    plugIn.unregisterObject(QStringLiteral("/raiser"));

    EXPECT_EQ(reply.arguments().size(), 2) << description;
    const std::optional<platform::RaisedError> raised = com::RaisedErrorOf(reply);
    ASSERT_TRUE(raised.has_value()) << reply.errorName().toStdString();
    EXPECT_EQ(raised->Number(), 20003);
    EXPECT_EQ(raised->Description(), description);
    EXPECT_EQ(raised->Source(), "Calyxtern_qvr_lon_PlugIn");
  }
  QDBusConnection::disconnectFromBus(QStringLiteral("plugIn"));
}

}  // namespace
