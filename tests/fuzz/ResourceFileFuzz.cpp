// libFuzzer target for resource files: any bytes are either refused with kLnsBadFile or give a resource set
// with a program-ID template and a scope, which every profile of the set carries.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/resources/ResourceFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lns::ResourceFileContents contents;
  try {
    contents = lns::ReadResourceFile(fuzz::WriteInput(fuzz::Scratch() / "set.typ", data, size));
  } catch (const lns::LnsError& error) {
    fuzz::Require(error.Number() == lns::kLnsBadFile);
    return 0;
  }
  fuzz::Require(contents.programIdTemplate.size() == 16 && contents.scope >= 0 && contents.scope <= 6);
  for (const lns::ProfileTemplate& profile : contents.profiles) {
    fuzz::Require(contents.kind == lns::kProfileFile && profile.scope == contents.scope &&
                  profile.programIdTemplate == contents.programIdTemplate);
  }
  fuzz::Require(contents.kind == lns::kTypeFile ||
                (contents.valueTypes.empty() && contents.propertyTypes.empty()));
  return 0;
}
