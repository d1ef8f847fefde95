#pragma once

#include <QString>
#include <QStringList>

namespace com {

// What the server's paths tell D-Bus tools (busctl, gdbus, d-feet) about themselves: the interfaces of the
// factory and of a plug-in object as introspection XML, to go inside the <node> that Qt D-Bus writes
// around them with the standard interfaces.

// The factory's interface and its objects (their last path element) as child nodes.
QString FactoryIntrospection(const QStringList& objects);
// The plug-in object's interface: its methods and its properties with their types and access.
QString ObjectIntrospection();

}  // namespace com
