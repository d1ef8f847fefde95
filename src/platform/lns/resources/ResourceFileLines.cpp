#include "platform/lns/resources/ResourceFileLines.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "platform/ReadRegularFile.h"
#include "platform/lns/LnsError.h"
#include "platform/lns/types/LonTypeText.h"

namespace lns {

std::string KeywordLine::Rest(std::size_t wordCount) const {
  const std::size_t start = wordCount == 0 ? 0 : wordEnds.at(wordCount - 1);
  return std::string(Trim(std::string_view(text).substr(start)));
}

namespace {

// Far above any of these files (the shipped ones hold a few KB, a large resource set some hundred KB);
// a larger one is refused unread.
constexpr std::size_t kMostFileBytes = 16 << 20;

}  // namespace

KeywordFile::KeywordFile(std::filesystem::path file) : path_(std::move(file)) {
  std::istringstream in;
  try {
    in.str(platform::ReadRegularFile(path_, kMostFileBytes));
  } catch (const platform::FileReadError& error) {
    throw LnsError(kLnsNotFound, "Cannot read the file " + path_.string() + ": " + error.what());
  }
  std::string raw;
  for (int number = 1; std::getline(in, raw); ++number) {
    KeywordLine line;
    line.number = number;
    line.text = std::string(Trim(raw));
    if (line.text.empty() || line.text.front() == '#') continue;
    for (std::string_view word : SplitAtBlanks(line.text)) {
      line.words.emplace_back(word);
      line.wordEnds.push_back(static_cast<std::size_t>(word.data() - line.text.data()) + word.size());
    }
    lines_.push_back(std::move(line));
  }
}

void KeywordFile::Fail(const KeywordLine& line, const std::string& what) const {
  throw LnsError(kLnsBadFile, path_.string() + ", line " + std::to_string(line.number) + ": " + what);
}

void KeywordFile::RequireWords(const KeywordLine& line, std::size_t count, const std::string& usage) const {
  if (line.words.size() < count) Fail(line, "expected \"" + usage + "\"");
}

long KeywordFile::Number(const KeywordLine& line, const std::string& word, const std::string& what, long min,
                         long max) const {
  bool digitsOnly = !word.empty();
  for (char c : word) digitsOnly = digitsOnly && std::isdigit(static_cast<unsigned char>(c));
  if (!digitsOnly) Fail(line, what + " \"" + word + "\" is not a whole number");
  const std::size_t firstDigit = std::min(word.find_first_not_of('0'), word.size() - 1);
  const bool tooLong = word.size() - firstDigit > 9;  // beyond every bound, and beyond what stol may take
  const long number = tooLong ? 0 : std::stol(word);
  if (tooLong || number < min || number > max) {
    Fail(line,
         what + " " + word + " is out of range (" + std::to_string(min) + " to " + std::to_string(max) + ")");
  }
  return number;
}

const std::string& KeywordFile::ProgramId(const KeywordLine& line, const std::string& word) const {
  bool valid = word.size() == 16;
  for (char c : word)
    valid = valid && (std::isdigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'F'));
  if (!valid) Fail(line, "program ID \"" + word + "\" is not 16 upper-case hex digits");
  return word;
}

}  // namespace lns
