// The locale operations as the system relies on them. On Windows every case
// runs against both implementations, so the examples also hold the portable
// tables to the real calls.
#include "platform/locale.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/tests/implementations.h"
#include "testsupport/sjis.h"

namespace bk::platform {
namespace {

using test::Sjis;

class LocaleTest : public ::testing::TestWithParam<const LocaleOps*> {
 protected:
  const LocaleOps& ops() const { return *GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(Impl, LocaleTest, ::testing::ValuesIn(Implementations()),
                         [](const auto& info) { return std::string(info.param->name); });

TEST_P(LocaleTest, LeadBytesAreTheCodePageRanges) {
  for (unsigned b = 0; b < 256; ++b) {
    const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    EXPECT_EQ(ops().is_lead_byte(static_cast<unsigned char>(b)), lead) << b;
  }
}

TEST_P(LocaleTest, ConversionIsMicrosoftsCodePage) {
  EXPECT_EQ(ops().ansi_to_wide("\x81\x60\x81\x7C"), u"\uFF5E\uFF0D");
  EXPECT_EQ(ops().wide_to_ansi(u"\uFF5E\uFF0D"), "\x81\x60\x81\x7C");
  EXPECT_EQ(ops().ansi_to_wide("A\x83\x65\xB1"), u"A\u30C6\uFF71");
  EXPECT_EQ(ops().ansi_to_wide(""), u"");
  EXPECT_EQ(ops().wide_to_ansi(u""), "");
}

TEST_P(LocaleTest, RoundTripPrefersTheStandardEncoding) {
  struct Case {
    const char* in;
    const char* out;
  } const cases[] = {
      {"\xED\x40", "\xFA\x5C"},  // NEC-selected IBM extension -> IBM extension
      {"\x87\x90", "\x81\xE0"},  // NEC row 13 duplicate -> JIS X 0208
      {"A\x83", "A\x81\x45"},    // a lone lead byte becomes a two-byte character
      {"\x85\x40", "\x81\x45"},  // an unmapped pair
      {"\x83\x65\x83\x58\x83\x67", "\x83\x65\x83\x58\x83\x67"},
  };
  for (const Case& c : cases) EXPECT_EQ(ops().wide_to_ansi(ops().ansi_to_wide(c.in)), c.out) << c.in;
  EXPECT_EQ(ops().ansi_to_wide("\x83"), u"\u30FB");
}

TEST_P(LocaleTest, CharactersWithoutEncodingBecomeLookAlikesOrQuestionMark) {
  EXPECT_EQ(ops().wide_to_ansi(u"\u00E9\u00A5\u4E02"), "e\\?");
}

TEST_P(LocaleTest, AnsiHalfWidthMapping) {
  struct Case {
    const char* utf8;
    const char* expected;
  } const cases[] = {
      {"ＡＢＣ１２３ａｂｃ", "ABC123abc"},
      {"ガパヴ", "\xB6\xDE\xCA\xDF\xB3\xDE"},
      {"ー・「」。、゛゜　", "\xB0\xA5\xA2\xA3\xA1\xA4\xDE\xDF\x20"},
      {"～－￥", "~-\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(ops().map_ansi(Sjis(c.utf8), kHalfWidth), c.expected) << c.utf8;
  for (const char* kept : {"＼", "ヵヶヰヱヮ", "ひらがな漢字", "abc\\"}) {
    EXPECT_EQ(ops().map_ansi(Sjis(kept), kHalfWidth), Sjis(kept)) << kept;
  }
  EXPECT_EQ(ops().map_ansi("", kHalfWidth), "");
}

TEST_P(LocaleTest, AnsiHalfWidthMapsTheWholeText) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += Sjis("ＡＢガ");
  std::string expected;
  for (int i = 0; i < 100; ++i) expected += "AB\xB6\xDE";
  EXPECT_EQ(ops().map_ansi(text, kHalfWidth), expected);
}

TEST_P(LocaleTest, WideHalfWidthSplitsVoicedKatakana) {
  EXPECT_EQ(ops().map_wide(u"ガパヴＡ　", kHalfWidth), u"\uFF76\uFF9E\uFF8A\uFF9F\uFF73\uFF9EA ");
  EXPECT_EQ(ops().map_wide(u"が漢", kHalfWidth), u"が漢");
  EXPECT_EQ(ops().map_wide(u"", kHalfWidth), u"");
}

TEST_P(LocaleTest, WideFullWidthJoinsVoicedKatakana) {
  EXPECT_EQ(ops().map_wide(u"\uFF76\uFF9E\uFF8A\uFF9F\uFF71A ", kFullWidth), u"ガパアＡ\u3000");
  EXPECT_EQ(ops().map_wide(u"", kFullWidth), u"");
}

TEST_P(LocaleTest, BackslashesAreNeverMapped) {
  for (std::uint32_t flags : {kHalfWidth, kFullWidth}) {
    EXPECT_EQ(ops().map_wide(u"\\\uFF3C", flags), u"\\\uFF3C");
  }
}

// Upper-cased full-width quotes are why titles can carry FA 56 and FA 57.
TEST_P(LocaleTest, FullWidthQuotesAreIbmExtensionCharacters) {
  const std::optional<std::u16string> full = ops().map_wide(u"'\"", kFullWidth);
  ASSERT_TRUE(full);
  EXPECT_EQ(ops().wide_to_ansi(*full), "\xFA\x56\xFA\x57");
  EXPECT_EQ(ops().map_wide(u"\u2018\u2019\u201C\u201D", kHalfWidth), u"''\"\"");
}

TEST_P(LocaleTest, UpperCasingKeepsKatakanaAndByteLength) {
  struct Case {
    const char* in;
    const char* out;
  } const cases[] = {
      {"abc\x82\x81", "ABC\x82\x60"},  // ａ -> Ａ
      {"\x83\x65\x83\x58", "\x83\x65\x83\x58"},  // テス: trail bytes look like e and X
      {"\xED\x40", "\xFA\x5C"},
      {"x\x85\x40", "X\x81\x45"},
      {"ab\x83", "AB\x83"},  // a trailing lone lead byte stays
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ops().upper_ansi(c.in), c.out) << c.in;
}

int Sign(int r) { return (r > 0) - (r < 0); }

TEST_P(LocaleTest, CollationIgnoresLetterCaseOnly) {
  struct Case {
    const char* a;
    const char* b;
    int order;
  } const cases[] = {
      {"1abc", "1ABC", 0},
      {"1Ａ", "1ａ", 0},
      {"1A-C", "1AB", 1},   // the hyphen counts only after the letters
      {"1A-B", "1a-b", 0},
      {"1AB", "1A-B", -1},
      {"1A", "1Ａ", -1},   // width is kept
      {"1ア", "1あ", -1},  // katakana and hiragana differ
      {"1Zeta", "2alpha", -1},
      {"1 b", "1a", -1},
  };
  for (const Case& c : cases) {
    const std::string a = Sjis(c.a), b = Sjis(c.b);
    EXPECT_EQ(Sign(ops().compare_ignore_case(a, b)), c.order) << c.a << " vs " << c.b;
    EXPECT_EQ(Sign(ops().compare_ignore_case(b, a)), -c.order) << c.b << " vs " << c.a;
  }
}

// Kana before kanji, kanji in code page (JIS) order: what the Japanese
// collation does under Wine; real Windows may order kanji differently.
TEST(PortableCollation, KanaBeforeKanjiInCodePageOrder) {
  const char* const ascending[] = {"1ァ", "1ぁ", "1ｱ", "1ア", "1あ", "1ヵ", "1カ", "1ガ", "1亜美", "1一郎"};
  for (std::size_t i = 0; i + 1 < std::size(ascending); ++i) {
    EXPECT_LT(PortableLocale().compare_ignore_case(Sjis(ascending[i]), Sjis(ascending[i + 1])), 0)
        << ascending[i] << " vs " << ascending[i + 1];
  }
}

// The long vowel mark draws out the vowel before it; a separate voiced mark
// weighs on the kana before it.
TEST(PortableCollation, LongVowelAndSeparateMarks) {
  const char* const ascending[] = {"1カァ", "1カア", "1ｶｰ", "1カー", "1ガア", "1ガー", "1カーイ", "1カイ",
                                   "1ン", "1ンア", "1ンー", "1亜ア", "1亜ー"};
  for (std::size_t i = 0; i + 1 < std::size(ascending); ++i) {
    EXPECT_LT(PortableLocale().compare_ignore_case(Sjis(ascending[i]), Sjis(ascending[i + 1])), 0)
        << ascending[i] << " vs " << ascending[i + 1];
  }
  const char* const marks[] = {"1カ", "1ガ", "1が", "1ｶﾞ", "1ｶﾟ", "1カ!"};
  for (std::size_t i = 0; i + 1 < std::size(marks); ++i) {
    EXPECT_LT(PortableLocale().compare_ignore_case(Sjis(marks[i]), Sjis(marks[i + 1])), 0)
        << marks[i] << " vs " << marks[i + 1];
  }
  EXPECT_EQ(PortableLocale().compare_ignore_case(Sjis("1Aー"), "1AA"), 0);
  EXPECT_GT(PortableLocale().compare_ignore_case(Sjis("ー"), Sjis("亜")), 0);
}

}  // namespace
}  // namespace bk::platform
