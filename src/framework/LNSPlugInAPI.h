#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "framework/ObjectPath.h"
#include "platform/Error.h"

namespace qvr {

class Program;

// The plug-in's public object, which a director creates and drives: it names the network (and the network
// interface of a remote Object Server), shows and places the main window, reads the plug-in's identity and
// sends commands on objects of the network. All objects of a process share the one main window and the
// program-wide state; the first object sets the program up, and the program ends when the last object goes
// while the main window is hidden. Errors reach the director as platform::RaisedError with the project
// name as source (see HostErrors.h). Window sizes and positions are in pixels.
class LNSPlugInAPI {
 public:
  // The director's commands that (de)register the plug-in in the open network rather than open a device.
  static constexpr std::int32_t kRegisterCommand = 50;
  static constexpr std::int32_t kDeregisterCommand = 51;

  explicit LNSPlugInAPI(Program& program);
  ~LNSPlugInAPI();
  LNSPlugInAPI(const LNSPlugInAPI&) = delete;
  LNSPlugInAPI& operator=(const LNSPlugInAPI&) = delete;

  // Runs the director's command `commandId` on the object of class `objectClassId` named by the path
  // `objectName`: 50 registers the plug-in's commands in the open network, 51 removes them, and a command
  // of the command table opens the named device in the main window.
  void SendCommand(std::int32_t& commandId, std::int16_t& objectClassId, std::string& objectName);

  // The open network's name as the network reports it ("" after a failed open, after which commands find
  // no object until a name opens). Setting it opens the Object Server (locally, or remotely through
  // NetworkInterfaceName), the network and its system; a change of mode closes the server first.
  std::string networkName() const;
  void SetNetworkName(std::string name);
  // "" for a local Object Server; storing it opens nothing.
  std::string NetworkInterfaceName() const;
  void SetNetworkInterfaceName(const std::string& name);
  // The Object Server's remote mode; setting it on an open server closes and reopens the server, which
  // leaves the network closed until the next name or command opens it again.
  bool Remote() const;
  void SetRemote(bool remote);

  bool Visible() const;
  void SetVisible(bool visible);
  std::int32_t Height() const;
  void SetHeight(std::int32_t pixels);
  std::int32_t Width() const;
  void SetWidth(std::int32_t pixels);
  std::int32_t Left() const;
  void SetLeft(std::int32_t pixels);
  std::int32_t Top() const;
  void SetTop(std::int32_t pixels);
  bool Minimized() const;
  void SetMinimized(bool minimized);

  // Fixed identity values: the setters always refuse.
  std::string ManufacturerID() const;
  void SetManufacturerID(const std::string& value);
  std::string ManufacturerName() const;
  void SetManufacturerName(const std::string& value);
  std::string LcaVersion() const;
  void SetLcaVersion(const std::string& value);
  std::string Version() const;
  void SetVersion(const std::string& value);
  std::string Name() const;
  void SetName(const std::string& value);
  // Kept when it has exactly 16 characters, else cleared.
  std::string DevelopmentProgramId() const;
  void SetDevelopmentProgramId(std::string programId);

 private:
  // What the command step of SendCommand found out.
  struct CommandStep {
    std::optional<std::int16_t> matchedRow;  // the command table row of the command and class
    bool commandKnown = false;               // some row has the command
    bool registrationFailed = false;         // command 50 could not register the commands
  };

  CommandStep RunCommandStep(std::int32_t commandId, std::int16_t objectClassId);
  CommandStep LookUpCommand(std::int32_t commandId, std::int16_t objectClassId) const;
  void SetProgressStatus(std::size_t message);
  void CloseProgress();
  void DispatchDeviceCommand(std::int16_t row, const std::optional<LnsObject>& target);

  static void OpenNetwork(Program& program, const std::string& name, const std::string& interfaceName);
  // Every close of the Object Server goes through here: it ends the window's monitoring first.
  static void CloseObjectServer(Program& program);
  // Opens the named network again when a mode change has closed it since it was named: before a director's
  // command, and (FrameworkState::ReopenNetworkForUser) before the user's work in the window.
  void ReopenClosedNetwork();
  static void ReopenClosedNetworkForUser(Program& program);
  void CheckSizeChange() const;
  void CheckPositionChange() const;
  [[noreturn]] void RefuseReadOnly() const;
  [[noreturn]] void RaiseWithMessage(long number, std::size_t message) const;

  Program& program_;
  std::string networkInterfaceName_;
};

// False while Apply runs in the main window, a director's command runs (from its first step to its end), or
// a window of the user's is open over it (fMain::TakesDirectorCalls). A transfer to several devices yields to
// the event loop while property addresses resolve on the device being written; a director's call run inside
// it would open its device under the transfer and send that device's values to the selection, and one run
// under a dialog would change the device the dialog works on. Whoever hands the directors' calls to the
// objects holds them meanwhile, in their order, and runs them once that has ended; the director's call
// returns then, or, when it has waited too long, is answered with an error and dropped.
bool DirectorCallsMayRun(Program& program);
// Why the directors' calls wait now, as a director is told whose call waited too long ("a window of the
// user's is open"); empty while they may run.
std::string WhyDirectorCallsWait(Program& program);

}  // namespace qvr
