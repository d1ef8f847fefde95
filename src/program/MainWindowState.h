#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/lns/LnsDeviceTemplate.h"
#include "platform/lns/LnsInterface.h"

namespace qvr {

// One device chosen in the device-selection window for a transfer to several devices.
struct SelectedDevice {
  std::string Name;
  // The device's 1-based position in the device collection of CurrentDeviceTemplate.
  std::int16_t Index = 0;
};

// What the main window keeps program-wide: the transfer to several devices and the print choice.
struct MainWindowState {
  // The most devices one transfer can hold.
  static constexpr std::size_t kMaxSelectedDevices = 10000;

  // The template of the device being edited, whose devices are offered for the transfer.
  std::optional<lns::LnsDeviceTemplate> CurrentDeviceTemplate;
  // Used from 1 to SelectedCount.
  std::vector<SelectedDevice> SelectedDevices = std::vector<SelectedDevice>(kMaxSelectedDevices + 1);
  std::int16_t SelectedCount = 0;
  // While a transfer writes to SelectedDevices(SyncDevice), property addresses resolve on that device.
  bool SyncRunning = false;
  std::int16_t SyncDevice = 0;
  // The interface of the device of slot SyncDevice as the transfer found it at its turn (and checked its
  // name): the addresses resolve on this very device, not on whatever holds the slot's place by then.
  std::optional<lns::LnsInterface> SyncTarget;
  // Set when the user closes the transfer-status window; Apply's loops test it and end the run.
  bool TransferCancelled = false;
  // The sections that the print-choice window chose last (properties, inputs, outputs); a print job
  // whose choice window was closed without its button prints the previous choice.
  bool PrintNci = false;
  bool PrintNvi = false;
  bool PrintNvo = false;
};

}  // namespace qvr
