#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/lns/resources/ResourceCatalogStatus.h"

namespace lns {

// A property type that a resource set defines (the maker's UCPT types, scope 3).
struct ResourcePropertyType {
  int index = 0;
  std::string name;
  std::string valueType;
};

// A functional-profile template of a resource set.
struct ProfileTemplate {
  int number = 0;  // the profile number that LonMark objects carry ("profile type")
  std::string name;
  int scope = 0;                  // of the resource set that holds it
  std::string programIdTemplate;  // of the resource set that holds it
};

// What one resource file holds: a header naming its kind and resource set, then its entries.
struct ResourceFileContents {
  ResourceFileKind kind = kTypeFile;
  std::string programIdTemplate;  // 16 hex digits; the set applies to the program IDs it matches at `scope`
  int scope = 0;
  std::vector<std::string> valueTypes;  // type files: value types the set defines
  std::vector<ResourcePropertyType> propertyTypes;
  std::vector<ProfileTemplate> profiles;  // profile files
};

// Reads a resource file (format: docs/resource-files.md). Throws LnsError: kLnsNotFound when it cannot be
// read, kLnsBadFile with file and line for a malformed one.
ResourceFileContents ReadResourceFile(const std::filesystem::path& file);

// The reader of resource files that the catalogue names. Each Open gives a handle for the file's contents. A
// file is read once per reader and its contents shared by the handles opened on it later, so a reader serves
// one look-up and is then dropped.
class LnsResourceFile {
 public:
  // Opens `fileName` (as LnsResourceCatalog::FindResourceSet gave it) for reading (`mode` 0). `fileKind` and
  // `fileSelector` (the set's scope, as the search gave it) must be those of the file.
  long Open(std::string_view fileName, long fileKind, long fileSelector, long mode, long& handle);
  long Close(long handle);

  // The contents behind an open handle, or nullptr.
  const ResourceFileContents* Contents(long handle) const;

 private:
  std::map<std::string, std::shared_ptr<const ResourceFileContents>, std::less<>> read_;  // by file name
  std::map<long, std::shared_ptr<const ResourceFileContents>> open_;
  long nextHandle_ = 1;
};

}  // namespace lns
