#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lns {

using RawValue = std::vector<std::uint8_t>;  // the value's network bytes, big-endian as on the wire

// A LON value type ("SNVT_temp_p", "SNVT_switch", "UNVT_str_hex4", ...), possibly narrowed by the limits of a
// configuration-property type. Values are stored as raw bytes and shown as the Object Server's text.
class LonType {
 public:
  virtual ~LonType() = default;
  virtual const std::string& Name() const = 0;  // the value type's name, or the property type's when narrowed
  virtual int Index() const = 0;                // the type index, -1 where the type has none
  virtual std::size_t Size() const = 0;         // bytes of the raw value

  // Parses the formatted text, with `decimalSep` as the decimal separator, into raw bytes. Throws LnsError
  // (kLnsInvalidValue) naming the type and what is wrong for garbage, an empty text, a value out of range or
  // an unknown enumeration name.
  virtual RawValue Parse(std::string_view text, std::string_view decimalSep) const = 0;

  // Formats raw bytes as text with `decimalSep`. Throws LnsError when `raw` has the wrong size.
  virtual std::string Format(const RawValue& raw, std::string_view decimalSep) const = 0;
};

// A value type by name; throws LnsError (kLnsNotFound) for a name it does not know.
const LonType& FindLonType(std::string_view valueTypeName);

// The type of a configuration property: `valueTypeName` with the limits of the property type
// `propertyTypeName` (SCPTholdTime at least 1.0 s, SCPTnumValves 1 to 2, SCPTsetPnts -10 to 35, ...).
// An unknown property type name gives the value type unchanged.
const LonType& FindPropertyType(std::string_view propertyTypeName, std::string_view valueTypeName);

// A standard configuration-property type (scope 0) as the Object Server knows it.
struct StandardPropertyType {
  std::string_view name;  // "SCPTholdTime"
  int index = 0;          // its type index in scope 0
  std::string_view valueType;
};

// The standard property type of that name, or nullptr when it is not one of the standard types in use.
const StandardPropertyType* FindStandardPropertyType(std::string_view propertyTypeName);

}  // namespace lns
