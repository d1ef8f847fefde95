#include "platform/lns/resources/ResourceCatalogFile.h"

#include <algorithm>
#include <optional>
#include <set>
#include <system_error>

#include "platform/MachineRoot.h"
#include "platform/WriteFileWhole.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/resources/ResourceFile.h"
#include "platform/lns/resources/ResourceFileLines.h"
#include "platform/lns/types/LonTypeText.h"

namespace lns {

std::filesystem::path CatalogForm(const std::filesystem::path& path) {
  std::filesystem::path normal = path.lexically_normal();
  if (!normal.has_filename() && normal.has_relative_path()) normal = normal.parent_path();
  return normal;
}

namespace {

std::filesystem::path CatalogPath(const std::filesystem::path& typesFolder) {
  return typesFolder / kCatalogFileName;
}

std::filesystem::path LonWorksFolderOf(const std::filesystem::path& typesFolder) {
  return typesFolder.lexically_normal().parent_path();
}

// The path as its line holds it: relative to the LonWorks folder where it lies inside. A line's value is
// read trimmed, so a path that begins with a blank is written behind "./" and one that ends with a blank
// gets a trailing "/"; both read back as the same path.
std::string Stored(const std::filesystem::path& path, const std::filesystem::path& typesFolder) {
  const std::filesystem::path relative = path.lexically_relative(LonWorksFolderOf(typesFolder));
  const bool inside = !relative.empty() && *relative.begin() != "..";
  std::string text = (inside ? relative : path).generic_string();
  if (text.find('\n') != std::string::npos) {
    throw LnsError(kLnsInvalidArgument,
                   "The path " + path.string() + " holds a line break and cannot be listed");
  }
  if (!text.empty() && IsBlank(text.front())) text = "./" + text;
  if (!text.empty() && IsBlank(text.back())) text += '/';
  return text;
}

std::filesystem::path Loaded(const KeywordFile& file, const KeywordLine& line, std::size_t words,
                             const std::filesystem::path& typesFolder) {
  const std::filesystem::path stored(line.Rest(words));
  if (stored.is_absolute()) return CatalogForm(stored);
  const std::optional<std::filesystem::path> inside =
      platform::PathInside(LonWorksFolderOf(typesFolder), stored);
  if (!inside) file.Fail(line, "the path \"" + stored.string() + "\" climbs out of the LonWorks folder");
  return *inside;
}

bool HasResourceExtension(const std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
  return extension == ".typ" || extension == ".fpt";
}

}  // namespace

CatalogContents ReadCatalogFile(const std::filesystem::path& typesFolder) {
  CatalogContents contents;
  // Only a catalogue that is not there at all is empty; any other that cannot be looked up (a loop of
  // links) is refused by its reading, with the system's reason.
  std::error_code error;
  if (!std::filesystem::exists(CatalogPath(typesFolder), error) && !error) return contents;
  const KeywordFile file(CatalogPath(typesFolder));
  for (const KeywordLine& line : file.Lines()) {
    const std::string& keyword = line.words.front();
    if (keyword == "folder") {
      file.RequireWords(line, 2, "folder <path>");
      contents.folders.push_back(Loaded(file, line, 1, typesFolder));
    } else if (keyword == "set") {
      file.RequireWords(line, 5, "set <program-ID template> <scope> types|profiles <path>");
      CatalogEntry entry;
      entry.programIdTemplate = file.ProgramId(line, line.words[1]);
      entry.scope = static_cast<int>(file.Number(line, line.words[2], "scope", 0, 6));
      if (line.words[3] != "types" && line.words[3] != "profiles")
        file.Fail(line, "file kind \"" + line.words[3] + "\"");
      entry.kind = line.words[3] == "types" ? kTypeFile : kProfileFile;
      entry.file = Loaded(file, line, 4, typesFolder);
      contents.entries.push_back(std::move(entry));
    } else {
      file.Fail(line, "unknown keyword \"" + keyword + "\"");
    }
  }
  return contents;
}

void WriteCatalogFile(const std::filesystem::path& typesFolder, const CatalogContents& contents) {
  const std::filesystem::path target = CatalogPath(typesFolder);
  std::string text =
      "# Resource catalogue: the folders searched for resource sets and the resource files found there.\n";
  for (const auto& folder : contents.folders) text += "folder " + Stored(folder, typesFolder) + '\n';
  for (const auto& entry : contents.entries) {
    text += "set " + entry.programIdTemplate + ' ' + std::to_string(entry.scope) + ' ' +
            (entry.kind == kTypeFile ? "types" : "profiles") + ' ' + Stored(entry.file, typesFolder) + '\n';
  }
  try {
    platform::WriteFileWhole(target, text);
  } catch (const platform::FileWriteError& error) {
    throw LnsError(kLnsDatabase,
                   "Cannot write the resource catalogue " + target.string() + ": " + error.what());
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
      // A name with a line break cannot be listed in the catalogue's lines.
      if (file.string().find('\n') != std::string::npos || !seen.insert(file).second) continue;
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
