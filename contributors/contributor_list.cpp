#include "contributors/contributor_list.h"

#include <algorithm>

#include "platform/locale.h"

namespace bk {

void ContributorList::Add(std::string entry) {
  const auto compare = platform::Locale().compare_ignore_case;
  const auto at = std::lower_bound(
      entries_.begin(), entries_.end(), entry,
      [compare](const std::string& held, const std::string& added) { return compare(held, added) < 0; });
  if (at != entries_.end() && compare(*at, entry) == 0) return;
  entries_.insert(at, std::move(entry));
}

}  // namespace bk
