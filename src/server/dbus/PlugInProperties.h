#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <span>

namespace qvr {
class LNSPlugInAPI;
}

namespace com {

// A property of the plug-in object as the bus shows it: its D-Bus type and how it is read and written.
struct PlugInProperty {
  const char* name;
  QMetaType::Type type;  // Bool ("b"), Int ("i") or QString ("s")
  QVariant (*get)(const qvr::LNSPlugInAPI& object);
  void (*set)(qvr::LNSPlugInAPI& object, const QVariant& value);  // raises on a read-only one
  bool readOnly = false;
};

// All of them, in a fixed order.
std::span<const PlugInProperty> PlugInProperties();
// The property of that name, or null.
const PlugInProperty* FindPlugInProperty(const QString& name);

}  // namespace com
