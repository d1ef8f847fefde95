#include "server/dbus/Introspection.h"

#include <QDBusMetaType>

#include "server/dbus/BusNames.h"
#include "server/dbus/PlugInProperties.h"

namespace com {

namespace {

const char* const kFactoryMethods =
    "    <method name=\"CreateInstance\"><arg name=\"object\" type=\"o\" direction=\"out\"/></method>\n";

const char* const kObjectMethods =
    "    <method name=\"SendCommand\">\n"
    "      <arg name=\"commandId\" type=\"i\" direction=\"in\"/>\n"
    "      <arg name=\"objectClassId\" type=\"n\" direction=\"in\"/>\n"
    "      <arg name=\"objectName\" type=\"s\" direction=\"in\"/>\n"
    "      <arg name=\"openedDevice\" type=\"s\" direction=\"out\"/>\n"
    "    </method>\n"
    "    <method name=\"Release\"/>\n";

QString Interface(const QString& name, const QString& members) {
  return QStringLiteral("  <interface name=\"%1\">\n%2  </interface>\n").arg(name, members);
}

}  // namespace

QString FactoryIntrospection(const QStringList& objects) {
  QString xml = Interface(kFactoryInterface, QString::fromLatin1(kFactoryMethods));
  for (const QString& object : objects) xml += QStringLiteral("  <node name=\"%1\"/>\n").arg(object);
  return xml;
}

QString ObjectIntrospection() {
  QString members = QString::fromLatin1(kObjectMethods);
  for (const PlugInProperty& property : PlugInProperties()) {
    members += QStringLiteral("    <property name=\"%1\" type=\"%2\" access=\"%3\"/>\n")
                   .arg(QLatin1String(property.name),
                        QLatin1String(QDBusMetaType::typeToSignature(QMetaType(property.type))),
                        property.readOnly ? QStringLiteral("read") : QStringLiteral("readwrite"));
  }
  return Interface(kObjectInterface, members);
}

}  // namespace com
