#include "text/char_class.h"

#include <gtest/gtest.h>

#include "testsupport/sjis.h"

namespace bk {
namespace {

using test::Sjis;

struct ClassCase {
  std::string text;
  bool all_digits, has_digit, roman, letters;
};

std::vector<ClassCase> ClassCases() {
  return {
      {"", true, false, true, true},
      {"0129", true, true, false, false},
      {"12a", false, true, false, false},
      {"XIV", false, false, true, true},
      {"xiv", false, false, true, true},
      {"XL", false, false, false, true},
      {"MCD", false, false, false, true},
      {"Ab-c", false, false, false, true},
      {"a b", false, false, false, false},
      {"a_b", false, false, false, false},
      // Full-width digits and letters are two-byte characters: never digits.
      {Sjis("１２"), false, false, false, false},
      {Sjis("Ｘ"), false, false, false, false},
  };
}

TEST(CharClass, ByteTests) {
  for (const auto& c : ClassCases()) {
    SCOPED_TRACE(testing::PrintToString(c.text));
    EXPECT_EQ(IsAllDigits(c.text), c.all_digits);
    EXPECT_EQ(HasDigit(c.text), c.has_digit);
    EXPECT_EQ(IsRomanNumeral(c.text), c.roman);
    EXPECT_EQ(IsLettersOrHyphen(c.text), c.letters);
  }
}

struct VolumeCase {
  std::string text;
  bool kanji, strict, loose;
};

std::vector<VolumeCase> VolumeCases() {
  return {
      {"", true, true, true},
      {"12", false, true, true},
      {"12a", false, false, true},
      {"a1", false, false, true},
      {"IV", false, true, true},
      {"abc", false, false, false},
      {Sjis("十二"), true, true, true},
      {Sjis("一二三四五六七八九十百壱弐参拾"), true, true, true},
      {Sjis("第一"), false, false, false},
      {Sjis("一第"), false, false, false},
      {"A", true, true, true},  // one byte: no complete unit to reject
      {Sjis("一") + "A", true, true, true},
      {Sjis("上"), false, true, true},
      {Sjis("中"), false, true, true},
      {Sjis("下"), false, true, true},
      {Sjis("上下"), false, false, false},
      {Sjis("上") + "1", false, false, true},
      {Sjis("１"), false, false, false},
  };
}

TEST(CharClass, KanjiNumeralAndVolumeTokens) {
  for (const auto& c : VolumeCases()) {
    SCOPED_TRACE(test::Utf8(c.text));
    EXPECT_EQ(IsKanjiNumeral(c.text), c.kanji);
    EXPECT_EQ(IsVolumeToken(c.text), c.strict);
    EXPECT_EQ(IsVolumeTokenLoose(c.text), c.loose);
  }
}

}  // namespace
}  // namespace bk
