#include "platform/lns/resources/ShippedResources.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/WriteFileWhole.h"
#include "platform/lns/LnsError.h"

namespace lns {

namespace {

void CopyIntoPlace(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::filesystem::create_directories(to.parent_path());
  std::ifstream in(from, std::ios::binary);
  const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in) throw LnsError(kLnsNotFound, "Cannot read the shipped file " + from.string());
  try {
    platform::WriteFileWhole(to, content);
  } catch (const platform::FileWriteError& error) {
    throw LnsError(kLnsDatabase, "Cannot install " + to.string() + ": " + error.what());
  }
}

// The regular files of a shipped folder, which must exist and hold some.
std::vector<std::filesystem::path> ShippedFiles(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  if (files.empty()) throw LnsError(kLnsNotFound, "The shipped files are missing: " + folder.string());
  return files;
}

}  // namespace

void InstallShippedResources(const std::filesystem::path& data, const std::filesystem::path& lonWorksFolder) {
  for (const auto& file : ShippedFiles(data / "resources" / "Calyxtern")) {
    CopyIntoPlace(file, lonWorksFolder / "Types" / "User" / "Calyxtern" / file.filename());
  }
  for (const auto& file : ShippedFiles(data / "interfaces")) {
    if (file.extension() != ".xif") continue;
    const std::string model = file.stem().string();
    CopyIntoPlace(file, lonWorksFolder / "Import" / "Calyxtern" / model / file.filename());
  }
  const std::filesystem::path program = data / "program";
  ShippedFiles(program);  // raises when they are missing
  for (const auto& entry : std::filesystem::recursive_directory_iterator(program)) {
    if (!entry.is_regular_file()) continue;
    CopyIntoPlace(entry.path(),
                  PlugInProgramFolder(lonWorksFolder) / entry.path().lexically_relative(program));
  }
}

std::filesystem::path PlugInProgramFolder(const std::filesystem::path& lonWorksFolder) {
  return lonWorksFolder / "PlugIns" / "Calyxtern" / "qvr_lon";
}

}  // namespace lns
