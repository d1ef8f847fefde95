// libFuzzer target for the resource catalogue file: any bytes are either refused with kLnsBadFile or give a
// catalogue that, written and read again, is the same catalogue.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/resources/ResourceCatalogFile.h"

namespace {

bool SameEntries(const std::vector<lns::CatalogEntry>& a, const std::vector<lns::CatalogEntry>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].programIdTemplate != b[i].programIdTemplate || a[i].scope != b[i].scope ||
        a[i].kind != b[i].kind || a[i].file != b[i].file)
      return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path typesFolder = fuzz::Scratch() / "LonWorks" / "Types";
  fuzz::WriteInput(typesFolder / lns::kCatalogFileName, data, size);
  lns::CatalogContents contents;
  try {
    contents = lns::ReadCatalogFile(typesFolder);
  } catch (const lns::LnsError& error) {
    fuzz::Require(error.Number() == lns::kLnsBadFile);
    return 0;
  }
  lns::WriteCatalogFile(typesFolder, contents);
  const lns::CatalogContents again = lns::ReadCatalogFile(typesFolder);
  fuzz::Require(again.folders == contents.folders && SameEntries(again.entries, contents.entries));
  return 0;
}
