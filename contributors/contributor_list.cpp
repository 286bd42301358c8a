#include "contributors/contributor_list.h"

#include "platform/locale.h"

namespace bk {

bool ContributorList::Collation::operator()(const std::string& a, const std::string& b) const {
  return platform::Locale().compare_ignore_case(a, b) < 0;
}

}  // namespace bk
