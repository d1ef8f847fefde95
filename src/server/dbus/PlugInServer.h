#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVirtualObject>
#include <QTimer>
#include <chrono>
#include <deque>
#include <map>
#include <memory>
#include <string>

#include "server/dbus/EndRequest.h"

namespace qvr {
class LNSPlugInAPI;
class Program;
}  // namespace qvr

namespace com {

// Serves the plug-in objects of one program to the directors on its bus, on the program's own event
// loop. The class factory creates each object at a path of its own and remembers the director that
// asked for it; an object goes when its director releases it, leaves the bus or the bus goes away, and
// the object's own release rules then decide whether the program ends; a program whose window nobody can
// see ends with its last object too. An ending program leaves the bus at once and refuses new objects
// with kServerEndingError; a program that ends because its last object went, or because no object came,
// first gives up the bus name and serves the creations that reached it before (the end is then called
// off). SIGTERM ends the program in order. While the program takes no director's calls
// (qvr::DirectorCallsMayRun) the calls wait unanswered, in their order; one that has waited longer than its
// deadline is answered with kBusyError and dropped. A release, which a director cannot see fail and never
// repeats, runs at once. No call can crash the server: a call that does not fit gets a D-Bus error.
class PlugInServer final : public QDBusVirtualObject {
 public:
  struct Waits {
    // The bus hands the call that started the program over at once; a program that has served no object
    // this long was started for a director that is gone.
    std::chrono::milliseconds firstObject{10000};
    // How long a director's call waits for the program to take it. Below the bus's default timeout of
    // 25 s, so that the director learns why, rather than getting no reply while the call still waits.
    std::chrono::milliseconds heldCall{20000};
  };

  // `attended`: a person sees the program's windows (and can close them).
  PlugInServer(qvr::Program& program, QDBusConnection connection, bool attended, Waits waits);
  ~PlugInServer() override;

  // Exports the factory and claims the class's bus name; false when another server holds it.
  bool Serve();

  QString introspect(const QString& path) const override;
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

 private:
  struct Waiting {
    QDBusMessage call;
    std::chrono::steady_clock::time_point since;
  };
  struct Held {
    std::unique_ptr<qvr::LNSPlugInAPI> object;
    QString owner;  // the unique bus name of the director that created it
    int calls = 0;  // calls running on it (a call yields to the event loop, which may run others)
    bool released = false;
  };

  // Answers one call; an object released during it goes once the director has its answer.
  void Answer(const QDBusMessage& call);
  // Answers the waiting calls, in their order, as far as the program takes calls again; those that have
  // waited past their deadline are refused.
  void AnswerWaitingCalls();
  QDBusMessage CreateInstance(const QDBusMessage& call);
  QDBusMessage CallObject(const QString& path, const QDBusMessage& call);
  QDBusMessage RunOnObject(Held& held, const QDBusMessage& call);
  void Release(const QString& path);
  void ReleaseAllOf(const QString& owner);
  void CheckBus();
  // Whether the program ends once no director holds an object.
  bool EndsUnused() const;
  void EndIfUnused();
  // Gives up the bus name, then ends the program unless a creation came in before the name was given up.
  void LeaveBusAndEnd();
  void EndNow();

  qvr::Program& program_;
  QDBusConnection connection_;
  bool attended_;
  Waits waits_;
  EndRequest endRequest_{[this] { EndNow(); }};
  QDBusServiceWatcher directors_;
  QTimer busCheck_;
  std::deque<Waiting> waiting_;
  QTimer waitingCheck_;  // runs while calls, or the decision on an unused program, wait
  std::map<QString, Held> objects_;
  // The last object, released while the program leaves the bus; it goes once the program ends or goes on.
  std::unique_ptr<qvr::LNSPlugInAPI> leaving_;
  // The last object went while the program held the calls: whether the program goes on unused is decided
  // once it takes calls again.
  bool endIfUnusedLater_ = false;
  // The program has given up its bus name to end, and no creation has called the end off yet.
  bool leavingBus_ = false;
  unsigned long long nextObject_ = 1;
};

// Connects to the bus that started this program (`starterAddress`, DBUS_STARTER_ADDRESS; the machine
// root's when it is empty), serves the plug-in objects there and runs the program's event loop until the
// program ends. The exit status: 0, or 1 when the bus cannot be reached or the class's bus name is taken.
int ServePlugInObjects(qvr::Program& program, bool attended, PlugInServer::Waits waits,
                       const std::string& starterAddress);

}  // namespace com
