#include "text/find.h"

#include <gtest/gtest.h>

#include <string>

namespace bk {
namespace {

struct FindCase {
  std::string needle, text;
  std::size_t bytes, aligned;
};

// "\x83\x7c" is ポ: its trail byte equals "|".
const FindCase kFindCases[] = {
    {"b", "abc", 2, 2},
    {"x", "abc", 0, 0},
    {"", "abc", 0, 0},
    {"a", "", 0, 0},
    {"abcd", "abc", 0, 0},
    {"|", "\x83\x7c", 2, 0},
    {"|", "\x83\x7c|", 2, 3},
    {"A", "\x82\x41" "A", 2, 3},
    {"\x7c\x83", "\x83\x7c\x83\x7c", 2, 0},
    // Runs of lead bytes pair up from the start of the text.
    {"|", "\x83\x83|", 3, 3},
    {"|", "\x83\x83\x83|", 4, 0},
    // A lone lead byte at the end is a character of its own.
    {"\x83", "ab\x83", 3, 3},
    {"\x83", "\x82\x83", 2, 0},
    // A match may end inside a character.
    {"a\x83", "a\x83\x7c", 1, 1},
};

TEST(Find, BytesAndAligned) {
  for (const auto& c : kFindCases) {
    SCOPED_TRACE(testing::PrintToString(c.needle) + " in " + testing::PrintToString(c.text));
    EXPECT_EQ(FindBytes(c.needle, c.text), c.bytes);
    EXPECT_EQ(FindAligned(c.needle, c.text), c.aligned);
  }
}

TEST(Find, AlignedFromTreatsStartAsBoundary) {
  // Index 1 is the trail byte of ポ, but a search that resumes there reads it
  // as the start of a character.
  EXPECT_EQ(FindAlignedFrom("|", "\x83\x7c|", 1), 1u);
  EXPECT_EQ(FindAlignedFrom("|", "\x83\x7c|", 2), 2u);
  EXPECT_EQ(FindAlignedFrom("|", "\x83\x7c|", 3), std::string_view::npos);
  EXPECT_EQ(FindAlignedFrom("", "abc", 0), std::string_view::npos);
}

struct LastOfCase {
  std::string set, text;
  std::size_t expected;
};

const LastOfCase kLastOfCases[] = {
    {"\\/", "a\\b/c\\d", 6},
    {"ab", "xaxbx", 4},
    {"|", "", 0},
    {"", "abc", 0},
    {"|", "xyz", 0},
    // The trail byte of ポ does not count; the scan goes on before it.
    {"|", "a|\x83\x7c", 2},
    {"|", "\x83\x7c", 0},
    {"\\", "\x95\x5c", 0},  // 表
    // A lead byte in the set counts where it starts a character.
    {"\x83", "a\x83\x7c" "b", 2},
    {"\x83", "a\x83", 2},
    {"|", "\x83\x83|", 3},
};

TEST(Find, LastOf) {
  for (const auto& c : kLastOfCases) {
    SCOPED_TRACE(testing::PrintToString(c.set) + " in " + testing::PrintToString(c.text));
    EXPECT_EQ(FindLastOf(c.set, c.text), c.expected);
  }
}

}  // namespace
}  // namespace bk
