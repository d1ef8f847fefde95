#include "services/CatalogSession.h"

#include "platform/registry/MachineSetup.h"
#include "services/CRegistry.h"

namespace qvr {

namespace {

// Nothing of the catalogue's search is asked beyond the file: the flags argument is always 0.
constexpr long kNoSearchFlags = 0;

}  // namespace

CatalogSession::CatalogSession(reg::MachineRegistry& registry)
    : registry_(registry), catalog_(registry.Root()) {}

CatalogSession::~CatalogSession() {
  Close();
}

long CatalogSession::Open(runtime::ErrObject& err, long mode) {
  lonWorksFolder_ = CRegistry(err, registry_)
                        .MachineSetting(std::string(reg::kLonWorksKey), std::string(reg::kLonWorksPathValue));
  if (lonWorksFolder_.empty()) return lns::kResourceCannotOpen;
  const long status = catalog_.Open(lonWorksFolder_ + "\\Types", mode, handle_);
  open_ = status == lns::kResourceOk;
  return status;
}

long CatalogSession::AddFolder(std::string_view folder) {
  return catalog_.AddFolder(handle_, folder);
}

long CatalogSession::Refresh() {
  return catalog_.Refresh(handle_);
}

long CatalogSession::FindResourceSet(std::string_view programId, long scope, long fileKind,
                                     std::string& fileName, long& fileSelector) {
  std::string programIdTemplate;
  return catalog_.FindResourceSet(handle_, programId, scope, fileKind, kNoSearchFlags, fileName, fileSelector,
                                  programIdTemplate);
}

long CatalogSession::Close() {
  if (!open_) return lns::kResourceOk;
  open_ = false;
  return catalog_.Close(handle_);
}

}  // namespace qvr
