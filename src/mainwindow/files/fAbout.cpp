#include "mainwindow/files/fAbout.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "mainwindow/design/SetLanguageTexts.h"
#include "mainwindow/files/ProgramFolder.h"
#include "program/Program.h"
#include "texts/Language.h"
#include "texts/WindowTexts.h"

namespace qvr {

namespace {

constexpr ui::Color kLinkBlue = 0xFF0000;  // 0x00BBGGRR

// The pointer picture the links carry in the design, named after the file it was made from.
constexpr const char* kDesignCursor = "H_Point.cur";

void OpenInShell(Program& program, const std::string& target) {
  program.Ui().Shell().Open(target, ui::vbMaximizedFocus);
}

// Loads the link's pointer from the cursor file of the program's folder.
void ReloadLinkCursor(const Program& program, ui::Label& link) {
  const std::filesystem::path file = ProgramFolderFile(program, fAbout::kLinkCursorFile);
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error) || !std::ifstream(file, std::ios::binary).is_open())
    return;
  link.SetMouseIcon(file.string());
}

}  // namespace

fAbout::fAbout(Program& program)
    : ui::Form(program.App(), "fAbout"),
      lblVersion(*this, "lblVersion"),
      lblCopyright(*this, "lblCopyright"),
      lbl_Software_Hinweis(*this, "lbl_Software_Hinweis"),
      lbl_Calyxtern(*this, "lbl_Calyxtern"),
      lbl_Calyxtern_Anschrift(*this, "lbl_Calyxtern_Anschrift"),
      lbltxtEmail(*this, "lbltxtEmail"),
      lblemail(*this, "lblemail"),
      lbltxtHyperlink(*this, "lbltxtHyperlink"),
      lblHyperlink(*this, "lblHyperlink"),
      program_(program) {
  SetCaption("Info");
  SetBorderStyle(ui::vbFixedDialog);
  Move(0, 0, 6150, 5130);
  lblVersion.SetCaption("Calyxtern_qvr_lon_PlugIn: Version 1.3 für LNS/LCA für Windows®");
  lblVersion.Move(240, 240, 5580, 255);
  lblCopyright.SetCaption("Copyright © 2003-2005 Calyxtern Orvalis GmbH");
  lblCopyright.Move(240, 600, 5580, 255);
  lbl_Software_Hinweis.SetCaption(std::string(LiabilityDisclaimer(Language::German)));
  lbl_Software_Hinweis.Move(240, 960, 5580, 1215);
  lbl_Calyxtern.SetCaption("Calyxtern Orvalis GmbH");
  lbl_Calyxtern.Move(240, 2400, 5580, 255);
  lbl_Calyxtern_Anschrift.SetCaption(
      "Am Lindenhof 7\r\nD-79100 Freiburg\r\nTel.: +49 (0)761 555 0100\r\nFax: +49 (0)761 555 0199");
  lbl_Calyxtern_Anschrift.Move(240, 2760, 5580, 1035);
  lbltxtEmail.SetCaption("E-Mail:");
  lbltxtEmail.Move(240, 3960, 1095, 255);
  DesignLink(lblemail, kEmailAddress, 3960);
  lbltxtHyperlink.SetCaption("Internet:");
  lbltxtHyperlink.Move(240, 4320, 1095, 255);
  DesignLink(lblHyperlink, "www.calyxtern-orvalis.example", 4320);

  lblemail.OnClick = [this] { lblemail_Click(); };
  lblHyperlink.OnClick = [this] { lblHyperlink_Click(); };
  lblemail.OnMouseMove = [this](int Button, int Shift, float X, float Y) {
    lblemail_MouseMove(Button, Shift, X, Y);
  };
  lblHyperlink.OnMouseMove = [this](int Button, int Shift, float X, float Y) {
    lblHyperlink_MouseMove(Button, Shift, X, Y);
  };
}

void fAbout::DesignLink(ui::Label& link, const char* caption, float top) {
  link.SetCaption(caption);
  link.Move(1440, top, 4380, 255);
  link.SetForeColor(kLinkBlue);
  link.SetMousePointer(ui::vbCustom);
  link.SetMouseIcon(kDesignCursor);
}

void fAbout::Form_Load() {
  const ui::Screen& screen = program_.Ui().Screen();
  Move((screen.Width() - Width()) / 2, (screen.Height() - Height()) / 2);
  SetLanguageTexts(program_, *this, kAboutWindowTexts);
}

void fAbout::lblemail_Click() {
  OpenInShell(program_, std::string("mailto:") + kEmailAddress);
}

void fAbout::lblHyperlink_Click() {
  OpenInShell(program_, kWebAddress);
}

void fAbout::lblemail_MouseMove(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {
  ReloadLinkCursor(program_, lblemail);
}

void fAbout::lblHyperlink_MouseMove(int /*Button*/, int /*Shift*/, float /*X*/, float /*Y*/) {
  ReloadLinkCursor(program_, lblHyperlink);
}

}  // namespace qvr
