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
// while the main window is hidden. Each object keeps the network it named: one program serves every
// director, and one director's name must not send another's commands into its network. Errors reach the
// director as platform::RaisedError with the project name as source (see HostErrors.h). Window sizes and
// positions are in pixels.
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
  // `objectName` in this object's network: 50 registers the plug-in's commands in it, 51 removes them, and
  // a command of the command table opens the named device in the main window. The network is opened again
  // when it is closed or another is current; after this object's last name failed to open, every one of
  // these commands raises "Object not found" and changes nothing. Gives the name of the device it opened,
  // "" when it opened none: commands 50 and 51, and a device the user declined or whose loading the user
  // aborted (the window then goes on showing the device it showed).
  std::string SendCommand(std::int32_t& commandId, std::int16_t& objectClassId, std::string& objectName);
  // This object's last name failed to open: its commands reach no network (and answer "Object not found").
  bool LostItsNetwork() const;

  // This object's network's name as the network reports it ("" after a failed open, after which its
  // commands find no object until a name opens); the program's current network's while it has named none.
  // Setting it opens the Object Server (locally, or remotely through NetworkInterfaceName), the network and
  // its system, which become the program's current ones; a change of mode closes the server first.
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
    bool networkLost = false;                // command 50 or 51 while the object's name failed to open
  };

  CommandStep RunCommandStep(std::int32_t commandId, std::int16_t objectClassId);
  CommandStep LookUpCommand(std::int32_t commandId, std::int16_t objectClassId) const;
  void SetProgressStatus(std::size_t message);
  void CloseProgress();
  std::string DispatchDeviceCommand(std::int16_t row, const std::optional<LnsObject>& target);

  // Opens the network `name`, which becomes the program's current one, or raises 20006 "Cannot open the
  // network ...", after which no network is current.
  void MakeNetworkCurrent(const std::string& name);
  static void OpenNetwork(Program& program, const std::string& name, const std::string& interfaceName);
  // Every close of the Object Server goes through here: it ends the window's monitoring first.
  static void CloseObjectServer(Program& program);
  // Opens the network that this object's commands go to when it is not the open, current one (a mode
  // change closed it, or another object named another).
  void OpenOwnNetwork();
  // Before the user's work in the window (FrameworkState::ReopenNetworkForUser): opens the network of the
  // device the window shows when a close of the Object Server closed it or another network is current.
  static void ReopenShownNetworkForUser(Program& program);
  void CheckSizeChange() const;
  void CheckPositionChange() const;
  [[noreturn]] void RefuseReadOnly() const;
  [[noreturn]] void RaiseWithMessage(long number, std::size_t message) const;

  Program& program_;
  std::string networkInterfaceName_;
  // The network this object named, as the network reports it: none while it has named none (its commands
  // then go to the program's current network), "" after its last name failed to open.
  std::optional<std::string> ownNetwork_;
};

// False while Apply runs in the main window, a director's command runs (from its first step to its end), or
// a window of the user's is open over it (fMain::TakesDirectorCalls). A transfer to several devices yields to
// the event loop while property addresses resolve on the device being written; a director's call run inside
// it would open its device under the transfer and send that device's values to the selection, and one run
// under a dialog would change the device the dialog works on. Whoever hands the directors' calls to the
// objects holds them meanwhile, in their order, and runs them once that has ended; the director's call
// returns then, or, when it has waited too long, is answered with an error and dropped.
bool DirectorCallsMayRun(Program& program);

// Refuses command 50 in a program whose windows nobody sees, before anything is registered: the
// registration tells and asks its user on the way, and a box that nobody can answer would stop it halfway,
// after it had told of success. Raises error 20000 with the reason.
[[noreturn]] void RefuseRegistrationNobodySees(Program& program);
// Why the directors' calls wait now, as a director whose call waited too long is told, in the installation's
// language ("the plug-in is busy: a window of the user's is open"); empty while they may run.
std::string DirectorCallsBusyAnswer(Program& program);

}  // namespace qvr
