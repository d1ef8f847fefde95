#include "mainwindow/apply/fStatus.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "program/Program.h"
#include "services/InterfaceLanguage.h"
#include "texts/Language.h"
#include "texts/MainMessages.h"
#include "texts/WindowTexts.h"

namespace qvr {

namespace {

// What the estimate's label shows until the second device starts.
constexpr const char* kNoEstimate = "Time";

}  // namespace

fStatus::fStatus(Program& program)
    : ui::Form(program.App(), "fStatus"),
      lbl_St_Device(*this, "lbl_St_Device"),
      Lbl_Devices(*this, "Lbl_Devices"),
      Progr_Devices(*this, "Progr_Devices"),
      lbl_St_Parameter(*this, "lbl_St_Parameter"),
      Lbl_Parameters(*this, "Lbl_Parameters"),
      Progr_Parameter(*this, "Progr_Parameter"),
      lbl_Zeit(*this, "lbl_Zeit"),
      lbl_time(*this, "lbl_time"),
      lblclose(*this, "lblclose"),
      program_(program) {
  SetCaption("Status");
  SetBorderStyle(ui::vbFixedToolWindow);
  Move(0, 0, 4800, 2700);
  lbl_St_Device.Move(120, 120, 1300, 255);
  Lbl_Devices.Move(1500, 120, 1500, 255);
  Progr_Devices.Move(120, 420, 4440, 255);
  lbl_St_Parameter.Move(120, 780, 1300, 255);
  Lbl_Parameters.Move(1500, 780, 1500, 255);
  Progr_Parameter.Move(120, 1080, 4440, 255);
  lbl_Zeit.Move(120, 1440, 1300, 255);
  lbl_time.Move(1500, 1440, 1500, 255);
  lbl_time.SetCaption(kNoEstimate);
  lblclose.Move(120, 1800, 4440, 480);
  Lbl_Devices.OnChange = [this] { Lbl_Devices_Change(); };
}

void fStatus::Form_Load() {
  Move(0, 0);
  const auto& messages = program_.texts.MsgMain;
  lbl_St_Device.SetCaption(messages[kMsgDevices]);
  lbl_St_Parameter.SetCaption(messages[kMsgParameters]);
  lbl_Zeit.SetCaption(messages[kMsgRemainingTime]);
  lblclose.SetCaption(messages[kMsgHowToCancel]);
  // Each load starts from the design caption, so the language's own caption is set at every load.
  const Language language = InterfaceLanguage(program_.Err, program_.Registry());
  if (const auto caption = TransferStatusCaption(language)) SetCaption(std::string(*caption));
}

void fStatus::StartTransfer() {
  // A stamp left by an earlier transfer would time the first device from then.
  deviceStartedAt_.reset();
  lbl_time.SetCaption(kNoEstimate);
}

void fStatus::Form_Unload() {
  program_.mainwindow.TransferCancelled = true;
}

void fStatus::Lbl_Devices_Change() {
  const ui::LocalDateTime now = program_.Ui().Clock().Now();
  // The first device of a transfer has no predecessor to time: the label keeps "Time" until the second.
  if (deviceStartedAt_) {
    const std::int64_t elapsed =
        std::max<std::int64_t>(std::llabs(ui::SecondsBetween(*deviceStartedAt_, now)), 1);
    const std::int64_t left =
        program_.mainwindow.SelectedCount + 1 - static_cast<std::int64_t>(Progr_Devices.Value());
    lbl_time.SetCaption(std::to_string(std::llabs(left * elapsed)) + " sec");
  }
  deviceStartedAt_ = now;
}

}  // namespace qvr
