#pragma once

#include <string_view>

#include "contributors/contributor_list.h"

namespace bk {

// Replaces the held author dictionary by WorkDir + "AuthDB.dat" (empty when
// missing); returns whether the file existed.
bool LoadAuthorDictionary(std::string_view work_dir);
void FreeAuthorDictionary();

// Fills Author1, Author2 (with readings, Author1Extra) and OtherContributors
// of Book from the list, through the author dictionary.
void AssignContributors(const ContributorList& list, bool fill_first, bool fill_second,
                        bool collect_others, std::string_view prefix);

}  // namespace bk
