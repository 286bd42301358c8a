// The sorted list relies on the Windows collation of the Japanese user
// locale: case is ignored (also for full-width letters), width and kana kind
// are not.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contributors/contributor_list.h"
#include "platform/locale.h"
#include "testsupport/sjis.h"

namespace bk {
namespace {

using test::Sjis;

TEST(ContributorListWin32, UsesTheWindowsCollation) {
  EXPECT_EQ(&platform::Locale(), &platform::Win32Locale());
}

TEST(ContributorListWin32, NamesDifferingOnlyInCaseAreOneEntry) {
  const struct {
    const char* first;
    const char* second;
  } pairs[] = {{"1abc", "1ABC"}, {"1Ａ", "1ａ"}, {"1ｂｏｂ", "1ＢＯＢ"}};
  for (const auto& p : pairs) {
    ContributorList list;
    list.Add(Sjis(p.first));
    list.Add(Sjis(p.second));
    ASSERT_EQ(list.entries().size(), 1u) << p.first;
    EXPECT_EQ(*list.entries().begin(), Sjis(p.first)) << p.first;
  }
}

TEST(ContributorListWin32, NamesDifferingInWidthOrKanaKindStayTwo) {
  const struct {
    const char* first;
    const char* second;
  } pairs[] = {{"1A", "1Ａ"}, {"1abc", "1ａｂｃ"}, {"1あい", "1アイ"}, {"1カナ", "1ｶﾅ"}};
  for (const auto& p : pairs) {
    ContributorList list;
    list.Add(Sjis(p.first));
    list.Add(Sjis(p.second));
    EXPECT_EQ(list.entries().size(), 2u) << p.first << " / " << p.second;
  }
}

}  // namespace
}  // namespace bk
