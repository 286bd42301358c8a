#pragma once

#include <set>
#include <string>

namespace bk {

// The credit entries of one page (role code digit + name + role suffix),
// sorted by the user locale's collation ignoring case; an entry that compares
// equal to one already held is not added.
class ContributorList {
 public:
  // The order of the entries; two entries it does not tell apart are equal.
  struct Collation {
    bool operator()(const std::string& a, const std::string& b) const;
  };
  // A search tree rather than a sorted array: a page with thousands of
  // credits must not cost a shift of the array per added entry.
  using Entries = std::set<std::string, Collation>;

  void Add(std::string entry) { entries_.insert(std::move(entry)); }
  const Entries& entries() const { return entries_; }

 private:
  Entries entries_;
};

}  // namespace bk
