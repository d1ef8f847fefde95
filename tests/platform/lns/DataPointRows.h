#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lnstest {

// The data-point rows of the system's tables as every device of the models must offer them. "Large" is the
// QVR-L2 models' layout, "small" the QVR-L1 models'.

struct NvRow {
  std::string name;
  int largeIndex;
  std::optional<int> smallIndex;  // none: the small layout lacks the row
  std::string type;

  std::optional<int> IndexIn(bool large) const { return large ? largeIndex : smallIndex; }
};

struct CpRow {
  std::string typeName;
  std::string block;
  std::string largeAddress;
  std::string smallAddress;  // empty: the small layout lacks the row
  std::string valueType;
  std::string delivered;

  // Empty where the layout lacks the row.
  const std::string& AddressIn(bool large) const { return large ? largeAddress : smallAddress; }
};

extern const std::vector<NvRow> kInputRows;
extern const std::vector<NvRow> kOutputRows;
// With the value type and delivered value that the help texts give.
extern const std::vector<CpRow> kPropertyRows;

}  // namespace lnstest
