#include "platform/lns/resources/ResourceFile.h"

#include <set>

#include "platform/lns/LnsError.h"
#include "platform/lns/resources/ResourceFileLines.h"

namespace lns {

namespace {

constexpr long kMaxScope = 6;
constexpr long kMaxNumber = 65535;

class ResourceFileReader {
 public:
  explicit ResourceFileReader(const std::filesystem::path& path) : file_(path) {}

  ResourceFileContents Read() {
    const std::vector<KeywordLine>& lines = file_.Lines();
    if (lines.empty() || lines.front().words.front() != "resource-file") {
      throw LnsError(kLnsBadFile,
                     file_.Path().string() + ": the first entry must be \"resource-file types|profiles\"");
    }
    for (const KeywordLine& line : lines) ReadLine(line);
    if (result_.programIdTemplate.empty()) Missing("program-id-template");
    if (!sawScope_) Missing("scope");
    for (ProfileTemplate& profile : result_.profiles) {
      profile.scope = result_.scope;
      profile.programIdTemplate = result_.programIdTemplate;
    }
    return result_;
  }

 private:
  void ReadLine(const KeywordLine& line) {
    const std::string& keyword = line.words.front();
    if (keyword == "resource-file") {
      ReadKind(line);
    } else if (keyword == "program-id-template") {
      file_.RequireWords(line, 2, "program-id-template <16 hex digits>");
      if (!result_.programIdTemplate.empty()) file_.Fail(line, "a second program-id-template line");
      result_.programIdTemplate = file_.ProgramId(line, line.words[1]);
    } else if (keyword == "scope") {
      file_.RequireWords(line, 2, "scope <0 to 6>");
      if (sawScope_) file_.Fail(line, "a second scope line");
      result_.scope = static_cast<int>(file_.Number(line, line.words[1], "scope", 0, kMaxScope));
      sawScope_ = true;
    } else if (keyword == "value-type" && result_.kind == kTypeFile) {
      file_.RequireWords(line, 2, "value-type <name>");
      result_.valueTypes.push_back(line.words[1]);
    } else if (keyword == "property-type" && result_.kind == kTypeFile) {
      ReadPropertyType(line);
    } else if (keyword == "profile" && result_.kind == kProfileFile) {
      ReadProfile(line);
    } else {
      file_.Fail(line, "\"" + keyword + "\" is not an entry of a " +
                           (result_.kind == kTypeFile ? "types" : "profiles") + " resource file");
    }
  }

  void ReadKind(const KeywordLine& line) {
    file_.RequireWords(line, 2, "resource-file types|profiles");
    if (&line != &file_.Lines().front()) file_.Fail(line, "a second resource-file line");
    const std::string& kind = line.words[1];
    if (kind != "types" && kind != "profiles") file_.Fail(line, "resource-file kind \"" + kind + "\"");
    result_.kind = kind == "types" ? kTypeFile : kProfileFile;
  }

  void ReadPropertyType(const KeywordLine& line) {
    file_.RequireWords(line, 4, "property-type <index> <name> <value type>");
    ResourcePropertyType type;
    type.index = static_cast<int>(file_.Number(line, line.words[1], "type index", 0, kMaxNumber));
    type.name = line.words[2];
    type.valueType = line.words[3];
    if (!numbers_.insert(type.index).second) file_.Fail(line, "type index " + line.words[1] + " twice");
    result_.propertyTypes.push_back(std::move(type));
  }

  void ReadProfile(const KeywordLine& line) {
    file_.RequireWords(line, 3, "profile <number> <name>");
    ProfileTemplate profile;
    profile.number = static_cast<int>(file_.Number(line, line.words[1], "profile number", 0, kMaxNumber));
    profile.name = line.Rest(2);
    if (!numbers_.insert(profile.number).second)
      file_.Fail(line, "profile number " + line.words[1] + " twice");
    result_.profiles.push_back(std::move(profile));
  }

  [[noreturn]] void Missing(const std::string& keyword) const {
    throw LnsError(kLnsBadFile, file_.Path().string() + ": the " + keyword + " line is missing");
  }

  KeywordFile file_;
  ResourceFileContents result_;
  bool sawScope_ = false;
  std::set<int> numbers_;  // type indexes or profile numbers seen
};

}  // namespace

ResourceFileContents ReadResourceFile(const std::filesystem::path& file) {
  return ResourceFileReader(file).Read();
}

long LnsResourceFile::Open(std::string_view fileName, long fileKind, long fileSelector, long mode,
                           long& handle) {
  if (mode != 0 || (fileKind != kTypeFile && fileKind != kProfileFile)) return kResourceBadArgument;
  auto read = read_.find(fileName);
  if (read == read_.end()) {
    try {
      auto contents =
          std::make_shared<const ResourceFileContents>(ReadResourceFile(std::filesystem::path(fileName)));
      read = read_.emplace(std::string(fileName), std::move(contents)).first;
    } catch (const LnsError& error) {
      return error.Number() == kLnsNotFound ? kResourceCannotOpen : kResourceBadFile;
    }
  }
  const ResourceFileContents& contents = *read->second;
  if (contents.kind != fileKind || contents.scope != fileSelector) return kResourceBadArgument;
  handle = nextHandle_++;
  open_.emplace(handle, read->second);
  return kResourceOk;
}

long LnsResourceFile::Close(long handle) {
  return open_.erase(handle) == 1 ? kResourceOk : kResourceBadHandle;
}

const ResourceFileContents* LnsResourceFile::Contents(long handle) const {
  auto found = open_.find(handle);
  return found == open_.end() ? nullptr : found->second.get();
}

}  // namespace lns
