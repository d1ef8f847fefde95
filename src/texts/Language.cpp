#include "texts/Language.h"

namespace qvr {

Language LanguageFromRegistryValue(std::string_view value) {
  return value == "german" ? Language::German : Language::English;
}

}  // namespace qvr
