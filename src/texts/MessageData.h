#pragma once

// The message texts of each language, as (index, text) pairs; only the indexes listed are ever set.
// Internal to the texts folder: other code reads the filled TextTables.

#include <span>
#include <string_view>

namespace qvr::text_data {

struct IndexedText {
  int index;
  std::string_view text;
};

struct MessageTexts {
  std::span<const IndexedText> MsgMain;
  std::span<const IndexedText> MsgFramework;
  std::span<const IndexedText> MsgPlugInAPI;
  std::span<const IndexedText> MsgDirector;
};

MessageTexts EnglishMessages();
MessageTexts GermanMessages();

}  // namespace qvr::text_data
