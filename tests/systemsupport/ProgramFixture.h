#pragma once

#include <functional>
#include <memory>
#include <string>

#include "TempMachineRoot.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/ui/headless/HeadlessFormBackend.h"
#include "platform/ui/headless/HeadlessServices.h"
#include "program/Program.h"

namespace testsupport {

// A fresh machine root (registry, LonWorks folder, the maker's resources installed), the headless UI and a
// Program on them: what every test of the system starts from. The plug-in key's language is "english"
// unless a test changes it before the main window loads.
class ProgramFixture {
 public:
  ProgramFixture();
  ~ProgramFixture();

  // Writes the plug-in key's "Language" value.
  void SetLanguage(const std::string& language);
  // Creates the network "Demo" of `lns init --demo`.
  void CreateDemoNetwork();
  // Adds the network `name` on a server of the machine root's own; `work` then fills its open system.
  void AddNetwork(const std::string& name, const std::function<void(lns::LnsSystem&)>& work = {});
  // Imports the four models' device templates, named after the models, into `system`.
  static void ImportModels(lns::LnsSystem& system);

  qvr::Program& program() { return *program_; }
  ui::HeadlessServices& services() { return services_; }
  ui::HeadlessFormBackend& backend() { return backend_; }
  const std::filesystem::path& root() const { return root_.Path(); }

 private:
  TempMachineRoot root_;
  ui::HeadlessServices services_;
  ui::HeadlessFormBackend backend_;
  std::unique_ptr<qvr::Program> program_;
};

}  // namespace testsupport
