#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/lns/types/LonTypeFields.h"
#include "platform/lns/types/LonTypes.h"

namespace lns {

// A LON value type made of fields: a scalar or enumeration is one field, a structure several, whose texts
// are joined by `joiner` (a blank, "/" or ","). Where the joiner is also the decimal separator (the set
// points with the decimal comma), the text is split at every comma and the pieces paired again.
class FieldLonType : public LonType {
 public:
  FieldLonType(std::string name, int index, std::vector<FieldPtr> fields, char joiner = ' ');

  const std::string& Name() const override { return name_; }
  int Index() const override { return index_; }
  std::size_t Size() const override { return size_; }
  RawValue Parse(std::string_view text, std::string_view decimalSep) const override;
  std::string Format(const RawValue& raw, std::string_view decimalSep) const override;

  // The same value under a property type's name and index, every scaled field narrowed to `limits` if given.
  std::unique_ptr<FieldLonType> AsPropertyType(const std::string& propertyName, int propertyIndex,
                                               const std::optional<RawLimits>& limits) const;

 private:
  struct FieldText {
    std::string text;
    std::string_view decimalSep;
  };

  std::vector<FieldText> SplitFields(std::string_view text, std::string_view decimalSep) const;
  [[noreturn]] void Refuse(const std::string& what) const;

  std::string name_;
  int index_;
  std::vector<FieldPtr> fields_;
  char joiner_;
  std::size_t size_ = 0;
  std::string valueTypeName_;  // set when this is a property type: named in error texts beside the name
};

}  // namespace lns
