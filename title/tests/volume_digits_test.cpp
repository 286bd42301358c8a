#include "title/volume_digits.h"

#include <gtest/gtest.h>

#include "testsupport/sjis.h"

namespace bk {
namespace {

using test::Sjis;
using test::Utf8;

TEST(VolumeDigits, KeepsDigitsOrLeavesTextWithout) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"3", "3"},   {"第3", "3"}, {"3-4", "34"}, {"上", "上"},
      {"十二", "十二"}, {"IV", "IV"}, {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8(VolumeDigits(Sjis(c.in))), c.out) << c.in;
}

TEST(TrailingDigits, TakesTheDigitRunAtTheEnd) {
  EXPECT_EQ(TrailingDigits("LESSON12"), "12");
  EXPECT_EQ(TrailingDigits("1A2"), "2");
  EXPECT_EQ(TrailingDigits("123"), "123");
  EXPECT_EQ(TrailingDigits("VOL."), "VOL.");  // no digit at the end: whole text
  EXPECT_EQ(TrailingDigits(""), "");
}

TEST(ToUpperFullWidth, UpperCasesAndWidensAscii) {
  EXPECT_EQ(Utf8(ToUpperFullWidth(Sjis("Web 入門 vol.3"))), "ＷＥＢ　入門　ＶＯＬ．３");
  EXPECT_EQ(Utf8(ToUpperFullWidth(Sjis("テスト"))), "テスト");  // kana unchanged
}

}  // namespace
}  // namespace bk
