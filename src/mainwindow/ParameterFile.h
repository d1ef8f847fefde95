#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qvr {

// The parameter file ("*.par", docs/parameter-files.md): the value texts of the configuration-property
// rows in row order, each a typed value (type 0: no value; type 8: a 16-bit length and that many bytes of
// code page 1252), without header. Values are UTF-8 texts here; an empty text is a row without a value.

// Why a parameter file cannot be written or read, as a sentence for the user.
class ParameterFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The file's bytes for `values`. Raises ParameterFileError for a value that the format cannot hold.
std::string EncodeParameterValues(const std::vector<std::string>& values);

// The first `rows` values of a file's bytes. The whole content must be complete typed values, and at
// least `rows` of them: a larger model's file gives its first rows, which the smaller models share in the
// same order. Anything else raises ParameterFileError.
std::vector<std::string> DecodeParameterValues(std::string_view bytes, std::size_t rows);

// Writes the file beside its place under a temporary name and renames it into place, so that an existing
// file is replaced whole or not at all. Raises ParameterFileError.
void WriteParameterFile(const std::filesystem::path& file, const std::vector<std::string>& values);

// The first `rows` values of the file. Raises ParameterFileError.
std::vector<std::string> ReadParameterFile(const std::filesystem::path& file, std::size_t rows);

}  // namespace qvr
