#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ProgramFixture.h"
#include "identity/PlugInIdentity.h"
#include "platform/registry/RegistryStore.h"
#include "program/Program.h"
#include "services/CRegistry.h"

namespace framework_test {

// Where the tests pretend the program was started from.
inline const std::string kProgramFile = "/opt/qvr/bin/Calyxtern_qvr_lon_PlugIn";

// What a user answers when asked about each of the four unused templates.
inline void KeepUnusedTemplates(ui::HeadlessMessageBoxes& boxes) {
  for (int model = 0; model < 4; ++model) boxes.QueueAnswer(ui::vbNo, "is no longer referenced");
}

// A stand-alone run on a fresh machine root: started from kProgramFile with `commandLine`.
class StandAloneTest : public ::testing::Test {
 protected:
  explicit StandAloneTest(const std::string& commandLine = "/regplugin") {
    program.framework.ProgramFile = kProgramFile;
    program.framework.CommandLine = commandLine;
  }

  std::string KeyValue(const std::string& name) {
    runtime::ErrObject err;
    return qvr::CRegistry(err, fixture.program().Registry()).MachineSetting(qvr::kPlugInKey, name);
  }
  void SetKeyValue(const std::string& name, const std::string& value) {
    runtime::ErrObject err;
    qvr::CRegistry(err, fixture.program().Registry()).MachineSetting(qvr::kPlugInKey, name, value);
  }
  bool KeyExists() {
    reg::RegistryStore store(reg::RegistryStore::FileIn(fixture.root()));
    return store.KeyExists(reg::Hive::LocalMachine, qvr::kPlugInKey);
  }
  // The plug-in key as registered by an earlier version (default value and "Version").
  void RegisterEarlier(const std::string& version) {
    SetKeyValue("", qvr::kProgId);
    SetKeyValue("Version", version);
  }
  // Makes the registry store refuse every write, as a store without write permission does.
  void MakeRegistryReadOnly() {
    namespace fs = std::filesystem;
    fs::permissions(reg::RegistryStore::FileIn(fixture.root()),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  }

  ui::HeadlessMessageBoxes& Boxes() { return fixture.services().Boxes(); }
  ui::HeadlessShell& Shell() { return fixture.services().TestShell(); }
  std::vector<std::string> Prompts() {
    std::vector<std::string> prompts;
    for (const auto& box : Boxes().Shown()) prompts.push_back(box.request.prompt);
    return prompts;
  }
  static std::vector<std::string> Started(const std::string& serverSwitch) {
    return {kProgramFile, serverSwitch};
  }

  testsupport::ProgramFixture fixture;
  qvr::Program& program = fixture.program();
};

}  // namespace framework_test
