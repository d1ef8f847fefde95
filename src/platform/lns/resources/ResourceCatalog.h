#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "platform/lns/resources/ResourceCatalogFile.h"
#include "platform/lns/resources/ResourceCatalogStatus.h"

namespace lns {

// The LonWorks resource catalogue: which resource sets (type files and functional-profile files, each for
// the program IDs that a template matches at a resource scope) the folders it lists hold. Every operation
// returns a ResourceStatus; 0 is success. Paths may be given in Windows spelling: "C:\LonWorks\Types" is
// taken on the machine root, a path starting with "\" (and any other relative path) given to AddFolder lies
// below the LonWorks folder whose Types folder the catalogue was opened on.
class LnsResourceCatalog {
 public:
  // A catalogue of the machine whose folder is `machineRoot`.
  explicit LnsResourceCatalog(std::filesystem::path machineRoot);

  // Opens the catalogue of a Types folder: `mode` 0 to read and change it, 1 to read it only.
  long Open(std::string_view typesFolder, long mode, long& handle);

  // Lists one more folder to search (with its sub-folders); it is searched from the next Refresh on.
  long AddFolder(long handle, std::string_view folder);

  // Searches the listed folders again and records the resource files found.
  long Refresh(long handle);

  // Looks for a resource set of scope `scope` whose program-ID template matches `programId` in the digits
  // that the scope makes significant (3: the manufacturer, 4: and the device class, 5: and the usage, 6: the
  // whole ID; 1 and 2: the class and usage alone; 0: every device), and gives back its file of `fileKind`
  // (3 types, 4 profiles): the file's name, the selector that LnsResourceFile::Open wants with it (the set's
  // scope) and the set's program-ID template. `flags` must be 0. Status 4 when there is none.
  long FindResourceSet(long handle, std::string_view programId, long scope, long fileKind, long flags,
                       std::string& fileName, long& fileSelector, std::string& programIdTemplate);

  long Close(long handle);

 private:
  struct OpenCatalog {
    std::filesystem::path typesFolder;
    bool readOnly = false;
    CatalogContents contents;
  };

  // Re-reads the catalogue file, lets `change` alter it and writes it back, so that changes made by
  // another process in the meantime are kept.
  template <typename Change>
  long Update(long handle, Change change);

  std::filesystem::path machineRoot_;
  std::map<long, OpenCatalog> open_;
  long nextHandle_ = 1;
};

}  // namespace lns
