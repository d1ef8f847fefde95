#include "platform/registry/UserLocale.h"

#include <langinfo.h>
#include <locale.h>

namespace reg {

std::string UserDecimalSeparator() {
  locale_t userLocale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (userLocale == static_cast<locale_t>(0)) return ".";
  std::string separator = nl_langinfo_l(RADIXCHAR, userLocale);
  freelocale(userLocale);
  return separator.empty() ? "." : separator;
}

}  // namespace reg
