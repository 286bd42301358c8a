#include "page/cleaning.h"

#include <gtest/gtest.h>

#include "testsupport/sjis.h"

namespace bk {
namespace {

TEST(CleaningTest, MarkBreaksTurnsBothTagsInAnyCaseIntoLineBreaks) {
  struct Case {
    const char* text;
    const char* expected;
  } cases[] = {
      {"a<br>b<BR>c<Br>d</td>e</TD>f", "a\r\nb\r\nc\r\nd\r\ne\r\nf"},
      {"a<b>r</tdx><br/><br", "a<b>r</tdx><br/><br"},
      {"\ta\r\nb\tc", "abc"},
      {"<br\t>", "\r\n"},  // tabs go first
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(MarkBreaks(c.text), c.expected) << c.text;
}

TEST(CleaningTest, MarkBreaksLeavesTagsInsideTwoByteCharactersAlone) {
  // A lead byte takes the byte after it as its trail, even "<": the tag
  // then does not start on a character boundary.
  EXPECT_EQ(MarkBreaks("\x83<br>"), "\x83<br>");
  EXPECT_EQ(MarkBreaks(test::Sjis("本<br>")), test::Sjis("本\r\n"));
}

TEST(CleaningTest, SquashSpacesDropsHalfWidthAndMapsFullWidthSpaces) {
  EXPECT_EQ(SquashSpaces(test::Sjis("a b　c\r\n\r\n\r\nd")), "ab c\r\n\r\nd");
  EXPECT_EQ(test::Utf8(MapSpaces(test::Sjis("あ　い"))), "あ い");
}

}  // namespace
}  // namespace bk
