// The portable collation compares the first level character by character and
// builds full sort keys only on a tie; over random names it must order
// exactly as the full keys do.
#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/portable_collation.h"

namespace bk::platform {
namespace {

int Sign(int r) { return (r > 0) - (r < 0); }

// Names built from characters that weigh on each level: letters in both
// cases and widths, digits, symbols, the word-sort characters, kana in every
// form, separate voiced marks, long vowel marks, kanji, Greek, undecodable
// bytes and zero bytes.
std::vector<std::string> RandomNames(std::mt19937& rng, int count) {
  const char* const pool[] = {
      "a", "A", "b", "Z", "1", "9", " ", "-", "'", ".", "&", "(", "\\",
      "\x82\x60", "\x82\x81", "\x82\x4F",              // Ａ ａ ０
      "\x82\xA0", "\x82\x9F", "\x82\xA9", "\x82\xAA",  // あ ぁ か が
      "\x83\x41", "\x83\x40", "\x83\x4A", "\x83\x4B", "\x83\x70", "\x83\x71", "\x83\x93", "\x83\x94",
      "\x83\x62", "\x83\x95", "\x83\x96",              // ッ ヵ ヶ
      "\xB1", "\xB6", "\xDE", "\xDF", "\xB0", "\xA7",  // ｱ ｶ ﾞ ﾟ ｰ ｧ
      "\x81\x4A", "\x81\x4B", "\x81\x5B", "\x81\x7C",  // ゛ ゜ ー －
      "\x81\x5D", "\x81\x40", "\x81\x5E",              // ‐ 　 ／
      "\x88\x9F", "\x88\xA0", "\x8E\x52", "\x93\x63",  // 亜 唖 山 田
      "\x83\x9F", "\x83\xBF", "\x84\x40", "\x84\x70",  // Α α А а
      "\xED\x40", "\xFA\x5C", "\x80", "\xA0", "\xFD", "\x85\x40", "\x81",
  };
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    std::string s;
    for (unsigned k = rng() % 7; k > 0; --k) {
      if (rng() % 40 == 0) {
        s += '\0';
      } else {
        s += pool[rng() % std::size(pool)];
      }
    }
    names.push_back(s);
  }
  return names;
}

TEST(PortableCollation, ShortcutOrdersAsTheFullSortKeys) {
  std::mt19937 rng(2026);
  const std::vector<std::string> names = RandomNames(rng, 3000);
  int ties = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    for (std::size_t j : {i, (i + 1) % names.size(), (i * 7919) % names.size(), (i * 104729 + 13) % names.size()}) {
      const int fast = Sign(PortableCompareIgnoreCase(names[i], names[j]));
      ASSERT_EQ(fast, Sign(PortableCompareByKeys(names[i], names[j]))) << i << " " << j;
      ties += fast == 0 && names[i] != names[j];
    }
  }
  // Names that differ only below the first level reach the full keys.
  EXPECT_GT(ties, 0);
}

// Pairs made to tie on the first level, so that every lower level decides.
TEST(PortableCollation, ShortcutFallsBackOnFirstLevelTies) {
  const char* const pairs[][2] = {
      {"abc", "ABC"},                 {"\x83\x4A", "\x83\x4B"},          // カ ガ
      {"\x83\x41", "\x83\x40"},       {"\x82\xA0", "\x83\x41"},          // ア ァ, あ ア
      {"\xB6\xDE", "\x83\x4B"},       {"\x83\x4A\x81\x5B", "\x83\x4A\x83\x41"},  // ｶﾞ ガ, カー カア
      {"a-b", "ab"},                  {"a'b", "a-b"},
      {"\x82\x60", "A"},              {"\xDE\x83\x41", "\x83\x41"},
  };
  for (const auto& p : pairs) {
    EXPECT_EQ(Sign(PortableCompareIgnoreCase(p[0], p[1])), Sign(PortableCompareByKeys(p[0], p[1]))) << p[0];
    EXPECT_EQ(Sign(PortableCompareIgnoreCase(p[1], p[0])), Sign(PortableCompareByKeys(p[1], p[0]))) << p[1];
  }
}

}  // namespace
}  // namespace bk::platform
