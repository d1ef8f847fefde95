#pragma once

#include <optional>

#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/TimeOfDay.h"

namespace qvr {

class Program;

// The progress of a transfer to several devices: which device and which property is being written, and
// an estimate of the time left. Closing it is how the user cancels the transfer.
class fStatus : public ui::Form {
 public:
  explicit fStatus(Program& program);

  ui::Label lbl_St_Device;
  ui::Label Lbl_Devices;  // "k / n": setting it starts the next device's estimate
  ui::ProgressBar Progr_Devices;
  ui::Label lbl_St_Parameter;
  ui::Label Lbl_Parameters;
  ui::ProgressBar Progr_Parameter;
  ui::Label lbl_Zeit;
  ui::Label lbl_time;
  ui::Label lblclose;

  // A transfer starts: no device of it has been timed yet, so there is no estimate until the second device.
  void StartTransfer();
  // The estimate when a new device starts: the time the previous device took times the devices left.
  void Lbl_Devices_Change();

 protected:
  void Form_Load() override;
  // Every closing, the user's or Apply's, cancels a transfer that is still running.
  void Form_Unload() override;

 private:
  Program& program_;
  // When the previous device of this transfer started; date and time, so that a transfer may pass midnight.
  std::optional<ui::LocalDateTime> deviceStartedAt_;
};

}  // namespace qvr
