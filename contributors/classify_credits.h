#pragma once

#include <string_view>

#include "contributors/contributor_list.h"

namespace bk {

// Splits an author block into credit entries, recognises each role from the
// ordered marker table and files the entries in list.
void ClassifyCredits(ContributorList& list, std::string_view block,
                     std::string_view role_separator, std::string_view entry_separator,
                     std::string_view name_separator);

}  // namespace bk
