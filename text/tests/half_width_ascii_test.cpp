#include "text/half_width_ascii.h"

#include <gtest/gtest.h>

#include "testsupport/sjis.h"

namespace bk {
namespace {

using test::Sjis;

struct HalfCase {
  std::string text, expected;
};

std::vector<HalfCase> Cases() {
  return {
      {Sjis("２００５ＡＢｃ"), "2005ABc"},
      {Sjis("０９ＡＺａｚ"), "09AZaz"},
      {Sjis("第１巻（上）　カナ"), Sjis("第1巻（上）　カナ")},
      {"abc 123", "abc 123"},
      {"", ""},
      // Unassigned codes between the digits and the capitals follow the
      // same arithmetic.
      {"\x82\x59\x82\x5f", ":@"},
      // Neighbours of the ranges stay two-byte characters.
      {"\x82\x4e\x82\x7a\x82\x80\x82\x9b\x83\x60", "\x82\x4e\x82\x7a\x82\x80\x82\x9b\x83\x60"},
      // A zero byte ends the text.
      {std::string("a\0b", 3), "a"},
      {std::string("\x82\0\x4f", 3), "\x82"},
      // A lone lead byte at the end is copied.
      {"a\x82", "a\x82"},
      // Characters pair up from the start: 82 82 is a small letter.
      {"\x82\x82\x4f", "bO"},
  };
}

TEST(ToHalfWidthAscii, Cases) {
  for (const auto& c : Cases()) {
    SCOPED_TRACE(testing::PrintToString(c.text));
    EXPECT_EQ(ToHalfWidthAscii(c.text), c.expected);
  }
}

}  // namespace
}  // namespace bk
