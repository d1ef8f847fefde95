#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "datapoints/DataPoint.h"
#include "platform/lns/LnsAppDevice.h"
#include "platform/lns/LnsNetwork.h"
#include "platform/lns/LnsObjectServer.h"
#include "platform/lns/LnsSystem.h"
#include "platform/registry/MachineRegistry.h"
#include "platform/runtime/ErrObject.h"
#include "platform/runtime/RuntimeErrors.h"
#include "platform/ui/Application.h"
#include "platform/ui/FormRegistry.h"
#include "platform/ui/Services.h"
#include "program/CommandTable.h"
#include "program/DeviceModelState.h"
#include "program/MainWindowState.h"
#include "program/OpenedNetwork.h"
#include "program/TypeFileTable.h"
#include "texts/TextTables.h"

namespace qvr {

class fMain;
class ModelView;
class fProgress;
class fStartbild;

// Program-wide state of the plug-in framework.
struct FrameworkState {
  std::int16_t InstanceCount = 0;
  bool NetworkIsOpen = false;
  bool ObjectServerIsOpen = false;
  bool IsRemoteClient = false;
  bool ShowProgress = false;
  // The language that registering the plug-in stores: "german", "english" or "" (not chosen).
  std::string RegisterLanguage;
  // How this process was started: its command line (the arguments joined by blanks) and its own program
  // file, which registration starts again for the COM class (" /regserver", " /unregserver").
  std::string CommandLine;
  std::filesystem::path ProgramFile;
  // The main window's Object Server control, bound by the first plug-in object; the main window owns it.
  lns::LnsObjectServer* ObjectServer = nullptr;
  std::string CurrentNetworkName;
  // The network interface that the open network was named through ("" for a local Object Server).
  std::string CurrentNetworkInterfaceName;
  // Makes the network of the device the window shows (the network named last while it shows none) the
  // open, current one again when a close of the Object Server closed it or another director's name made
  // another current; the framework sets it, the window calls it before the user's work reaches the device.
  std::function<void()> ReopenNetworkForUser = [] {};
  std::optional<lns::LnsNetwork> CurrentNetwork;
  std::optional<lns::LnsSystem> CurrentSystem;
  std::optional<lns::LnsAppDevice> CurrentDevice;
  // The network that CurrentDevice was opened in: the window's work goes there, whichever network the
  // directors' objects have named since.
  OpenedNetwork CurrentDeviceNetwork;
  CommandTableRows CommandTable;
  std::vector<std::string> ObjectNameParts;
  std::int16_t ObjectNamePartCount = 0;
  std::string DevProgramId;
  TypeFileRows TypeFileTable;     // the maker's resource set (TypeFiles.h)
  bool TypeFilesChecked = false;  // a check found the set: later checks return true at once
};

// The one object per process that owns what the system keeps program-wide: the state of each subsystem,
// the single-instance windows and the platform services (UI back end, machine root). Tests make a fresh one
// per test on a fresh machine root and the headless back end.
class Program {
 public:
  // The title of message boxes that have no caption of their own.
  static constexpr const char* kApplicationTitle = runtime::kProgramName;

  Program(ui::Services& services, ui::FormBackend& backend, std::filesystem::path machineRoot);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  ui::Services& Ui() const { return services_; }
  ui::Application& App() { return app_; }
  const std::filesystem::path& MachineRoot() const { return registry_.Root(); }
  // The machine root's registry store on the connection the program keeps.
  reg::MachineRegistry& Registry() { return registry_; }

  // The single-instance windows; each accessor creates the window on first use and loads it. The
  // windows' own folders define these, so that the state every subsystem reads never includes a window.
  qvr::fMain& fMain();
  qvr::fProgress& fProgress();
  qvr::fStartbild& fStartbild();
  // The main window as the device model sees it: the window hands itself over while it exists, so that
  // the device model reaches it without calling up into the windows' folder. Raises error 91 (object
  // variable not set) while no main window exists.
  ModelView& ModelWindow();
  void SetModelWindow(ModelView* window) { modelWindow_ = window; }
  ui::FormRegistry& Windows() { return windows_; }

  // Ends the program: the windows are unloaded by the caller, serving stops, and the program's main
  // returns. Tests observe it through HasEnded().
  void EndProgram();
  bool HasEnded() const { return ended_; }
  void OnEnd(std::function<void()> callback) { onEnd_ = std::move(callback); }

  FrameworkState framework;
  DataPointTables datapoints;
  DeviceModelState model;
  MainWindowState mainwindow;
  TextTables texts;
  runtime::ErrObject Err;

 private:
  ui::Services& services_;
  ui::Application app_;
  // The settings are read again and again through the program's life: one registry connection serves them.
  reg::MachineRegistry registry_;
  ui::FormRegistry windows_;
  bool ended_ = false;
  std::function<void()> onEnd_;
  ModelView* modelWindow_ = nullptr;
};

}  // namespace qvr
