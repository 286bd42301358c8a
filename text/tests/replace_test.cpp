#include "text/replace.h"

#include <gtest/gtest.h>

#include "testsupport/sjis.h"

namespace bk {
namespace {

using test::Sjis;

struct ReplaceCase {
  std::string text, pattern, replacement;
  Case mode;
  std::string expected;
};

std::vector<ReplaceCase> Cases() {
  return {
      {"a-b-c", "-", "+", Case::kExact, "a+b+c"},
      {"abc", "", "x", Case::kExact, "abc"},
      {"", "a", "x", Case::kExact, ""},
      {"abc", "abc", "", Case::kExact, ""},
      // The replacement is not searched again.
      {"aa", "a", "aa", Case::kExact, "aaaa"},
      {"aaa", "aa", "b", Case::kExact, "ba"},
      {"AbC", "b", "x", Case::kExact, "AxC"},
      {"ABC", "b", "x", Case::kExact, "ABC"},
      // Only matches on character boundaries are replaced.
      {Sjis("ポ|ポ"), "|", "/", Case::kExact, Sjis("ポ/ポ")},
      // After a match the search starts afresh: the byte after a matched lead
      // byte begins a character of the rest.
      {"\x83\x83\x7c|", "\x83", "", Case::kExact, "\x7c|"},
      // Ignoring case: matched in upper-cased copies, replaced in the
      // original, whose other letters keep their case.
      {"Vol.3 VOL.4 vol.5", "vol.", "#", Case::kIgnore, "#3 #4 #5"},
      {"aBcb", "B", "x", Case::kIgnore, "axcx"},
      {Sjis("テe"), "E", "x", Case::kIgnore, Sjis("テx")},
      {Sjis("テ"), "E", "x", Case::kIgnore, Sjis("テ")},
      {Sjis("ａＢｃ"), Sjis("ｂ"), "x", Case::kIgnore, Sjis("ａxｃ")},
      {"abc", "", "x", Case::kIgnore, "abc"},
  };
}

TEST(ReplaceAll, Cases) {
  for (const auto& c : Cases()) {
    SCOPED_TRACE(testing::PrintToString(c.text) + " / " + testing::PrintToString(c.pattern));
    EXPECT_EQ(ReplaceAll(c.text, c.pattern, c.replacement, c.mode), c.expected);
  }
}

TEST(ReplaceAll, RemoveAll) { EXPECT_EQ(RemoveAll("a b c", " "), "abc"); }

}  // namespace
}  // namespace bk
