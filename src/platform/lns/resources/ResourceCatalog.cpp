#include "platform/lns/resources/ResourceCatalog.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <utility>
#include <vector>

#include "platform/MachineRoot.h"
#include "platform/lns/LnsError.h"

namespace lns {

namespace {

constexpr long kModeReadWrite = 0;
constexpr long kModeReadOnly = 1;
constexpr long kMaxScope = 6;

bool HasDriveLetter(std::string_view path) {
  return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

// A folder named by the caller: a drive path or a POSIX absolute path is mapped as every file name of the
// system is, and anything else lies below `relativeBase`.
std::filesystem::path ResolveFolder(std::string_view text, const std::filesystem::path& machineRoot,
                                    const std::filesystem::path& relativeBase) {
  if (HasDriveLetter(text) || (!text.empty() && text.front() == '/'))
    return platform::MapFilePath(machineRoot, text);
  return platform::MapWindowsPath(relativeBase, text);
}

// Hex digits of the program ID that each scope compares: [begin, end) pairs.
const std::vector<std::pair<std::size_t, std::size_t>>& SignificantDigits(long scope) {
  static const std::vector<std::pair<std::size_t, std::size_t>> kByScope[kMaxScope + 1] = {
      {}, {{6, 10}}, {{6, 12}}, {{0, 6}}, {{0, 10}}, {{0, 12}}, {{0, 16}}};
  return kByScope[scope];
}

std::optional<std::string> UpperProgramId(std::string_view programId) {
  if (programId.size() != 16) return std::nullopt;
  std::string upper;
  for (char c : programId) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
    upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return upper;
}

bool Matches(const std::string& programIdTemplate, const std::string& programId, long scope) {
  for (const auto& [begin, end] : SignificantDigits(scope)) {
    if (programIdTemplate.compare(begin, end - begin, programId, begin, end - begin) != 0) return false;
  }
  return true;
}

}  // namespace

LnsResourceCatalog::LnsResourceCatalog(std::filesystem::path machineRoot)
    : machineRoot_(std::move(machineRoot)) {}

long LnsResourceCatalog::Open(std::string_view typesFolder, long mode, long& handle) {
  if (mode != kModeReadWrite && mode != kModeReadOnly) return kResourceBadArgument;
  OpenCatalog catalog;
  catalog.typesFolder = ResolveFolder(typesFolder, machineRoot_, machineRoot_);
  catalog.readOnly = mode == kModeReadOnly;
  std::error_code error;
  if (!std::filesystem::is_directory(catalog.typesFolder, error)) return kResourceCannotOpen;
  try {
    catalog.contents = ReadCatalogFile(catalog.typesFolder);
  } catch (const LnsError& failure) {
    return failure.Number() == kLnsNotFound ? kResourceCannotOpen : kResourceBadFile;
  }
  handle = nextHandle_++;
  open_.emplace(handle, std::move(catalog));
  return kResourceOk;
}

template <typename Change>
long LnsResourceCatalog::Update(long handle, Change change) {
  auto found = open_.find(handle);
  if (found == open_.end()) return kResourceBadHandle;
  OpenCatalog& catalog = found->second;
  if (catalog.readOnly) return kResourceReadOnly;
  try {
    CatalogContents contents = ReadCatalogFile(catalog.typesFolder);
    if (long status = change(catalog, contents); status != kResourceOk) return status;
    WriteCatalogFile(catalog.typesFolder, contents);
    catalog.contents = std::move(contents);
  } catch (const LnsError& failure) {
    return failure.Number() == kLnsBadFile ? kResourceBadFile : kResourceCannotWrite;
  } catch (const std::filesystem::filesystem_error&) {
    return kResourceCannotWrite;
  }
  return kResourceOk;
}

long LnsResourceCatalog::AddFolder(long handle, std::string_view folder) {
  return Update(handle, [this, folder](const OpenCatalog& catalog, CatalogContents& contents) -> long {
    const std::filesystem::path lonWorksFolder = catalog.typesFolder.lexically_normal().parent_path();
    const std::filesystem::path resolved = CatalogForm(ResolveFolder(folder, machineRoot_, lonWorksFolder));
    std::error_code error;
    if (!std::filesystem::is_directory(resolved, error)) return kResourceCannotOpen;
    if (std::find(contents.folders.begin(), contents.folders.end(), resolved) == contents.folders.end()) {
      contents.folders.push_back(resolved);
    }
    return kResourceOk;
  });
}

long LnsResourceCatalog::Refresh(long handle) {
  return Update(handle, [](const OpenCatalog&, CatalogContents& contents) -> long {
    contents.entries = ScanResourceFolders(contents.folders);
    return kResourceOk;
  });
}

long LnsResourceCatalog::FindResourceSet(long handle, std::string_view programId, long scope, long fileKind,
                                         long flags, std::string& fileName, long& fileSelector,
                                         std::string& programIdTemplate) {
  auto found = open_.find(handle);
  if (found == open_.end()) return kResourceBadHandle;
  const std::optional<std::string> id = UpperProgramId(programId);
  if (!id || scope < 0 || scope > kMaxScope || (fileKind != kTypeFile && fileKind != kProfileFile) ||
      flags != 0) {
    return kResourceBadArgument;
  }
  for (const CatalogEntry& entry : found->second.contents.entries) {
    if (entry.kind == fileKind && entry.scope == scope && Matches(entry.programIdTemplate, *id, scope)) {
      fileName = entry.file.string();
      fileSelector = entry.scope;
      programIdTemplate = entry.programIdTemplate;
      return kResourceOk;
    }
  }
  return kResourceNotFound;
}

long LnsResourceCatalog::Close(long handle) {
  return open_.erase(handle) == 1 ? kResourceOk : kResourceBadHandle;
}

}  // namespace lns
