#include "platform/lns/resources/ProfileTemplates.h"

namespace lns {

long LnsProfileTemplates::Find(long fileHandle, long profileNumber, ProfileTemplate& result) const {
  const ResourceFileContents* contents = files_.Contents(fileHandle);
  if (contents == nullptr) return kResourceBadHandle;
  if (contents->kind != kProfileFile) return kResourceBadArgument;
  for (const ProfileTemplate& profile : contents->profiles) {
    if (profile.number == profileNumber) {
      result = profile;
      return kResourceOk;
    }
  }
  return kResourceNotFound;
}

}  // namespace lns
