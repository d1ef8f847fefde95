#include <algorithm>
#include <cctype>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

#include "platform/EchoedText.h"
#include "platform/registry/RegistryStore.h"
#include "tools/lns/Commands.h"

namespace lnstool {

namespace {

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

std::optional<reg::Hive> ParseHive(const std::string& word) {
  const std::string name = Upper(word);
  if (name == "HKLM" || name == "HKEY_LOCAL_MACHINE") return reg::Hive::LocalMachine;
  if (name == "HKCU" || name == "HKEY_CURRENT_USER") return reg::Hive::CurrentUser;
  return std::nullopt;
}

// One `lns reg` action on an open store: the words after the hive (key first).
struct RegAction {
  std::size_t minWords;
  std::size_t maxWords;
  std::function<reg::Status(ToolContext&, reg::RegistryStore&, reg::Hive, const Args&)> run;
};

// A missing key or value prints nothing; NotFound tells `--exists` apart from an empty value.
reg::Status Get(ToolContext& context, reg::RegistryStore& store, reg::Hive hive, const Args& words) {
  reg::RegValue value;
  reg::Status status = store.QueryValue(hive, words[0], words.size() > 1 ? words[1] : "", value);
  if (status == reg::Status::Ok) context.out << value.data << '\n';
  return status;
}

reg::Status Set(ToolContext&, reg::RegistryStore& store, reg::Hive hive, const Args& words) {
  return store.SetValue(hive, words[0], words[1], reg::RegValue{reg::ValueType::Sz, words[2]}, true);
}

reg::Status Delete(ToolContext&, reg::RegistryStore& store, reg::Hive hive, const Args& words) {
  return store.DeleteKey(hive, words[0]);
}

reg::Status Keys(ToolContext& context, reg::RegistryStore& store, reg::Hive hive, const Args& words) {
  std::string name;
  std::uint32_t index = 0;
  reg::Status status;
  while ((status = store.EnumKey(hive, words[0], index++, name)) == reg::Status::Ok)
    context.out << name << '\n';
  return status == reg::Status::NotFound ? reg::Status::Ok : status;
}

const std::map<std::string, RegAction>& Actions() {
  static const std::map<std::string, RegAction> actions = {
      {"get", {1, 2, Get}},
      {"set", {3, 3, Set}},
      {"delete", {1, 1, Delete}},
      {"keys", {1, 1, Keys}},
  };
  return actions;
}

// `missing` is what a get of a missing key or value exits with.
int Report(ToolContext& context, reg::RegistryStore& store, reg::Status status, const std::string& key,
           int missing) {
  switch (status) {
    case reg::Status::Ok:
      return kOk;
    case reg::Status::InvalidName:
      context.err << "lns reg: invalid key path " << platform::Echoed(key) << "\n";
      return Usage(context, "reg");
    case reg::Status::InvalidValue:
      context.err << "lns reg: invalid value\n";
      return Usage(context, "reg");
    case reg::Status::NotFound:
      if (missing != kFailed) return missing;
      context.err << "lns reg: no such key " << platform::Echoed(key) << "\n";
      return kFailed;
    case reg::Status::HasSubkeys:
      context.err << "lns reg: key " << platform::Echoed(key) << " has subkeys\n";
      return kFailed;
    case reg::Status::StoreFailed:
      context.err << "lns reg: " << store.LastError() << '\n';
      return kFailed;
  }
  return kFailed;
}

}  // namespace

int RunReg(ToolContext& context, const Args& args) {
  const bool exists = args.size() > 1 && args[0] == "get" && args[1] == "--exists";
  const std::size_t hiveAt = exists ? 2 : 1;
  if (args.size() <= hiveAt) return Usage(context, "reg");
  auto action = Actions().find(args[0]);
  auto hive = ParseHive(args[hiveAt]);
  const Args words(args.begin() + static_cast<std::ptrdiff_t>(hiveAt) + 1, args.end());
  if (action == Actions().end() || !hive || words.size() < action->second.minWords ||
      words.size() > action->second.maxWords) {
    return Usage(context, "reg");
  }
  reg::RegistryStore store(reg::RegistryStore::FileIn(context.root));
  const reg::Status status = action->second.run(context, store, *hive, words);
  // A get of what is not there prints nothing and succeeds, unless --exists asks to tell it apart.
  const int missing = args[0] != "get" ? kFailed : exists ? kMissing : kOk;
  return Report(context, store, status, words[0], missing);
}

}  // namespace lnstool
