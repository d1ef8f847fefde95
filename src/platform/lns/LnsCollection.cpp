#include "platform/lns/LnsCollection.h"

#include <cctype>

#include "platform/EchoedText.h"
#include "platform/lns/LnsError.h"
#include "platform/sqlite/Statement.h"

namespace lns {

std::vector<NamedRow> ReadNamedRows(sqlite::Statement query) {
  std::vector<NamedRow> rows;
  while (query.Step()) rows.push_back({query.Int(0), query.Text(1)});
  return rows;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

void ThrowNoItemNamed(std::string_view owner, std::string_view what, std::string_view name) {
  throw LnsError(kLnsNotFound,
                 std::string(owner) + " has no " + std::string(what) + " named " + platform::Echoed(name));
}

void ThrowBadPosition(long position, std::size_t count, std::string_view collection) {
  throw LnsError(kLnsNotFound, "item " + std::to_string(position) + " does not exist: " +
                                   std::string(collection) + " hold" + (count == 1 ? "s " : " ") +
                                   std::to_string(count) + " item" + (count == 1 ? "" : "s"));
}

void CheckPosition(long position, std::size_t count, std::string_view collection) {
  if (position < 1 || static_cast<std::size_t>(position) > count)
    ThrowBadPosition(position, count, collection);
}

}  // namespace lns
