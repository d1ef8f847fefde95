#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qvr {

// The parameter file ("*.par", docs/parameter-files.md): the value texts of the configuration-property
// rows in row order, each a typed value (type 0: no value; type 8: a 16-bit length and that many bytes of
// code page 1252), without header. Values are UTF-8 texts here; an empty text is saved as a row without
// a value, and such a row reads back as nothing.

using ParameterValue = std::optional<std::string>;

// Why a parameter file cannot be written or read, as a sentence for the user.
class ParameterFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The file's bytes for `values`; a character that code page 1252 lacks is written as "?". Raises
// ParameterFileError for a value longer than the format can hold.
std::string EncodeParameterValues(const std::vector<std::string>& values);

// The first `rows` values of a file's bytes, fewer when the file holds fewer (a smaller model's file: the
// models share their first rows in the same order). The whole content must be at least one value and
// nothing but complete values of the two types; anything else raises ParameterFileError.
std::vector<ParameterValue> DecodeParameterValues(std::string_view bytes, std::size_t rows);

// Writes the file whole (platform::WriteFileWhole): an existing file is replaced whole or not at all, also
// across a power cut, keeps its permissions, and is refused when read-only. Raises ParameterFileError.
void WriteParameterFile(const std::filesystem::path& file, const std::vector<std::string>& values);

// The first `rows` values of the file, which must be a regular file. Raises ParameterFileError.
std::vector<ParameterValue> ReadParameterFile(const std::filesystem::path& file, std::size_t rows);

}  // namespace qvr
