#include "text/utf8.h"

#include <gtest/gtest.h>

namespace bk {
namespace {

TEST(Utf8, RoundTripsEveryEncodedLength) {
  const std::string utf8 = "a\xC3\xA9\xE3\x83\x86\xF0\x9F\x98\x80";  // a é テ 😀
  const std::u16string wide = u"a\u00E9\u30C6\U0001F600";
  EXPECT_EQ(Utf8ToWide(utf8), wide);
  EXPECT_EQ(WideToUtf8(wide), utf8);
}

TEST(Utf8, LoneSurrogatesAreWrittenAsTheyAre) {
  EXPECT_EQ(WideToUtf8(u"\xD83D" "x"), "\xED\xA0\xBDx");
  EXPECT_EQ(WideToUtf8(std::u16string(1, u'\xDE00')), "\xED\xB8\x80");
}

TEST(Utf8, CodePage932BothWays) {
  EXPECT_EQ(AnsiToUtf8("\x83\x65\x83\x58\x83\x67 1"), "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88 1");  // テスト 1
  EXPECT_EQ(Utf8ToAnsi("\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88 1"), "\x83\x65\x83\x58\x83\x67 1");
}

}  // namespace
}  // namespace bk
