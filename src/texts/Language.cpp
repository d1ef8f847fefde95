#include "texts/Language.h"

namespace qvr {

Language LanguageFromRegistryValue(std::string_view value) {
  if (value == "english") return Language::English;
  if (value == "german") return Language::German;
  return Language::None;
}

}  // namespace qvr
