#include "server/dbus/RaisedErrors.h"

#include "identity/PlugInIdentity.h"
#include "server/dbus/BusNames.h"

namespace com {

QDBusMessage RaisedErrorReply(const QDBusMessage& call, const platform::RaisedError& error) {
  // Qt sends an error's message as its first argument only when the message is not empty; the description
  // goes as an argument of its own so that the source never takes its place.
  QDBusMessage reply = call.createErrorReply(ErrorNameOf(error.Number()), QString());
  reply.setArguments({QString::fromStdString(error.Description()), QString::fromStdString(error.Source())});
  return reply;
}

std::optional<platform::RaisedError> RaisedErrorOf(const QDBusMessage& reply) {
  const std::optional<long> number = ErrorNumberOf(reply.errorName());
  if (!number) return std::nullopt;
  const QString description = reply.arguments().value(0).toString();
  const QString source = reply.arguments().value(1).toString();
  return platform::RaisedError(*number, source.isEmpty() ? qvr::kProjectName : source.toStdString(),
                               description.toStdString());
}

}  // namespace com
