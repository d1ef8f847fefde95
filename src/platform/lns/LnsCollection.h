#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace sqlite {
class Statement;
}  // namespace sqlite

namespace lns {

// One item of a collection read from the database as a list: the object's id and its name.
struct NamedRow {
  std::int64_t id = 0;
  std::string name;
};

// The rows of `query`, whose columns are an id and a name.
std::vector<NamedRow> ReadNamedRows(sqlite::Statement query);

// Collection names match without regard to ASCII letter case; blanks count.
bool SameName(std::string_view a, std::string_view b);

// Throws LnsError (kLnsNotFound): `owner` has no `what` named `name`, e.g. "Floor 1" has no device "Room 9".
[[noreturn]] void ThrowNoItemNamed(std::string_view owner, std::string_view what, std::string_view name);

// Throws LnsError (kLnsNotFound): the 1-based position is not in a collection of `count` items.
[[noreturn]] void ThrowBadPosition(long position, std::size_t count, std::string_view collection);

// Checks a 1-based position against a collection of `count` items; throws as above outside it.
void CheckPosition(long position, std::size_t count, std::string_view collection);

// Count, Item(position), Item(name) and Find(name) of a collection that reads its items as one list. The
// collection derives from ListedItems<itself, its item type> and gives this class, as a friend:
//   Listed()     its entries in order, raising first what reading them raises;
//   Made(entry)  the object of an entry;
//   Owner()      who holds the items, for errors ("Room 1", "the Object Server");
//   What()       what one item is ("device", "LonMark object").
// An entry is named by its `name` member, or is a name itself.
template <typename Collection, typename Object>
class ListedItems {
 public:
  long Count() const { return static_cast<long>(Self().Listed().size()); }

  Object Item(long position) const {
    const Collection& self = Self();
    const auto& entries = self.Listed();
    // The owner's label may take a read of its own: it is made only for the error.
    if (position < 1 || static_cast<std::size_t>(position) > entries.size()) {
      CheckPosition(position, entries.size(),
                    "the " + std::string(self.What()) + "s of " + std::string(self.Owner()));
    }
    return self.Made(entries[static_cast<std::size_t>(position - 1)]);
  }

  Object Item(std::string_view name) const {
    if (std::optional<Object> found = Find(name)) return *found;
    const Collection& self = Self();
    ThrowNoItemNamed(self.Owner(), self.What(), name);
  }

  // The item named `name`, or none where Item would throw kLnsNotFound.
  std::optional<Object> Find(std::string_view name) const {
    const Collection& self = Self();
    for (const auto& entry : self.Listed()) {
      if (SameName(NameOf(entry), name)) return self.Made(entry);
    }
    return std::nullopt;
  }

 private:
  template <typename Entry>
  static std::string_view NameOf(const Entry& entry) {
    if constexpr (std::is_convertible_v<const Entry&, std::string_view>) {
      return entry;
    } else {
      return entry.name;
    }
  }

  const Collection& Self() const { return static_cast<const Collection&>(*this); }
};

}  // namespace lns
