#include "contributors/contributor_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bk {
namespace {

using Entries = std::vector<std::string>;

// The entries of a list filled in the given order, in list order.
Entries ListOf(const Entries& added) {
  ContributorList list;
  for (const std::string& e : added) list.Add(e);
  return Entries(list.entries().begin(), list.entries().end());
}

TEST(ContributorList, SortsByRoleCodeThenName) {
  EXPECT_EQ(ListOf({"9Zed", "1Bob", "0Kim", "1Al", "5Amy [x]"}),
            (Entries{"0Kim", "1Al", "1Bob", "5Amy [x]", "9Zed"}));
}

TEST(ContributorList, IgnoresLetterCaseWhenSortingAndKeepsTheFirstOfEqualEntries) {
  EXPECT_EQ(ListOf({"1bob", "1Al", "1BOB", "1al", "1Carl"}),
            (Entries{"1Al", "1bob", "1Carl"}));
}

TEST(ContributorList, KeepsEntriesThatDifferBeyondCase) {
  EXPECT_EQ(ListOf({"1Al", "1Al [x]", "2Al", "1Al"}), (Entries{"1Al", "1Al [x]", "2Al"}));
}

}  // namespace
}  // namespace bk
