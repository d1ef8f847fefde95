#pragma once

#include <string_view>

namespace qvr {

// The interface language, fixed when the plug-in is registered (the plug-in key's "Language" value).
enum class Language { English, German };

// The one rule that turns the stored value into the language of every text (windows, lists, messages, help,
// the help menu's documents): exactly "german" is German, anything else ("english", "English", "Deutsch",
// the empty text that a plain registration stores, a missing value) is English, so that no text is ever
// left blank. The stored value itself is kept as it was written.
Language LanguageFromRegistryValue(std::string_view value);

}  // namespace qvr
