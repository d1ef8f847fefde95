#include "platform/lns/ResourceCatalogFile.h"

#include <algorithm>
#include <fstream>
#include <set>

#include "platform/TemporaryPath.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/ResourceFile.h"
#include "platform/lns/ResourceFileLines.h"

namespace lns {

namespace {

std::filesystem::path CatalogPath(const std::filesystem::path& typesFolder) {
  return typesFolder / kCatalogFileName;
}

std::filesystem::path LonWorksFolderOf(const std::filesystem::path& typesFolder) {
  return typesFolder.lexically_normal().parent_path();
}

std::string Stored(const std::filesystem::path& path, const std::filesystem::path& typesFolder) {
  const std::filesystem::path relative = path.lexically_relative(LonWorksFolderOf(typesFolder));
  const bool inside = !relative.empty() && *relative.begin() != "..";
  return (inside ? relative : path).generic_string();
}

std::filesystem::path Loaded(const std::string& stored, const std::filesystem::path& typesFolder) {
  const std::filesystem::path path(stored);
  return (path.is_absolute() ? path : LonWorksFolderOf(typesFolder) / path).lexically_normal();
}

bool HasResourceExtension(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
  return extension == ".typ" || extension == ".fpt";
}

}  // namespace

CatalogContents ReadCatalogFile(const std::filesystem::path& typesFolder) {
  CatalogContents contents;
  if (!std::filesystem::exists(CatalogPath(typesFolder))) return contents;
  const KeywordFile file(CatalogPath(typesFolder));
  for (const KeywordLine& line : file.Lines()) {
    const std::string& keyword = line.words.front();
    if (keyword == "folder") {
      file.RequireWords(line, 2, "folder <path>");
      contents.folders.push_back(Loaded(line.Rest(1), typesFolder));
    } else if (keyword == "set") {
      file.RequireWords(line, 5, "set <program-ID template> <scope> types|profiles <path>");
      CatalogEntry entry;
      entry.programIdTemplate = file.ProgramId(line, line.words[1]);
      entry.scope = static_cast<int>(file.Number(line, line.words[2], "scope", 0, 6));
      if (line.words[3] != "types" && line.words[3] != "profiles")
        file.Fail(line, "file kind \"" + line.words[3] + "\"");
      entry.kind = line.words[3] == "types" ? kTypeFile : kProfileFile;
      entry.file = Loaded(line.Rest(4), typesFolder);
      contents.entries.push_back(std::move(entry));
    } else {
      file.Fail(line, "unknown keyword \"" + keyword + "\"");
    }
  }
  return contents;
}

void WriteCatalogFile(const std::filesystem::path& typesFolder, const CatalogContents& contents) {
  const std::filesystem::path target = CatalogPath(typesFolder);
  const std::filesystem::path temporary = platform::TemporaryPathFor(target);
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  out << "# Resource catalogue: the folders searched for resource sets and the resource files found "
         "there.\n";
  for (const auto& folder : contents.folders) out << "folder " << Stored(folder, typesFolder) << '\n';
  for (const auto& entry : contents.entries) {
    out << "set " << entry.programIdTemplate << ' ' << entry.scope << ' '
        << (entry.kind == kTypeFile ? "types" : "profiles") << ' ' << Stored(entry.file, typesFolder) << '\n';
  }
  out.close();
  std::error_code error;
  if (out) std::filesystem::rename(temporary, target, error);
  if (!out || error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw LnsError(kLnsDatabase, "Cannot write the resource catalogue " + target.string());
  }
}

std::vector<CatalogEntry> ScanResourceFolders(const std::vector<std::filesystem::path>& folders) {
  std::vector<CatalogEntry> entries;
  std::set<std::filesystem::path> seen;  // a file below two listed folders is listed once
  for (const auto& folder : folders) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    const auto options = std::filesystem::directory_options::skip_permission_denied;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, options, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
      if (it->is_regular_file(error) && HasResourceExtension(it->path()))
        files.push_back(it->path().lexically_normal());
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
      if (!seen.insert(file).second) continue;
      try {
        const ResourceFileContents contents = ReadResourceFile(file);
        entries.push_back({contents.programIdTemplate, contents.scope, contents.kind, file});
      } catch (const LnsError&) {
        // Not a resource file of ours; the catalogue lists what it can use.
      }
    }
  }
  return entries;
}

}  // namespace lns
