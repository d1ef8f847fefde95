#pragma once

// What the registration in a network and its removal share: the supported models' program IDs, the places
// where a command row's component applications live, and the status line.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/lns/LnsComponentApp.h"
#include "platform/lns/LnsDeviceTemplate.h"
#include "platform/ui/Screen.h"
#include "texts/FrameworkMessages.h"

namespace runtime {
struct ErrObject;
}  // namespace runtime

namespace qvr {

class Program;

// Where a command row registers its component applications.
enum RegistrationLevel : std::int32_t {
  kLevelObjectServer = 1,
  kLevelSystem = 2,
  kLevelDeviceTemplate = 3,
  kLevelLonMarkObject = 4,
};

// The MsgMain entry shown for each supported model whose template a registration finds in the network.
inline constexpr std::size_t kMsgInstallationSuccessful = 46;

// The program IDs of the supported models in model order ("9FFF6E0A5A060408" to "...0B"). Fills the model
// table of program.model on the way.
std::vector<std::string> SupportedProgramIds(Program& program);

// The device templates of the open system; raises when no system is open.
lns::LnsDeviceTemplates DeviceTemplatesOfCurrentSystem(Program& program);

// Whether the library has a template of that name or program ID; a failed look-up leaves its error in
// `lookUp`.
bool TemplateFound(const lns::LnsDeviceTemplates& templates, const std::string& nameOrProgramId,
                   runtime::ErrObject& lookUp);

// The component applications of `level`: the Object Server's, the open system's, the template's, or those of
// the template's LonMark object named `lonMarkObjectName`. Nothing for any other level. Raises when a
// step on the way fails, or when level 3 or 4 has no template.
std::optional<lns::LnsComponentApps> ComponentAppsAtLevel(
    Program& program, std::int32_t level, const std::optional<lns::LnsDeviceTemplate>& deviceTemplate,
    const std::string& lonMarkObjectName);

// `baseName` when `taken` finds it free, else the first free one of "baseName (1)", "baseName (2)", ... up
// to "baseName (1000)", which is given unchecked when all before it are taken.
std::string FirstFreeName(const std::string& baseName, const std::function<bool(const std::string&)>& taken);

// True for an entry of this plug-in (its ProgID, compared exactly).
bool BelongsToPlugIn(const lns::LnsComponentApp& entry);

// Puts `text` into the progress window's status line (loading the window when it is not) and lets it paint.
void ShowRegistrationStatus(Program& program, const std::string& text);

// Shows the hourglass while a routine works and puts back, on every way out, the pointer it found.
class HourglassWhileWorking {
 public:
  explicit HourglassWhileWorking(ui::Screen& screen);
  ~HourglassWhileWorking() { Restore(); }
  HourglassWhileWorking(const HourglassWhileWorking&) = delete;
  HourglassWhileWorking& operator=(const HourglassWhileWorking&) = delete;

  // Puts the remembered pointer back now (before a message box, say); later calls do nothing.
  void Restore();

 private:
  ui::Screen& screen_;
  int remembered_;
  bool restored_ = false;
};

// The registration's steps, in the order RegisterInNetwork runs them. Each raises when the registration
// has to stop; `failureContext` then holds the line shown under the error.

// Makes sure that every supported model has a device template: a template found is reported with
// MsgMain(46); a missing one is created from the model's interface file below `importPath`, and refused on
// a remote client. An interface file that cannot be imported raises its import's error once the other
// models are done, the file named in `failureContext`. The program IDs whose templates are there now, in
// model order.
std::vector<std::string> EnsureModelTemplates(Program& program, lns::LnsDeviceTemplates& templates,
                                              const std::string& importPath, std::string& failureContext);

// Registers each row of the command table for the templates of `programIds`, asking once per command
// whether it shall be the default action.
void RegisterCommandRows(Program& program, lns::LnsDeviceTemplates& templates,
                         const std::vector<std::string>& programIds);

}  // namespace qvr
