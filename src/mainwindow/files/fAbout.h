#pragma once

#include "platform/ui/Form.h"
#include "platform/ui/Label.h"

namespace qvr {

class Program;

// The About box: the plug-in's version, the maker's name, address and rights and liability notices, and
// two links (e-mail and web) that the desktop shell opens.
class fAbout : public ui::Form {
 public:
  explicit fAbout(Program& program);

  static constexpr const char* kEmailAddress = "info@calyxtern-orvalis.example";
  static constexpr const char* kWebAddress = "https://www.calyxtern-orvalis.example";
  // The links' pointer, in the program's folder.
  static constexpr const char* kLinkCursorFile = "\\H_Point.cur";

  ui::Label lblVersion;
  ui::Label lblCopyright;
  ui::Label lbl_Software_Hinweis;
  ui::Label lbl_Calyxtern;
  ui::Label lbl_Calyxtern_Anschrift;
  ui::Label lbltxtEmail;
  ui::Label lblemail;
  ui::Label lbltxtHyperlink;
  ui::Label lblHyperlink;

  void lblemail_Click();
  void lblHyperlink_Click();
  // Each move over a link loads its pointer again from the cursor file; without a readable file the
  // link keeps the pointer it has.
  void lblemail_MouseMove(int Button, int Shift, float X, float Y);
  void lblHyperlink_MouseMove(int Button, int Shift, float X, float Y);

 protected:
  // Centres the window and sets its texts in the interface language.
  void Form_Load() override;

 private:
  void DesignLink(ui::Label& link, const char* caption, float top);

  Program& program_;
};

}  // namespace qvr
