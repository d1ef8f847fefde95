#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace lns {

// One entry line of a shipped text file: words separated by blanks.
struct KeywordLine {
  int number = 0;    // line number in the file, from 1
  std::string text;  // the trimmed line
  std::vector<std::string> words;
  std::vector<std::size_t> wordEnds;  // offset in `text` behind each word

  // The line's text behind its first `wordCount` words, trimmed: a value that may hold blanks.
  std::string Rest(std::size_t wordCount) const;
};

// A text file of keyword lines, the form of the interface files, the resource files and the catalogue:
// one entry per line, its first word the keyword; empty lines and lines starting with "#" are skipped.
// Every fault is reported with the file's name and the line's number.
class KeywordFile {
 public:
  // Reads the file; throws LnsError (kLnsNotFound) when it cannot be read.
  explicit KeywordFile(std::filesystem::path file);

  const std::filesystem::path& Path() const { return path_; }
  const std::vector<KeywordLine>& Lines() const { return lines_; }

  // Throws LnsError (kLnsBadFile): "<file>, line <n>: <what>".
  [[noreturn]] void Fail(const KeywordLine& line, const std::string& what) const;

  // Fails unless the line has at least `count` words; `usage` shows the expected form.
  void RequireWords(const KeywordLine& line, std::size_t count, const std::string& usage) const;

  // `word` (of `line`) as a whole decimal number from `min` to `max`; `what` names it in the error.
  long Number(const KeywordLine& line, const std::string& word, const std::string& what, long min,
              long max) const;

  // `word` (of `line`) as a program ID: 16 hex digits, upper case.
  const std::string& ProgramId(const KeywordLine& line, const std::string& word) const;

 private:
  std::filesystem::path path_;
  std::vector<KeywordLine> lines_;
};

}  // namespace lns
