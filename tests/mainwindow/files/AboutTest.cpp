// The About box and the help menu: the box loaded with the device's values and shown by the menu, its
// links, and the documents of the program's folder opened through the shell.

#include <filesystem>
#include <fstream>
#include <string>

#include "DemoMachineFixture.h"
#include "identity/PlugInIdentity.h"
#include "mainwindow/files/fAbout.h"
#include "platform/lns/resources/ShippedResources.h"
#include "platform/registry/MachineSetup.h"
#include "services/CRegistry.h"
#include "texts/Language.h"
#include "texts/WindowTexts.h"

namespace mainwindow_test {

using namespace testsupport;
namespace {

namespace fs = std::filesystem;

class AboutTest : public ApplyTest {
 protected:
  qvr::fAbout* about() { return program().Windows().Find<qvr::fAbout>(); }
  void SetLanguage(const std::string& language) {
    runtime::ErrObject err;
    qvr::CRegistry(err, program().Registry()).MachineSetting(qvr::kPlugInKey, "Language", language);
  }
  // Where `lns init` installs the program's documents.
  fs::path ProgramFolder() {
    return lns::PlugInProgramFolder(reg::LonWorksFolderIn(program().MachineRoot()));
  }
  const ui::HeadlessShell::OpenRecord& LastOpened() { return services().TestShell().Opened().back(); }
  bool Centred(const ui::Form& form) {
    const ui::Screen& screen = program().Ui().Screen();
    return form.Left() == (screen.Width() - form.Width()) / 2 &&
           form.Top() == (screen.Height() - form.Height()) / 2;
  }
};

TEST_F(AboutTest, TheBoxIsLoadedWithTheDevicesValuesAndTheMenuShowsTheOneWindow) {
  EXPECT_EQ(about(), nullptr);
  Open("Floor 1", "Room 101");
  qvr::fAbout* box = about();
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->IsLoaded());
  EXPECT_FALSE(box->Visible());
  EXPECT_TRUE(Centred(*box));
  EXPECT_EQ(box->lblVersion.Caption(), "Calyxtern_qvr_lon_PlugIn: Version 1.3 for LNS/LCA for Windows®");
  EXPECT_EQ(box->lbl_Software_Hinweis.Caption(), qvr::LiabilityDisclaimer(qvr::Language::English));
  EXPECT_EQ(box->lbl_Calyxtern.Caption(), "Calyxtern Orvalis GmbH");
  EXPECT_EQ(box->lbltxtEmail.Caption(), "E-Mail:");
  EXPECT_EQ(box->lbltxtHyperlink.Caption(), "Internet:");

  window().mnuAbout.UserClicks();
  EXPECT_TRUE(box->Visible());
  EXPECT_FALSE(box->IsModal());
  EXPECT_EQ(box->Owner(), &window());
  window().mnuAbout.UserClicks();
  EXPECT_EQ(about(), box);
  EXPECT_TRUE(box->Visible());

  // Closed, it is loaded again by the next show: centred and in the language registered by then.
  box->Move(0, 0);
  box->UserCloses();
  EXPECT_FALSE(box->IsLoaded());
  SetLanguage("german");
  window().mnuAbout.UserClicks();
  EXPECT_TRUE(box->Visible());
  EXPECT_TRUE(Centred(*box));
  EXPECT_EQ(box->lblVersion.Caption(), "Calyxtern_qvr_lon_PlugIn: Version 1.3 für LNS/LCA für Windows®");
  EXPECT_EQ(box->lbl_Software_Hinweis.Caption(), qvr::LiabilityDisclaimer(qvr::Language::German));
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(AboutTest, LinksOpenThroughTheShellAndReloadTheirPointerFromTheProgramsFolder) {
  window().mnuAbout.UserClicks();
  qvr::fAbout& box = *about();
  for (ui::Label* link : {&box.lblemail, &box.lblHyperlink}) {
    EXPECT_EQ(link->ForeColor(), 0xFF0000u);
    EXPECT_EQ(link->MousePointer(), ui::vbCustom);
  }
  box.lblemail.UserClicks();
  EXPECT_EQ(LastOpened().target, "mailto:info@calyxtern-orvalis.example");
  EXPECT_EQ(LastOpened().showCommand, ui::vbMaximizedFocus);
  box.lblHyperlink.UserClicks();
  EXPECT_EQ(LastOpened().target, "https://www.calyxtern-orvalis.example");
  EXPECT_EQ(LastOpened().showCommand, ui::vbMaximizedFocus);

  // The cursor file installed with the program: each move over a link loads it.
  const fs::path cursor = ProgramFolder() / "H_Point.cur";
  ASSERT_TRUE(fs::is_regular_file(cursor));
  box.lblemail.UserMovesMouse(0, 0, 100, 50);
  box.lblHyperlink.UserMovesMouse(0, 0, 100, 50);
  EXPECT_EQ(fs::path(box.lblemail.MouseIcon()), cursor);
  EXPECT_EQ(fs::path(box.lblHyperlink.MouseIcon()), cursor);
  // Without the file a link keeps the pointer it has.
  fs::remove(cursor);
  box.lblemail.SetMouseIcon("H_Point.cur");
  box.lblemail.UserMovesMouse(0, 0, 100, 50);
  EXPECT_EQ(box.lblemail.MouseIcon(), "H_Point.cur");
  EXPECT_TRUE(boxes().Shown().empty());
}

TEST_F(AboutTest, TheHelpMenuOpensTheModelsDocumentsFromTheProgramsFolder) {
  const fs::path folder = ProgramFolder();
  // No model identified yet: the shell is asked to open the folder itself.
  window().mnuBeschreibung.UserClicks();
  EXPECT_EQ(fs::path(LastOpened().target), folder);
  window().mnuReadme.UserClicks();
  EXPECT_EQ(fs::path(LastOpened().target), folder);

  Open("Floor 1", "Room 101");
  window().mnuBeschreibung.UserClicks();
  EXPECT_EQ(fs::path(LastOpened().target), folder / "Dokumentation" / "qvrl207_eng.pdf");
  EXPECT_EQ(LastOpened().showCommand, ui::vbMaximizedFocus);
  window().mnuReadme.UserClicks();
  EXPECT_EQ(fs::path(LastOpened().target), folder / "readme_eng.txt");
  EXPECT_EQ(LastOpened().showCommand, ui::vbNormalFocus);

  SetLanguage("german");
  Open("Floor 2", "Room 201");
  window().mnuBeschreibung.UserClicks();
  EXPECT_EQ(fs::path(LastOpened().target), folder / "Dokumentation" / "qvrl106.pdf");
  window().mnuReadme.UserClicks();
  EXPECT_EQ(fs::path(LastOpened().target), folder / "readme_ger.txt");
  EXPECT_EQ(services().TestShell().Opened().size(), 6u);
  // Every document the menu opens was installed with the program.
  for (std::size_t opened = 2; opened < 6; ++opened) {
    EXPECT_TRUE(fs::is_regular_file(services().TestShell().Opened()[opened].target)) << opened;
  }

  // A shell that cannot be asked: a line in the log, no message.
  services().TestShell().SetFailing(true);
  window().mnuBeschreibung.UserClicks();
  window().mnuReadme.UserClicks();
  EXPECT_EQ(ErrorLines(),
            (std::vector<std::string>{"Error: loading Description        (mnuBeschreibung_Click(fMain))",
                                      "Error: loading Readme        (mnuReadme_Click(fMain))"}));
  EXPECT_TRUE(boxes().Shown().empty());
}

}  // namespace
}  // namespace mainwindow_test
