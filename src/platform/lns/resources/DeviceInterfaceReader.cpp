#include <cctype>
#include <set>
#include <tuple>

#include "platform/lns/LnsError.h"
#include "platform/lns/resources/DeviceInterfaceFile.h"
#include "platform/lns/resources/ResourceFileLines.h"
#include "platform/lns/types/LonTypes.h"

namespace lns {

namespace {

constexpr long kMaxNvIndex = 4095;  // the largest network-variable index a LON device can have
constexpr long kMaxScope = 6;
constexpr long kMaxTypeIndex = 65535;

const char* const kNvUsage = "nv <index> <name> input|output <value type> <initial value>";
const char* const kBlockUsage = "block <index> <name> <profile number>";
const char* const kCpUsage =
    "cp device|block:<index>|nv:<index> <scope> <type index> <type name> <value type> <delivered value>";

class InterfaceReader {
 public:
  explicit InterfaceReader(const std::filesystem::path& path) : file_(path) {}

  DeviceInterface Read() {
    for (const KeywordLine& line : file_.Lines()) {
      const std::string& keyword = line.words.front();
      if (keyword == "model") {
        ReadModel(line);
      } else if (keyword == "program-id") {
        ReadProgramId(line);
      } else if (keyword == "nv") {
        ReadNetworkVariable(line);
      } else if (keyword == "block") {
        ReadBlock(line);
      } else if (keyword == "cp") {
        ReadConfigProperty(line);
      } else {
        file_.Fail(line, "unknown keyword \"" + keyword + "\"");
      }
    }
    CheckOwners();
    if (result_.model.empty()) throw LnsError(kLnsBadFile, file_.Path().string() + ": the model is missing");
    if (result_.programId.empty()) {
      throw LnsError(kLnsBadFile, file_.Path().string() + ": the program ID is missing");
    }
    return result_;
  }

 private:
  void ReadModel(const KeywordLine& line) {
    file_.RequireWords(line, 2, "model <name>");
    if (!result_.model.empty()) file_.Fail(line, "a second model line");
    const std::string& model = line.words[1];
    for (char c : model) {
      // The model names folders of the LonWorks folder; keep it to characters that are safe there.
      if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_') {
        file_.Fail(line,
                   "model name \"" + model + "\" holds a character other than letters, digits, - and _");
      }
    }
    result_.model = model;
  }

  void ReadProgramId(const KeywordLine& line) {
    file_.RequireWords(line, 2, "program-id <16 hex digits>");
    if (!result_.programId.empty()) file_.Fail(line, "a second program-id line");
    result_.programId = file_.ProgramId(line, line.words[1]);
  }

  void ReadNetworkVariable(const KeywordLine& line) {
    file_.RequireWords(line, 6, kNvUsage);
    NvDefinition nv;
    nv.index = static_cast<int>(file_.Number(line, line.words[1], "network-variable index", 0, kMaxNvIndex));
    nv.name = line.words[2];
    const std::string& direction = line.words[3];
    if (direction != "input" && direction != "output") {
      file_.Fail(line, "direction \"" + direction + "\" is neither input nor output");
    }
    nv.direction = direction == "input" ? NvDirection::Input : NvDirection::Output;
    nv.type = line.words[4];
    nv.initial = CheckedValue(line, ValueType(line, nv.type), line.Rest(5));
    if (!nvIndexes_.insert(nv.index).second)
      file_.Fail(line, "network-variable index " + line.words[1] + " twice");
    if (!nvNames_.insert(nv.name).second) file_.Fail(line, "network-variable name " + nv.name + " twice");
    result_.networkVariables.push_back(std::move(nv));
  }

  void ReadBlock(const KeywordLine& line) {
    file_.RequireWords(line, 4, kBlockUsage);
    BlockDefinition block;
    // Blocks are numbered by their place among the device's LonMark objects, so they come in order from 0.
    const auto expected = static_cast<long>(result_.blocks.size());
    block.index = static_cast<int>(file_.Number(line, line.words[1], "block index", 0, kMaxTypeIndex));
    if (block.index != expected) {
      file_.Fail(line, "block index " + line.words[1] + " where " + std::to_string(expected) + " is next");
    }
    block.name = line.words[2];
    block.profile = static_cast<int>(file_.Number(line, line.words[3], "profile number", 0, kMaxTypeIndex));
    result_.blocks.push_back(std::move(block));
  }

  void ReadConfigProperty(const KeywordLine& line) {
    file_.RequireWords(line, 7, kCpUsage);
    CpDefinition cp;
    ReadOwner(line, line.words[1], cp);
    cp.scope = static_cast<int>(file_.Number(line, line.words[2], "scope", 0, kMaxScope));
    cp.typeIndex = static_cast<int>(file_.Number(line, line.words[3], "type index", 0, kMaxTypeIndex));
    cp.typeName = line.words[4];
    cp.valueType = line.words[5];
    ValueType(line, cp.valueType);
    if (cp.scope == 0) CheckStandardType(line, cp);
    cp.delivered = CheckedValue(line, FindPropertyType(cp.typeName, cp.valueType), line.Rest(6));
    if (!propertyKeys_.insert({cp.owner, cp.ownerIndex, cp.scope, cp.typeIndex}).second) {
      file_.Fail(line, "a second property of scope " + line.words[2] + " and type index " + line.words[3] +
                           " on " + line.words[1]);
    }
    result_.configProperties.push_back(std::move(cp));
    propertyLines_.push_back(&line);
  }

  void ReadOwner(const KeywordLine& line, const std::string& owner, CpDefinition& cp) {
    if (owner == "device") {
      cp.owner = CpOwner::Device;
      cp.ownerIndex = 0;
      return;
    }
    const std::size_t colon = owner.find(':');
    const std::string kind = owner.substr(0, colon);
    if (colon == std::string::npos || (kind != "block" && kind != "nv")) {
      file_.Fail(line, "owner \"" + owner + "\" is not device, block:<index> or nv:<index>");
    }
    cp.owner = kind == "block" ? CpOwner::Block : CpOwner::NetworkVariable;
    cp.ownerIndex =
        static_cast<int>(file_.Number(line, owner.substr(colon + 1), kind + " index", 0, kMaxNvIndex));
  }

  void CheckStandardType(const KeywordLine& line, const CpDefinition& cp) {
    const StandardPropertyType* standard = FindStandardPropertyType(cp.typeName);
    if (standard == nullptr)
      file_.Fail(line, "\"" + cp.typeName + "\" is not a standard property type (scope 0)");
    if (standard->index != cp.typeIndex || standard->valueType != cp.valueType) {
      file_.Fail(line, cp.typeName + " has type index " + std::to_string(standard->index) +
                           " and value type " + std::string(standard->valueType));
    }
  }

  // Every property's block or network variable must be defined somewhere in the file.
  void CheckOwners() {
    for (std::size_t i = 0; i < result_.configProperties.size(); ++i) {
      const CpDefinition& cp = result_.configProperties[i];
      const bool known =
          cp.owner == CpOwner::Device ||
          (cp.owner == CpOwner::Block && cp.ownerIndex < static_cast<int>(result_.blocks.size())) ||
          (cp.owner == CpOwner::NetworkVariable && nvIndexes_.count(cp.ownerIndex) > 0);
      if (!known)
        file_.Fail(*propertyLines_[i], "the owner " + propertyLines_[i]->words[1] + " is not defined");
    }
  }

  const LonType& ValueType(const KeywordLine& line, const std::string& name) {
    try {
      return FindLonType(name);
    } catch (const LnsError&) {
      file_.Fail(line, "unknown value type \"" + name + "\"");
    }
  }

  // The value as its type shows it with ".", so that every reader gets one spelling of it.
  std::string CheckedValue(const KeywordLine& line, const LonType& type, const std::string& text) {
    try {
      return type.Format(type.Parse(text, "."), ".");
    } catch (const LnsError& error) {
      file_.Fail(line, error.Description());
    }
  }

  KeywordFile file_;
  DeviceInterface result_;
  std::set<int> nvIndexes_;
  std::set<std::string> nvNames_;
  std::set<std::tuple<CpOwner, int, int, int>> propertyKeys_;
  std::vector<const KeywordLine*> propertyLines_;  // the line of each property, for later faults
};

}  // namespace

DeviceInterface ReadDeviceInterface(const std::filesystem::path& file) {
  return InterfaceReader(file).Read();
}

}  // namespace lns
