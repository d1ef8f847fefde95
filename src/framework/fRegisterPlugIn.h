#pragma once

#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/Frame.h"

namespace qvr {

class Program;

// The registration dialog of a stand-alone start: register the plug-in in the chosen language, deregister
// it from every network and the machine, or exit. Every way of closing it ends the program.
class fRegisterPlugIn : public ui::Form {
 public:
  explicit fRegisterPlugIn(Program& program);

  ui::Frame Frame_Register;
  ui::CommandButton bRegister;
  ui::CommandButton bDeregister;
  ui::Frame Frame1;
  ui::ComboBox Language;  // item 0 "Deutsch", item 1 "English"
  ui::CommandButton bExit;

  void Language_Change();
  void bRegister_Click();
  void bDeregister_Click();
  void bExit_Click();

 protected:
  void Form_Load() override;
  // A deregistration under way keeps the dialog open: closing it would end the program half-way.
  void Form_QueryUnload(bool& Cancel) override;
  void Form_Unload() override;

 private:
  // "german" for item 0, "english" for item 1; any other selection leaves the language as it is.
  void SetRegisterLanguageFromSelection();
  void EnableButtons(bool enabled);

  Program& program_;
  bool deregistering_ = false;
};

}  // namespace qvr
