#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/lns/resources/ResourceCatalogStatus.h"

namespace lns {

// One resource file that the catalogue knows of.
struct CatalogEntry {
  std::string programIdTemplate;
  int scope = 0;
  ResourceFileKind kind = kTypeFile;
  std::filesystem::path file;  // absolute
};

// The catalogue of a LonWorks folder: the folders it searches for resource sets, and the resource files
// that its last refresh found there. It is kept in the file `kCatalogFileName` of the Types folder.
struct CatalogContents {
  std::vector<std::filesystem::path> folders;  // absolute
  std::vector<CatalogEntry> entries;
};

inline constexpr const char* kCatalogFileName = "resource-catalog.txt";

// A path as the catalogue keeps it: in normal form, without a trailing separator, so that a path read back
// from the file is the one that was written.
std::filesystem::path CatalogForm(const std::filesystem::path& path);

// Reads the catalogue of `typesFolder`; an empty catalogue when it has no catalogue file yet. Throws
// LnsError (kLnsBadFile) for a malformed one, and for a relative path that climbs out of the LonWorks
// folder. Paths are stored relative to the LonWorks folder (the Types folder's parent) where they lie inside
// it, so that the machine root may move.
CatalogContents ReadCatalogFile(const std::filesystem::path& typesFolder);

// Writes the catalogue of `typesFolder` whole (platform::WriteFileWhole), so that reading it gives the same
// contents. Throws LnsError when it cannot (kLnsInvalidArgument for a path with a line break).
void WriteCatalogFile(const std::filesystem::path& typesFolder, const CatalogContents& contents);

// The resource files below `folders` (searched with their sub-folders), in folder and then path order.
// Files that are not well-formed resource files are passed over.
std::vector<CatalogEntry> ScanResourceFolders(const std::vector<std::filesystem::path>& folders);

}  // namespace lns
