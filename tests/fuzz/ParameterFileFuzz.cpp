// libFuzzer target for the parameter-file reader: any bytes are either refused with ParameterFileError or
// give at most the rows asked for, and what was accepted reads back the same after writing it again.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "formats/ParameterFile.h"

namespace {

// The rows of the larger model.
constexpr std::size_t kRows = 56;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<qvr::ParameterValue> values;
  try {
    values = qvr::DecodeParameterValues(bytes, kRows);
  } catch (const qvr::ParameterFileError&) {
    return 0;
  }
  fuzz::Require(values.size() <= kRows);
  // Written again, an empty text becomes a row without a value; everything else comes back unchanged.
  std::vector<std::string> texts;
  for (const qvr::ParameterValue& value : values) texts.push_back(value.value_or(""));
  const std::vector<qvr::ParameterValue> again =
      qvr::DecodeParameterValues(qvr::EncodeParameterValues(texts), kRows);
  fuzz::Require(again.size() == values.size());
  for (std::size_t row = 0; row < values.size(); ++row) {
    const bool empty = !values[row] || values[row]->empty();
    fuzz::Require(empty ? !again[row] : again[row] == values[row]);
  }
  return 0;
}
