#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace qvr {

// The models the plug-in serves, the one list of them in the system. (The LNS substitute imports the same
// models from their interface files in data/interfaces.)

// The first 14 of the 16 hex digits that every supported program ID shares, and the range of model
// numbers that complete it.
inline constexpr const char* kProgramIdPrefix = "9FFF6E0A5A0604";
inline constexpr std::int16_t kModelFirst = 8;
inline constexpr std::int16_t kModelLast = 11;

// The two device families: QVR-L1 (qvrl105, qvrl106) and QVR-L2 (qvrl206, qvrl207, with the space-comfort
// block SCC).
enum class DeviceFamily { None, QvrL1, QvrL2 };

// A supported model: its number (the program ID's last two hex digits), the name the plug-in shows, its
// device interface file relative to the maker's import folder, and its family.
struct SupportedModel {
  std::int16_t number;
  const char* name;
  const char* xifFile;
  DeviceFamily family;
};

// The supported models in the order of their numbers.
std::span<const SupportedModel> SupportedModels();

// The program ID of model number `model`: `prefix` followed by the number as (at least) two upper-case hex
// digits, e.g. model 10 gives "...0A".
std::string ProgramIdOfModel(const std::string& prefix, std::int16_t model);

// The family of a program ID. Program IDs are compared whole and exactly: lower-case hex letters, blanks
// or any other form match no family.
DeviceFamily FamilyOfProgramId(const std::string& programId);

// The family's name as the status bar shows it: "QVR-L1" or "QVR-L2" ("" for None).
std::string FamilyName(DeviceFamily family);

}  // namespace qvr
