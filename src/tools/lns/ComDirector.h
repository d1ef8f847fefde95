#pragma once

#include "platform/Error.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace lnstool {

// A plug-in object that this process holds in the plug-in program, reached through the machine root's
// bus. Each member raises the object's error as a platform::RaisedError with the number, source and
// description the object gave; destroying the holder releases the object.
class RemotePlugIn {
 public:
  virtual ~RemotePlugIn() = default;
  virtual void SetNetworkInterfaceName(const std::string& name) = 0;
  virtual void SetNetworkName(const std::string& name) = 0;
  // The name of the device that the command opened in the plug-in's main window; "" when none.
  virtual std::string SendCommand(std::int32_t commandId, std::int16_t objectClass,
                                  const std::string& objectName) = 0;
  virtual void SetVisible(bool visible) = 0;
  // Whether the main window shows; false as well once the plug-in program or the bus has gone. A call that
  // the plug-in held back too long (a modal window of its own is open) counts as shown.
  virtual bool Visible() = 0;
};

// How the tool reaches the plug-in program as a director (`lns send --com`). The tool knows no bus
// library of its own: the program's main hands one in, and a tool without one cannot direct.
class ComDirector {
 public:
  virtual ~ComDirector() = default;
  // Starts the machine root's bus unless it runs, and creates a plug-in object there; the bus starts the
  // registered plug-in program when it does not run. Raises a platform::RaisedError when the class is not
  // registered or the program cannot be reached.
  virtual std::unique_ptr<RemotePlugIn> CreatePlugIn(const std::filesystem::path& root) = 0;
};

}  // namespace lnstool
