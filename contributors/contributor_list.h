#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bk {

// The credit entries of one page (role code digit + name + role suffix),
// sorted by the user locale's collation ignoring case; an entry that compares
// equal to one already held is not added.
class ContributorList {
 public:
  void Add(std::string entry);
  const std::vector<std::string>& entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;
};

}  // namespace bk
