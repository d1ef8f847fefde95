#pragma once

// The help texts of each language, one row per data-point table row, in the parts that the help
// layout joins (see FillTextTables). A description holds its own line breaks ("\r\n").
// Internal to the texts folder: other code reads the filled TextTables.

#include <span>
#include <string_view>

#include "texts/TableRows.h"

namespace qvr::text_data {

// A network variable's help: label, type line, "(name)" line, then the description.
struct NvHelpRow {
  std::string_view label;
  std::string_view type;
  std::string_view variable;
  std::string_view description;
};

// A configuration property's help: label, type line, then the description.
struct NciHelpRow {
  std::string_view label;
  std::string_view type;
  std::string_view description;
};

inline constexpr std::size_t kNciHelpRows = kNciRows;
inline constexpr std::size_t kNviHelpRows = kNviRows;
inline constexpr std::size_t kNvoHelpRows = kNvoRows;

std::span<const NciHelpRow, kNciHelpRows> EnglishNciHelpRows();
std::span<const NvHelpRow, kNviHelpRows> EnglishNviHelpRows();
std::span<const NvHelpRow, kNvoHelpRows> EnglishNvoHelpRows();

std::span<const NciHelpRow, kNciHelpRows> GermanNciHelpRows();
std::span<const NvHelpRow, kNviHelpRows> GermanNviHelpRows();
std::span<const NvHelpRow, kNvoHelpRows> GermanNvoHelpRows();

}  // namespace qvr::text_data
