#pragma once

#include <QString>
#include <optional>

#include "identity/PlugInIdentity.h"

// The plug-in's names on the bus, all made from the program's name.
namespace com {

// The program's name followed by `rest`.
inline QString ProjectNamed(const char* rest) {
  return QString::fromLatin1(qvr::kProjectName) + QLatin1String(rest);
}

// The bus name that serves the plug-in class (its ProgID).
QString PlugInBusName();

// Where a director finds the plug-in objects on the bus: the class factory at kFactoryPath creates each
// object at a path of its own below it.
inline const QString kFactoryPath = QStringLiteral("/") + ProjectNamed("/LNSPlugInAPI");
inline const QString kFactoryInterface = ProjectNamed(".ClassFactory");
inline const QString kObjectInterface = ProjectNamed(".LNSPlugInAPI");
inline const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
// The answer of a server that is ending to a director's CreateInstance: the bus starts a new server for the
// director's next try.
inline const QString kServerEndingError = ProjectNamed(".Error.ServerEnding");
// The answer to a call that waited for the program longer than its deadline (a window of the user's open,
// Apply running): the call is dropped, never run later.
inline const QString kBusyError = ProjectNamed(".Error.Busy");

// A raised error travels as a D-Bus error whose name carries its number
// ("Calyxtern_qvr_lon_PlugIn.Error.Number20003", "...NumberMinus5"); its arguments: RaisedErrors.h.
QString ErrorNameOf(long number);
// The number of such an error name; nothing for any other error.
std::optional<long> ErrorNumberOf(const QString& errorName);

}  // namespace com
