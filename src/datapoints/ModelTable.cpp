#include "datapoints/ModelTable.h"

#include <cstdio>

namespace qvr {

namespace {

// Even model numbers are the smaller family, odd ones the larger.
constexpr SupportedModel kSupportedModels[] = {
    {8, "Calyxtern qvrl105", "qvrl105\\qvrl105.xif", DeviceFamily::QvrL1},
    {9, "Calyxtern qvrl206", "qvrl206\\qvrl206.xif", DeviceFamily::QvrL2},
    {10, "Calyxtern qvrl106", "qvrl106\\qvrl106.xif", DeviceFamily::QvrL1},
    {11, "Calyxtern qvrl207", "qvrl207\\qvrl207.xif", DeviceFamily::QvrL2},
};

}  // namespace

std::span<const SupportedModel> SupportedModels() {
  return kSupportedModels;
}

std::string ProgramIdOfModel(const std::string& prefix, std::int16_t model) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(static_cast<std::uint16_t>(model)));
  return prefix + digits;
}

DeviceFamily FamilyOfProgramId(const std::string& programId) {
  for (const SupportedModel& model : kSupportedModels) {
    if (programId == ProgramIdOfModel(kProgramIdPrefix, model.number)) return model.family;
  }
  return DeviceFamily::None;
}

std::string FamilyName(DeviceFamily family) {
  switch (family) {
    case DeviceFamily::QvrL1:
      return "QVR-L1";
    case DeviceFamily::QvrL2:
      return "QVR-L2";
    case DeviceFamily::None:
      break;
  }
  return "";
}

}  // namespace qvr
