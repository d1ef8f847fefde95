// Resolving a configuration property's address (NciKey) to the property object of a device.

#include <charconv>
#include <limits>
#include <optional>
#include <string>

#include "identity/PlugInIdentity.h"
#include "mainwindow/device/AbortableSteps.h"
#include "mainwindow/device/RetryStep.h"
#include "mainwindow/fMain.h"
#include "platform/lns/LnsObjectModel.h"
#include "platform/runtime/Present.h"
#include "platform/runtime/SplitAt.h"
#include "program/Program.h"
#include "services/HostErrors.h"

namespace qvr {

namespace {

// The whole number that an address part holds (blanks around it allowed). A part that is no number raises
// "Type mismatch"; one beyond the range of Number raises "Overflow".
template <class Number>
Number WholeNumber(const std::string& part) {
  const std::string digits = runtime::Trim(part);
  long long value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || end != digits.data() + digits.size() || error == std::errc::invalid_argument) {
    runtime::RaiseTypeMismatch();
  }
  if (error == std::errc::result_out_of_range || value < std::numeric_limits<Number>::min() ||
      value > std::numeric_limits<Number>::max()) {
    runtime::RaiseOverflow();
  }
  return static_cast<Number>(value);
}

// A property's place in an address: its resource scope and type index as decimal text, "0:155".
std::string ScopeAndIndex(const lns::LnsConfigProperty& property) {
  return std::to_string(property.GetResourceScope()) + ":" + std::to_string(property.GetTypeIndex());
}

}  // namespace

std::optional<lns::LnsConfigProperty> fMain::GetNciObject(std::string key) {
  // After Abort every later step is passed over and the result is nothing.
  AbortableSteps step(program_, RetryBox([](const runtime::ErrObject& err) {
                        return err.Description + "32" + std::to_string(err.Number);
                      }));

  MainWindowState& sync = program_.mainwindow;
  std::optional<lns::LnsInterface> deviceInterface;
  step([&] {
    if (sync.SyncRunning) {
      deviceInterface = runtime::Present(sync.SyncTarget);
    } else {
      deviceInterface = runtime::Present(program_.framework.CurrentDevice).GetInterface();
    }
  });
  std::optional<lns::LnsLonMarkObjects> blocks;
  step([&] { blocks = runtime::Present(deviceInterface).GetLonMarkObjects(); });

  std::string kind;
  std::string rest;
  step([&] { kind = runtime::SplitAt(key, ":", rest); });
  // "F:" and "N:" name their owner before "/" and repeat the "C:" of the property's own part after it.
  std::optional<lns::LnsConfigProperties> properties;
  if (kind == "C") {
    step([&] { properties = runtime::Present(deviceInterface).GetConfigProperties(); });
  } else if (kind == "F" || kind == "N") {
    std::string owner;
    step([&] { owner = runtime::SplitAt(rest, "/", rest); });
    if (kind == "F") {
      step([&] {
        const long block = WholeNumber<long>(owner);
        properties = runtime::Present(blocks).Item(block + 1).GetConfigProperties();
      });
    } else {
      step([&] {
        const std::int16_t nv = WholeNumber<std::int16_t>(owner);
        const lns::LnsNetworkVariables variables =
            sync.SyncRunning ? runtime::Present(deviceInterface).GetNetworkVariables()
                             : runtime::Present(NvCollection);
        properties = variables.ItemByIndex(nv).GetConfigProperties();
      });
    }
    step([&] { runtime::SplitAt(rest, ":", rest); });
  }

  std::optional<lns::LnsConfigProperty> found;
  long count = 0;
  step([&] { count = runtime::Present(properties).Count(); });
  for (long position = 1; position <= count && !found && !step.Aborted(); ++position) {
    step([&] {
      const lns::LnsConfigProperty property = properties->Item(position);
      if (ScopeAndIndex(property) == rest) found = property;
    });
  }
  if (step.Aborted()) return std::nullopt;
  return found;
}

}  // namespace qvr
