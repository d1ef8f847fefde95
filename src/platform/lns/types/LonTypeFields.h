#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lns {

// The limits of a scaled number, counted in steps of its resolution.
struct RawLimits {
  long long min = 0;
  long long max = 0;
  std::optional<long long> invalid;  // the type's "invalid" marker, accepted even outside min..max
};

// One field of a LON value: a run of the raw bytes with a text of its own. Structures are made of several.
class LonField : public std::enable_shared_from_this<LonField> {
 public:
  explicit LonField(std::string label) : label_(std::move(label)) {}
  virtual ~LonField() = default;

  const std::string& Label() const { return label_; }  // "value", "state", ... named in error texts
  virtual std::size_t Size() const = 0;

  // Parses the field's text into Size() bytes at `out`; gives what is wrong with the text, or nothing.
  virtual std::optional<std::string> Parse(std::string_view text, std::string_view sep,
                                           std::uint8_t* out) const = 0;
  virtual std::string Format(const std::uint8_t* in, std::string_view sep) const = 0;

  // The field with narrower limits; a field without a numeric range gives itself.
  virtual std::shared_ptr<const LonField> Narrowed(const RawLimits&) const { return shared_from_this(); }

 private:
  std::string label_;
};

using FieldPtr = std::shared_ptr<const LonField>;

// How a scaled number is stored and shown: raw r stands for r x stepUnits x 10^-decimals.
struct ScaledFormat {
  std::size_t size = 2;  // 1 or 2 bytes
  bool isSigned = false;
  int decimals = 0;   // digits after the decimal separator in the text
  int stepUnits = 1;  // the resolution in units of 10^-decimals (0.5 shown with one decimal: 5)
};

FieldPtr MakeScaledField(std::string label, ScaledFormat format, RawLimits limits);

// One signed byte shown by name; a byte without a name is shown as its number.
FieldPtr MakeEnumField(std::string label, std::vector<std::pair<int, std::string>> names);

// 16 single bits shown as digits 0 or 1, bit 0 (the first byte's high bit) first, blanks between.
FieldPtr MakeBitsField(std::string label);

// Four hex digits in two bytes, the first digit in the high nibble, shown upper case with blanks between.
FieldPtr MakeHexDigitsField(std::string label);

}  // namespace lns
