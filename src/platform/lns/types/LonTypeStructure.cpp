#include "platform/lns/types/LonTypeStructure.h"

#include "platform/EchoedText.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/types/LonTypeText.h"

namespace lns {

namespace {

// Windows lets the decimal separator be empty in principle; a number text needs one, so "." stands in.
std::string_view EffectiveSeparator(std::string_view decimalSep) {
  return decimalSep.empty() ? "." : decimalSep;
}

}  // namespace

FieldLonType::FieldLonType(std::string name, int index, std::vector<FieldPtr> fields, char joiner)
    : name_(std::move(name)), index_(index), fields_(std::move(fields)), joiner_(joiner) {
  for (const FieldPtr& field : fields_) size_ += field->Size();
}

std::vector<FieldLonType::FieldText> FieldLonType::SplitFields(std::string_view text,
                                                               std::string_view decimalSep) const {
  std::vector<FieldText> result;
  if (fields_.size() == 1) {
    result.push_back({std::string(text), decimalSep});
    return result;
  }
  std::vector<std::string_view> pieces = joiner_ == ' ' ? SplitAtBlanks(text) : SplitAt(text, joiner_);
  if (decimalSep == std::string_view(&joiner_, 1)) {
    // Every number carries the joiner as its decimal separator: pair the pieces. A text with one piece per
    // field is the form with "." as the decimal point, which the system writes whatever the user's setting.
    if (pieces.size() == 2 * fields_.size()) {
      for (std::size_t i = 0; i < pieces.size(); i += 2) {
        result.push_back({std::string(pieces[i]) + joiner_ + std::string(pieces[i + 1]), decimalSep});
      }
      return result;
    }
    decimalSep = ".";
  }
  for (std::string_view piece : pieces) result.push_back({std::string(piece), decimalSep});
  return result;
}

RawValue FieldLonType::Parse(std::string_view text, std::string_view decimalSep) const {
  text = Trim(text);
  if (text.empty()) Refuse("the value is empty");
  std::vector<FieldText> texts = SplitFields(text, EffectiveSeparator(decimalSep));
  if (texts.size() != fields_.size()) {
    std::string labels;
    for (const FieldPtr& field : fields_) labels += (labels.empty() ? "" : ", ") + field->Label();
    Refuse(platform::Echoed(text) + " needs " + std::to_string(fields_.size()) + " fields (" + labels +
           ") separated by \"" + joiner_ + "\"");
  }
  RawValue raw(size_);
  std::size_t offset = 0;
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    std::optional<std::string> problem =
        fields_[i]->Parse(texts[i].text, texts[i].decimalSep, raw.data() + offset);
    if (problem) Refuse(fields_.size() == 1 ? *problem : fields_[i]->Label() + " " + *problem);
    offset += fields_[i]->Size();
  }
  return raw;
}

std::string FieldLonType::Format(const RawValue& raw, std::string_view decimalSep) const {
  if (raw.size() != size_) {
    throw LnsError(kLnsInvalidArgument,
                   name_ + " holds " + std::to_string(size_) + " bytes, not " + std::to_string(raw.size()));
  }
  std::string text;
  std::size_t offset = 0;
  for (const FieldPtr& field : fields_) {
    if (offset > 0) text += joiner_;
    text += field->Format(raw.data() + offset, EffectiveSeparator(decimalSep));
    offset += field->Size();
  }
  return text;
}

std::unique_ptr<FieldLonType> FieldLonType::AsPropertyType(const std::string& propertyName, int propertyIndex,
                                                           const std::optional<RawLimits>& limits) const {
  std::vector<FieldPtr> fields;
  for (const FieldPtr& field : fields_) fields.push_back(limits ? field->Narrowed(*limits) : field);
  auto narrowed = std::make_unique<FieldLonType>(propertyName, propertyIndex, std::move(fields), joiner_);
  narrowed->valueTypeName_ = name_;
  return narrowed;
}

void FieldLonType::Refuse(const std::string& what) const {
  const std::string shownName = valueTypeName_.empty() ? name_ : name_ + " (" + valueTypeName_ + ")";
  throw LnsError(kLnsInvalidValue, "Invalid value for " + shownName + ": " + what);
}

}  // namespace lns
