#pragma once

#include <string_view>

namespace bk {

// Sets Book[Publisher] from WorkDir + "PubDB.dat" by the publisher prefix of
// Book[Isbn]; returns whether the file existed.
bool LookupPublisher(std::string_view work_dir);

}  // namespace bk
