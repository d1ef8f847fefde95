// One plug-in program serves directors of different networks: each director's commands stay in the
// network its object named.
#include <string>

#include "BusDirectors.h"
#include "BusMachineRoot.h"

namespace {

using DirectorNetworks = e2e::BusMachineRootTest;
using e2e::BusDirector;

const QString kRegisteredApp = QStringLiteral("Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI");

// The device the command opened, or the name of the error it got.
std::string Sent(BusDirector& director, const QString& object, int command, const QString& path) {
  const QDBusMessage reply = director.Call(object, e2e::kObjectInterface, QStringLiteral("SendCommand"),
                                           {command, QVariant::fromValue(short{7}), path});
  if (reply.type() == QDBusMessage::ErrorMessage) return reply.errorName().toStdString();
  return reply.arguments().value(0).toString().toStdString();
}

TEST_F(DirectorNetworks, EachObjectsCommandsStayInTheNetworkItNamed) {
  // "Device 3" is only in NetA; the plug-in is registered in NetB only.
  ASSERT_EQ(Lns({"network", "create", "NetA", "--devices", "3"}).code, 0);
  ASSERT_EQ(Lns({"network", "create", "NetB", "--devices", "2"}).code, 0);
  const auto registration = Lns({"send", "NetB", "50", "7", "NetB", "--answer", "ok", "--answer", "ok",
                                 "--answer", "ok", "--answer", "ok", "--answer", "yes"});
  ASSERT_EQ(registration.code, 0) << registration.err;
  const std::string appsOfNetB = Lns({"apps", "NetB"}).out;
  ASSERT_NE(appsOfNetB.find(kRegisteredApp.toStdString()), std::string::npos) << appsOfNetB;

  BusDirector a(Address(), QStringLiteral("a")), b(Address(), QStringLiteral("b"));
  const QString ofA = a.Create(), ofB = b.Create(), unnamed = a.Create();
  ASSERT_FALSE(ofA.isEmpty() || ofB.isEmpty() || unnamed.isEmpty());
  ASSERT_EQ(a.Set(ofA, QStringLiteral("networkName"), QStringLiteral("NetA")).type(),
            QDBusMessage::ReplyMessage);
  ASSERT_EQ(b.Set(ofB, QStringLiteral("networkName"), QStringLiteral("NetB")).type(),
            QDBusMessage::ReplyMessage);

  const std::string notFound = "Calyxtern_qvr_lon_PlugIn.Error.Number20005";
  EXPECT_EQ(Sent(a, ofA, 13, QStringLiteral("NetA/Area 1/Device 3")), "Device 3");
  EXPECT_EQ(Sent(b, ofB, 13, QStringLiteral("NetB/Area 1/Device 3")), notFound);
  EXPECT_EQ(Sent(b, ofB, 13, QStringLiteral("NetA/Area 1/Device 2")), "Device 2")
      << "the path's network part is not looked at";
  EXPECT_EQ(Sent(a, ofA, 13, QStringLiteral("Area 1/Device 3")), "Device 3");
  // An object that named no network goes on with the program's current one.
  EXPECT_EQ(Sent(a, unnamed, 13, QStringLiteral("X/Area 1/Device 3")), "Device 3");
  EXPECT_EQ(a.Value(ofA, QStringLiteral("networkName")).toString(), QStringLiteral("NetA"));
  EXPECT_EQ(b.Value(ofB, QStringLiteral("networkName")).toString(), QStringLiteral("NetB"));

  // After B's name failed, no command of B's reaches a network, NetB included.
  EXPECT_EQ(Sent(b, ofB, 13, QStringLiteral("NetB/Area 1/Device 2")), "Device 2");
  EXPECT_EQ(b.Set(ofB, QStringLiteral("networkName"), QStringLiteral("Nope")).errorName(),
            QStringLiteral("Calyxtern_qvr_lon_PlugIn.Error.Number20006"));
  EXPECT_EQ(b.Value(ofB, QStringLiteral("networkName")).toString(), QString());
  for (int command : {51, 50, 13})
    EXPECT_EQ(Sent(b, ofB, command, QStringLiteral("NetB/Area 1/Device 2")), notFound) << command;
  EXPECT_EQ(Lns({"apps", "NetB"}).out, appsOfNetB);
  EXPECT_EQ(Lns({"apps", "NetA"}).out.find(kRegisteredApp.toStdString()), std::string::npos);
  EXPECT_EQ(Sent(a, ofA, 13, QStringLiteral("NetA/Area 1/Device 3")), "Device 3");

  for (const QString& object : {ofA, unnamed})
    EXPECT_EQ(a.Release(object).type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(b.Release(ofB).type(), QDBusMessage::ReplyMessage);
}

}  // namespace
