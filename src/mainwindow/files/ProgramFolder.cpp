#include "mainwindow/files/ProgramFolder.h"

#include "platform/MachineRoot.h"
#include "platform/lns/resources/ShippedResources.h"
#include "platform/registry/MachineSetup.h"
#include "program/Program.h"

namespace qvr {

std::filesystem::path ProgramFolderFile(const Program& program, std::string_view relative) {
  const std::filesystem::path lonWorks =
      reg::LonWorksFolder(program.MachineRoot(), program.model.LonWorksFolder);
  return platform::MapWindowsPath(lns::PlugInProgramFolder(lonWorks), relative);
}

}  // namespace qvr
