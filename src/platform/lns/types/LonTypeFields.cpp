#include "platform/lns/types/LonTypeFields.h"

#include <cctype>

#include "platform/EchoedText.h"
#include "platform/lns/types/LonTypeDecimal.h"
#include "platform/lns/types/LonTypeText.h"

namespace lns {

namespace {

long long ReadRaw(const std::uint8_t* in, std::size_t size, bool isSigned) {
  unsigned long long value = 0;
  for (std::size_t i = 0; i < size; ++i) value = (value << 8) | in[i];
  const unsigned long long signBit = 1ULL << (8 * size - 1);
  if (isSigned && (value & signBit) != 0)
    return static_cast<long long>(value) - static_cast<long long>(signBit << 1);
  return static_cast<long long>(value);
}

void WriteRaw(std::uint8_t* out, std::size_t size, long long value) {
  auto bits = static_cast<unsigned long long>(value);
  for (std::size_t i = size; i-- > 0;) {
    out[i] = static_cast<std::uint8_t>(bits & 0xFF);
    bits >>= 8;
  }
}

// Rounds numerator / denominator (denominator > 0) to the nearest whole number, halves away from zero.
long long RoundedDivision(long long numerator, long long denominator) {
  long long quotient = numerator / denominator;
  long long remainder = numerator % denominator;
  if (2 * (remainder < 0 ? -remainder : remainder) >= denominator) quotient += numerator < 0 ? -1 : 1;
  return quotient;
}

class ScaledField : public LonField {
 public:
  ScaledField(std::string label, ScaledFormat format, RawLimits limits)
      : LonField(std::move(label)), format_(format), limits_(limits) {}

  std::size_t Size() const override { return format_.size; }

  std::optional<std::string> Parse(std::string_view text, std::string_view sep,
                                   std::uint8_t* out) const override {
    std::optional<ExactDecimal> number = ParseExactDecimal(text, sep);
    if (!number) return platform::Echoed(text) + " is not a number";
    // Compare in units of 10^-(decimals + fraction digits), where both the text and the raw steps are whole.
    const long long value = number->mantissa * PowerOfTen(format_.decimals);
    const long long unitsPerStep = format_.stepUnits * PowerOfTen(number->fractionDigits);
    long long raw = 0;
    if (limits_.invalid && value == *limits_.invalid * unitsPerStep) {
      raw = *limits_.invalid;
    } else if (value < limits_.min * unitsPerStep || value > limits_.max * unitsPerStep) {
      return platform::Echoed(text) + " is out of range (" + Show(limits_.min, sep) + " to " +
             Show(limits_.max, sep) + ")";
    } else {
      raw = RoundedDivision(value, unitsPerStep);
    }
    WriteRaw(out, format_.size, raw);
    return std::nullopt;
  }

  std::string Format(const std::uint8_t* in, std::string_view sep) const override {
    return Show(ReadRaw(in, format_.size, format_.isSigned), sep);
  }

  FieldPtr Narrowed(const RawLimits& limits) const override {
    return std::make_shared<ScaledField>(Label(), format_, limits);
  }

 private:
  std::string Show(long long raw, std::string_view sep) const {
    return FormatScaled(raw * format_.stepUnits, format_.decimals, sep);
  }

  ScaledFormat format_;
  RawLimits limits_;
};

class EnumField : public LonField {
 public:
  EnumField(std::string label, std::vector<std::pair<int, std::string>> names)
      : LonField(std::move(label)), names_(std::move(names)) {}

  std::size_t Size() const override { return 1; }

  std::optional<std::string> Parse(std::string_view text, std::string_view,
                                   std::uint8_t* out) const override {
    for (const auto& [number, name] : names_) {
      if (name == text) {
        WriteRaw(out, 1, number);
        return std::nullopt;
      }
    }
    std::string known;
    for (const auto& entry : names_) known += (known.empty() ? "" : ", ") + entry.second;
    return platform::Echoed(text) + " is not one of " + known;
  }

  std::string Format(const std::uint8_t* in, std::string_view) const override {
    const long long number = ReadRaw(in, 1, true);
    for (const auto& [value, name] : names_) {
      if (value == number) return name;
    }
    return std::to_string(number);
  }

 private:
  std::vector<std::pair<int, std::string>> names_;
};

// Digits of one character each, separated by blanks: the bit field (16 binary digits in two bytes) and the
// maker's hex string (four hex digits in two bytes) differ only in the digits' width.
class DigitsField : public LonField {
 public:
  DigitsField(std::string label, int bitsPerDigit)
      : LonField(std::move(label)), bitsPerDigit_(bitsPerDigit) {}

  std::size_t Size() const override { return 2; }

  std::optional<std::string> Parse(std::string_view text, std::string_view,
                                   std::uint8_t* out) const override {
    std::vector<std::string_view> words = SplitAtBlanks(text);
    unsigned value = 0;
    bool wellFormed = words.size() == static_cast<std::size_t>(DigitCount());
    for (std::size_t i = 0; wellFormed && i < words.size(); ++i) {
      std::optional<unsigned> digit = words[i].size() == 1 ? DigitValue(words[i][0]) : std::nullopt;
      wellFormed = digit.has_value();
      value = (value << bitsPerDigit_) | digit.value_or(0);
    }
    if (!wellFormed) {
      return platform::Echoed(text) + " is not " + std::to_string(DigitCount()) +
             (bitsPerDigit_ == 1 ? " digits 0 or 1" : " hex digits") + " separated by blanks";
    }
    WriteRaw(out, 2, value);
    return std::nullopt;
  }

  std::string Format(const std::uint8_t* in, std::string_view) const override {
    const auto value = static_cast<unsigned>(ReadRaw(in, 2, false));
    std::string text;
    for (int i = DigitCount() - 1; i >= 0; --i) {
      text += "0123456789ABCDEF"[(value >> (i * bitsPerDigit_)) & ((1U << bitsPerDigit_) - 1)];
      if (i > 0) text += ' ';
    }
    return text;
  }

 private:
  int DigitCount() const { return 16 / bitsPerDigit_; }

  std::optional<unsigned> DigitValue(char c) const {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::string_view digits = std::string_view("0123456789ABCDEF").substr(0, 1U << bitsPerDigit_);
    const std::size_t pos = digits.find(upper);
    if (pos == std::string_view::npos) return std::nullopt;
    return static_cast<unsigned>(pos);
  }

  int bitsPerDigit_;
};

}  // namespace

FieldPtr MakeScaledField(std::string label, ScaledFormat format, RawLimits limits) {
  return std::make_shared<ScaledField>(std::move(label), format, limits);
}

FieldPtr MakeEnumField(std::string label, std::vector<std::pair<int, std::string>> names) {
  return std::make_shared<EnumField>(std::move(label), std::move(names));
}

FieldPtr MakeBitsField(std::string label) {
  return std::make_shared<DigitsField>(std::move(label), 1);
}

FieldPtr MakeHexDigitsField(std::string label) {
  return std::make_shared<DigitsField>(std::move(label), 4);
}

}  // namespace lns
