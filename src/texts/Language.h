#pragma once

#include <string_view>

namespace qvr {

// The interface language, fixed when the plug-in is registered (the plug-in key's "Language" value).
enum class Language { None, English, German };

// Only the exact values "english" and "german" choose a language. Anything else ("English", "Deutsch",
// the empty text of a missing value) is None: no text is set and every table stays as it is.
Language LanguageFromRegistryValue(std::string_view value);

}  // namespace qvr
