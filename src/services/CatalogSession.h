#pragma once

#include <string>
#include <string_view>

#include "platform/lns/resources/ResourceCatalog.h"
#include "platform/registry/MachineRegistry.h"

namespace runtime {
struct ErrObject;
}  // namespace runtime

namespace qvr {

// The LonWorks resource catalogue of the machine's LonWorks folder, open for the length of one routine:
// whatever is still open when the session ends is closed, so that no exit path leaves a handle behind.
class CatalogSession {
 public:
  // How the catalogue is opened.
  static constexpr long kToChange = 0;
  static constexpr long kToRead = 1;

  explicit CatalogSession(reg::MachineRegistry& registry);
  ~CatalogSession();
  CatalogSession(const CatalogSession&) = delete;
  CatalogSession& operator=(const CatalogSession&) = delete;

  // Reads the LonWorks folder from `registry` now and opens the catalogue of its Types folder.
  // kResourceCannotOpen when the registry names no LonWorks folder.
  long Open(runtime::ErrObject& err, long mode);
  // The LonWorks folder that Open read ("" before).
  const std::string& LonWorksFolder() const { return lonWorksFolder_; }

  long AddFolder(std::string_view folder);
  long Refresh();
  // The resource set of `scope` whose template matches `programId`, with its file of `fileKind`.
  long FindResourceSet(std::string_view programId, long scope, long fileKind, std::string& fileName,
                       long& fileSelector);
  // Closes the catalogue; a later close (or the end of the session) does nothing more.
  long Close();

 private:
  reg::MachineRegistry& registry_;
  lns::LnsResourceCatalog catalog_;
  std::string lonWorksFolder_;
  long handle_ = 0;
  bool open_ = false;
};

}  // namespace qvr
