#include "formats/ParameterFile.h"

#include <cstdint>

#include "formats/AnsiText.h"
#include "platform/ReadRegularFile.h"
#include "platform/WriteFileWhole.h"

namespace qvr {

namespace {

constexpr std::uint16_t kTypeEmpty = 0;
constexpr std::uint16_t kTypeText = 8;
constexpr std::size_t kMaxTextBytes = 0xFFFF;
// Far above any parameter file (56 values of a few dozen bytes); a larger file is refused unread.
constexpr std::size_t kMaxFileBytes = 1 << 22;

void PutWord(std::string& out, std::size_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

// The typed values of a file's bytes, one after the other. `number` counts values from 1 for messages.
class ValueReader {
 public:
  explicit ValueReader(std::string_view bytes) : bytes_(bytes) {}

  bool AtEnd() const { return at_ == bytes_.size(); }

  ParameterValue Next(std::size_t number) {
    const std::uint16_t type = Word(number);
    if (type == kTypeEmpty) return std::nullopt;
    if (type != kTypeText) {
      throw ParameterFileError("It is not a parameter file: value " + std::to_string(number) +
                               " has the unknown type code " + std::to_string(type) + ".");
    }
    const std::size_t length = Word(number);
    if (bytes_.size() - at_ < length) Incomplete(number);
    const std::string_view text = bytes_.substr(at_, length);
    at_ += length;
    return FromAnsi(text);
  }

 private:
  std::uint16_t Word(std::size_t number) {
    if (bytes_.size() - at_ < 2) Incomplete(number);
    const auto low = static_cast<unsigned char>(bytes_[at_]);
    const auto high = static_cast<unsigned char>(bytes_[at_ + 1]);
    at_ += 2;
    return static_cast<std::uint16_t>(low | (high << 8));
  }

  [[noreturn]] static void Incomplete(std::size_t number) {
    throw ParameterFileError("The file ends inside value " + std::to_string(number) + ": it is incomplete.");
  }

  std::string_view bytes_;
  std::size_t at_ = 0;
};

}  // namespace

std::string EncodeParameterValues(const std::vector<std::string>& values) {
  std::string bytes;
  for (std::size_t row = 0; row < values.size(); ++row) {
    if (values[row].empty()) {
      PutWord(bytes, kTypeEmpty);
      continue;
    }
    const std::string ansi = ToAnsi(values[row]);
    if (ansi.size() > kMaxTextBytes) {
      throw ParameterFileError("The value of property row " + std::to_string(row) + " is longer than " +
                               std::to_string(kMaxTextBytes) + " characters.");
    }
    PutWord(bytes, kTypeText);
    PutWord(bytes, ansi.size());
    bytes += ansi;
  }
  return bytes;
}

std::vector<ParameterValue> DecodeParameterValues(std::string_view bytes, std::size_t rows) {
  if (bytes.empty()) throw ParameterFileError("The file is empty.");
  ValueReader reader(bytes);
  std::vector<ParameterValue> values;
  // Every value is checked, also those beyond the rows: a damaged end tells of a damaged file.
  for (std::size_t number = 1; !reader.AtEnd(); ++number) {
    ParameterValue value = reader.Next(number);
    if (values.size() < rows) values.push_back(std::move(value));
  }
  return values;
}

void WriteParameterFile(const std::filesystem::path& file, const std::vector<std::string>& values) {
  const std::string bytes = EncodeParameterValues(values);
  try {
    platform::WriteFileWhole(file, bytes);
  } catch (const platform::FileWriteError& error) {
    throw ParameterFileError(error.what());
  }
}

std::vector<ParameterValue> ReadParameterFile(const std::filesystem::path& file, std::size_t rows) {
  std::string bytes;
  try {
    bytes = platform::ReadRegularFile(file, kMaxFileBytes);
  } catch (const platform::FileReadError& error) {
    throw ParameterFileError(error.what());
  }
  return DecodeParameterValues(bytes, rows);
}

}  // namespace qvr
