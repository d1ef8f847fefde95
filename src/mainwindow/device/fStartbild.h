#pragma once

#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/ProgressBar.h"

namespace qvr {

class Program;

// The splash window shown while the main window starts and a device opens.
class fStartbild : public ui::Form {
 public:
  explicit fStartbild(Program& program);

  // The maker and the program, the splash's picture.
  ui::Label lblFirma;
  ui::Label lblProgramm;
  // Lent to the device search of the device-selection window, hidden otherwise.
  ui::ProgressBar Progr_Geraete;
  ui::Label lblGeraet;

 protected:
  // Centres itself on the screen without showing itself.
  void Form_Load() override;

 private:
  Program& program_;
};

}  // namespace qvr
