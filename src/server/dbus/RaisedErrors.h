#pragma once

#include <QDBusMessage>
#include <optional>

#include "platform/Error.h"

namespace com {

// A raised error crosses the bus as a D-Bus error named after its number (ErrorNameOf) with two arguments,
// always both: its description, also when that is empty, and its source.
QDBusMessage RaisedErrorReply(const QDBusMessage& call, const platform::RaisedError& error);

// The raised error that `reply` carries, as the plug-in raised it (a reply without a source names the
// plug-in); nothing for any other reply.
std::optional<platform::RaisedError> RaisedErrorOf(const QDBusMessage& reply);

}  // namespace com
