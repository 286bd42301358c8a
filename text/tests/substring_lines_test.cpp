#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "text/lines.h"
#include "text/substring.h"

namespace bk {
namespace {

struct CopyCase {
  std::string text;
  long pos, count;
  std::string expected;
};

const CopyCase kCopyCases[] = {
    {"abcdef", 2, 3, "bcd"},
    {"abcdef", 1, 6, "abcdef"},
    {"abcdef", 4, 100, "def"},
    {"abcdef", 6, 1, "f"},
    {"abcdef", 7, 1, ""},
    {"abcdef", 0, 2, "ab"},   // a position below 1 counts as 1, count kept
    {"abcdef", -5, 2, "ab"},
    {"abcdef", 2, 0, ""},
    {"abcdef", 2, -1, ""},
    {"", 1, 5, ""},
};

TEST(Substring, Copy) {
  for (const auto& c : kCopyCases) {
    SCOPED_TRACE(c.text + " " + std::to_string(c.pos) + " " + std::to_string(c.count));
    EXPECT_EQ(Copy(c.text, c.pos, c.count), c.expected);
  }
  EXPECT_EQ(Left("abc", 2), "ab");
  EXPECT_EQ(Left("abc", 5), "abc");
  EXPECT_EQ(Left("abc", -1), "");
  EXPECT_EQ(From("abc", 2), "bc");
  EXPECT_EQ(From("abc", 0), "abc");
  EXPECT_EQ(From("abc", 4), "");
}

TEST(Substring, TrimOnlyControlBytesAndSpace) {
  const std::string padded = std::string("\0\t \r\n", 5) + "a b" + " \x1f\x20";
  EXPECT_EQ(Trim(padded), "a b");
  EXPECT_EQ(TrimRight(padded), std::string("\0\t \r\n", 5) + "a b");
  EXPECT_EQ(TrimLeft(padded), "a b \x1f\x20");
  EXPECT_EQ(Trim("   "), "");
  // The ideographic space and bytes above 0x20 are kept.
  EXPECT_EQ(Trim("\x81\x40x\x81\x40"), "\x81\x40x\x81\x40");
  EXPECT_EQ(Trim("\x7f" "a\xa0"), "\x7f" "a\xa0");
}

TEST(Substring, EndsWith) {
  EXPECT_TRUE(EndsWith("abc", "bc"));
  EXPECT_TRUE(EndsWith("abc", ""));
  EXPECT_FALSE(EndsWith("bc", "abc"));
  EXPECT_FALSE(EndsWith("abc", "b"));
}

struct LinesCase {
  std::string text;
  std::vector<std::string> lines;
};

const LinesCase kLinesCases[] = {
    {"", {}},
    {"a", {"a"}},
    {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
    {"a\r\n", {"a"}},
    {"a\n\n", {"a", ""}},
    {"\r\n", {""}},
    {"a\r\r\nb", {"a", "", "b"}},
    {"a\n\rb", {"a", "", "b"}},
    {"\na", {"", "a"}},
};

TEST(SplitLines, Breaks) {
  for (const auto& c : kLinesCases) {
    SCOPED_TRACE(testing::PrintToString(c.text));
    const auto lines = SplitLines(c.text);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()), c.lines);
  }
}

// SplitLines looks through short lines byte by byte and jumps with memchr
// beyond them; over random texts with breaks dense and sparse (lines short
// and long, CR and LF far apart) it must split exactly as a walk over every
// byte does.
TEST(SplitLines, SameAsByteWalkOnRandomTexts) {
  const auto by_walk = [](std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] != '\r' && text[i] != '\n') continue;
      lines.push_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
  };
  std::mt19937 rng(7);
  const char alphabet[] = {'a', '\r', '\n', '\0', '\x8D'};
  for (int round = 0; round < 20000; ++round) {
    std::string text(rng() % 200, 'a');
    const unsigned density = 1 + rng() % 80;  // one byte in `density` is drawn from the alphabet
    for (char& c : text) {
      if (rng() % density == 0) c = alphabet[rng() % std::size(alphabet)];
    }
    const auto lines = SplitLines(text);
    const auto expected = by_walk(text);
    ASSERT_EQ(lines.size(), expected.size()) << testing::PrintToString(text);
    for (std::size_t k = 0; k < lines.size(); ++k) {
      // Same bytes at the same place: the views point into the text.
      ASSERT_EQ(lines[k].data(), expected[k].data()) << testing::PrintToString(text);
      ASSERT_EQ(lines[k].size(), expected[k].size()) << testing::PrintToString(text);
    }
  }
}

}  // namespace
}  // namespace bk
