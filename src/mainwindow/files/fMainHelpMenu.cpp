// The help menu (About box, device description, readme) and the wiring of the file menu's parameter and
// print entries.

#include <string>

#include "mainwindow/fMain.h"
#include "mainwindow/files/ProgramFolder.h"
#include "mainwindow/files/fAbout.h"
#include "platform/runtime/ResumeNext.h"
#include "program/Program.h"
#include "texts/MainMessages.h"

namespace qvr {

namespace {

// Opens a document of the program's folder with the desktop's program for it. A document that nothing
// opens the shell tells the user itself; failing to ask the shell at all writes `errorLine` to the log.
void OpenProgramDocument(Program& program, ui::LogControl& log, const std::string& relativePath,
                         int showCommand, const std::string& errorLine) {
  const bool asked = runtime::ResumeNext(program.Err, [&] {
    program.Ui().Shell().Open(ProgramFolderFile(program, relativePath).string(), showCommand);
  });
  if (!asked) log.ErrorLine(errorLine);
}

}  // namespace

void fMain::WireFileAndHelpMenuHandlers() {
  mnuParameter_speichern.OnClick = [this] { mnuParameter_speichern_Click(); };
  mnuParameter_laden.OnClick = [this] { mnuParameter_laden_Click(); };
  mnuDrucken.OnClick = [this] { mnuDrucken_Click(); };
  mnuAbout.OnClick = [this] { mnuAbout_Click(); };
  mnuBeschreibung.OnClick = [this] { mnuBeschreibung_Click(); };
  mnuReadme.OnClick = [this] { mnuReadme_Click(); };
}

void fMain::mnuAbout_Click() {
  program_.Windows().Get<fAbout>(program_).Show(ui::Modality::Modeless, this);
}

void fMain::mnuBeschreibung_Click() {
  // A device of no supported model has no description; another family's would mislead.
  if (program_.framework.CurrentDevice && program_.model.DocumentationFile.empty()) {
    program_.Ui().MsgBox(program_.texts.MsgMain[kMsgNoDescription], ui::vbInformation);
    return;
  }
  OpenProgramDocument(program_, EchLog, program_.model.DocumentationFile, ui::vbMaximizedFocus,
                      "Error: loading Description        (mnuBeschreibung_Click(fMain))");
}

void fMain::mnuReadme_Click() {
  OpenProgramDocument(program_, EchLog, program_.model.ReadmeFile, ui::vbNormalFocus,
                      "Error: loading Readme        (mnuReadme_Click(fMain))");
}

}  // namespace qvr
