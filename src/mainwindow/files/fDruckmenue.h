#pragma once

#include "platform/ui/CheckBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"

namespace qvr {

class Program;

// The print-choice window: which sections a print job holds besides the device's header (configuration
// properties, inputs, outputs). Its button stores the choice for the print job and closes the window;
// each load starts with nothing ticked.
class fDruckmenue : public ui::Form {
 public:
  explicit fDruckmenue(Program& program);

  ui::Label lblDruckauswahl;
  ui::CheckBox chknci;
  ui::CheckBox chknvi;
  ui::CheckBox chknvo;
  ui::CommandButton cmdDruck;

  void cmdDruck_Click();

 protected:
  // Centres the window and sets its texts, at every activation.
  void Form_Activate() override;

 private:
  Program& program_;
};

}  // namespace qvr
