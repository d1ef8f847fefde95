#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/ui/DisplaySettings.h"
#include "tools/lns/ComDirector.h"

class QCoreApplication;

namespace com {

// The director's side on the machine root's bus: creates plug-in objects in the plug-in program (which the
// bus starts from the class's service file) and drives them through their object paths. The program it
// starts shows its windows on the director's `display` and speaks the director's `language` (its language
// and regional settings by variable name).
class BusDirector final : public lnstool::ComDirector {
 public:
  BusDirector(ui::DisplaySettings display, std::map<std::string, std::string> language);
  ~BusDirector() override;
  BusDirector(const BusDirector&) = delete;
  BusDirector& operator=(const BusDirector&) = delete;

  std::unique_ptr<lnstool::RemotePlugIn> CreatePlugIn(const std::filesystem::path& root) override;

 private:
  // Qt's bus connections need an application object; a tool that shows no window has none of its own.
  // Made on first use, and gone before the program's static objects are.
  std::unique_ptr<QCoreApplication> application_;
  ui::DisplaySettings display_;
  std::map<std::string, std::string> language_;
  int connections_ = 0;
};

}  // namespace com
