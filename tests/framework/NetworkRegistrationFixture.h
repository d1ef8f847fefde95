#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "PlugInFixture.h"
#include "mainwindow/device/fProgress.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/registry/MachineSetup.h"

namespace framework_test {

inline constexpr const char* kOurProgId = "Calyxtern_qvr_lon_PlugIn.LNSPlugInAPI";
inline constexpr const char* kOtherProgId = "Other_Maker.PlugIn";
inline constexpr const char* kInstallationBox =
    "Plug-In installation successful. To finish installation please start the network-managment-tool again!";

// An entry as one line: name, ProgID, class, command, text, version, manufacturer ID, default flag.
inline std::string Describe(const lns::LnsComponentApp& app) {
  return app.GetName() + "|" + app.GetProgId() + "|" + std::to_string(app.GetObjectClass()) + "|" +
         std::to_string(app.GetCommandId()) + "|" + app.GetText() + "|" + app.GetVersion() + "|" +
         app.GetManufacturerId() + "|" + (app.GetDefault() ? "default" : "-");
}

inline std::vector<std::string> Entries(const lns::LnsComponentApps& apps) {
  std::vector<std::string> entries;
  for (long position = 1; position <= apps.Count(); ++position)
    entries.push_back(Describe(apps.Item(position)));
  return entries;
}

// The two entries a registration gives each template, with the default flag of "Configure".
inline std::vector<std::string> OurTemplateEntries(bool configureIsDefault,
                                                   const std::string& configureName = "Configure") {
  return {configureName + "|" + kOurProgId + "|7|13||1.5|1048430|" + (configureIsDefault ? "default" : "-"),
          std::string("Calyxtern_qvr_lon_Plug-in|") + kOurProgId + "|7|10000||1.5|1048430|-"};
}

inline lns::LnsComponentApp AddEntry(lns::LnsComponentApps apps, const std::string& name,
                                     const std::string& progId, long command, long objectClass = 7,
                                     bool isDefault = false) {
  lns::LnsComponentApp app = apps.Add(name, progId, objectClass);
  app.PutCommandId(command);
  app.PutDefault(isDefault);
  return app;
}

// A director's plug-in object on the Demo network (and others the test adds), with the boxes it answers.
class RegistrationTest : public PlugInTest {
 protected:
  using PlugInTest::PlugInTest;

  ui::HeadlessMessageBoxes& Boxes() { return fixture.services().Boxes(); }
  std::filesystem::path LonWorks() const { return reg::LonWorksFolderIn(fixture.root()); }

  std::vector<std::string> Prompts() {
    std::vector<std::string> prompts;
    for (const auto& box : Boxes().Shown()) prompts.push_back(box.request.prompt);
    return prompts;
  }

  // Queues what a user answers to a registration in a network where all four templates exist.
  void QueueTemplatesFound() {
    for (int model = 0; model < 4; ++model) Boxes().QueueAnswer(ui::vbOK, kInstallationBox);
  }

  lns::LnsDeviceTemplates Templates() {
    return state.CurrentSystem->GetTemplateLibrary().GetDeviceTemplates();
  }
  lns::LnsComponentApps AppsOf(const std::string& templateName) {
    return Templates().Item(templateName).GetComponentApps();
  }

  // Records each new status line of the progress window that a yield lets paint.
  void WatchStatusLines() {
    watch_ = [this] {
      if (const qvr::fProgress* progress = program.Windows().Find<qvr::fProgress>();
          progress && progress->IsLoaded()) {
        const std::string& line = progress->lblStatus.Caption();
        if (statusLines.empty() || statusLines.back() != line) statusLines.push_back(line);
      }
      program.Ui().Loop().Post(watch_);
    };
    program.Ui().Loop().Post(watch_);
  }

  bool ProgressWindowLoaded() {
    const qvr::fProgress* progress = program.Windows().Find<qvr::fProgress>();
    return progress && progress->IsLoaded();
  }

  std::vector<std::string> statusLines;

 private:
  std::function<void()> watch_;
};

}  // namespace framework_test
