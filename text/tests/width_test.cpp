// Under Wine these run against the Windows locale mappings themselves.
#include "text/width.h"

#include <gtest/gtest.h>

#include "testsupport/sjis.h"

namespace bk {
namespace {

using test::Sjis;

struct WidthCase {
  const char* from;  // UTF-8
  const char* half;
  const char* full;
};

// Only the classes of characters the callers rely on.
const WidthCase kWideCases[] = {
    {"ＡＢＣ１２３ａｂｃ", "ABC123abc", "ＡＢＣ１２３ａｂｃ"},
    {"ABC123abc", "ABC123abc", "ＡＢＣ１２３ａｂｃ"},
    {"a b", "a b", "ａ　ｂ"},
    {"　", " ", "　"},
    {"！？（）", "!?()", "！？（）"},
    {"カナ", "ｶﾅ", "カナ"},
    {"ｶﾅ", "ｶﾅ", "カナ"},
    {"ガパ", "ｶﾞﾊﾟ", "ガパ"},
    {"。「」、・ー", "｡｢｣､･ｰ", "。「」、・ー"},
    {"漢字ひらがな", "漢字ひらがな", "漢字ひらがな"},
};

TEST(Width, WideMappings) {
  for (const auto& c : kWideCases) {
    SCOPED_TRACE(c.from);
    EXPECT_EQ(test::Utf8(MapHalfWidthText(Sjis(c.from))), c.half);
    EXPECT_EQ(test::Utf8(MapFullWidthText(Sjis(c.from))), c.full);
  }
}

TEST(Width, EmptyStaysEmpty) {
  EXPECT_EQ(MapHalfWidth(u""), u"");
  EXPECT_EQ(MapFullWidth(u""), u"");
  EXPECT_EQ(MapHalfWidthAnsi(""), "");
}

TEST(Width, HalfWidthAnsi) {
  EXPECT_EQ(MapHalfWidthAnsi(Sjis("ＡＢＣ１２３ａｂｃ")), "ABC123abc");
  EXPECT_EQ(MapHalfWidthAnsi(Sjis("ガパヴ")), "\xb6\xde\xca\xdf\xb3\xde");
  EXPECT_EQ(MapHalfWidthAnsi(Sjis("ー・「」。、゛゜　")), "\xb0\xa5\xa2\xa3\xa1\xa4\xde\xdf\x20");
  EXPECT_EQ(MapHalfWidthAnsi(Sjis("漢字ひらがな")), Sjis("漢字ひらがな"));
  EXPECT_EQ(MapHalfWidthAnsi("plain ascii"), "plain ascii");
}

TEST(Width, HalfWidthAnsiMapsLongTextsWhole) {
  std::string full, half;
  for (int i = 0; i < 300; ++i) {
    full += Sjis("ア");
    half += "\xb1";
  }
  EXPECT_EQ(MapHalfWidthAnsi(full), half);
}

TEST(Width, HalfWidthAnsiEndsAtZeroByte) {
  EXPECT_EQ(MapHalfWidthAnsi(Sjis("Ａ") + std::string("\0", 1) + Sjis("Ｂ")), "A");
}

TEST(Width, UpperLocaleKeepsKanaAndLength) {
  EXPECT_EQ(ToUpperLocale("abcXYZ09"), "ABCXYZ09");
  EXPECT_EQ(ToUpperLocale(Sjis("ａテスト")), Sjis("Ａテスト"));
  EXPECT_EQ(ToUpperLocale(""), "");
}

}  // namespace
}  // namespace bk
