#include <gtest/gtest.h>

#include "testsupport/sjis.h"
#include "text/extract.h"
#include "text/split_field.h"

namespace bk {
namespace {

using test::Sjis;

struct ExtractCase {
  std::string text, key, terminator, expected;
};

const ExtractCase kExtractCases[] = {
    {"a<td>x</td>b", "<td>", "</td>", "x"},
    {"a<td>x</td>b", "<td>", "", "x</td>b"},
    {"a<td>x</td>b", "<th>", "</td>", ""},
    {"a<td>", "<td>", "</td>", ""},
    {"a<td>x", "<td>", "</td>", "x"},
    {"", "<td>", "</td>", ""},
    {"abc", "", "c", ""},
    // The first occurrence of the key and the first terminator after it.
    {"k1k2;3;", "k", ";", "1k2"},
    {";k1;", "k", ";", "1"},
    // Byte-wise: the trail byte of ポ is taken for the terminator "|".
    {"k\x83\x7cz|", "k", "|", "\x83"},
    {"\x83\x7c" "abc", "|", "", "abc"},
};

TEST(ExtractAfter, Cases) {
  for (const auto& c : kExtractCases) {
    SCOPED_TRACE(testing::PrintToString(c.text) + " key " + c.key + " term " + c.terminator);
    EXPECT_EQ(ExtractAfter(c.text, c.key, c.terminator), c.expected);
  }
}

struct SplitCase {
  std::string text;
  char delimiter;
  long n;
  std::string expected;
};

const SplitCase kSplitCases[] = {
    {"a b c", ' ', 1, "a"},
    {"a b c", ' ', 3, "c"},
    {"a b c", ' ', 4, ""},
    {"a b c", ' ', 0, ""},
    {"a b c", ' ', -1, ""},
    {"a  b", ' ', 2, ""},
    {"a  b", ' ', 3, "b"},
    {"x", ' ', 1, "x"},
    {"x", ' ', 2, ""},
    {"", ' ', 1, ""},
    {"a ", ' ', 2, ""},
    {"a ", ' ', 3, ""},
    {" a", ' ', 1, ""},
    // The delimiter is searched on character boundaries.
    {"\x83\x7c|b", '|', 1, "\x83\x7c"},
    {"\x83\x7c|b", '|', 2, "b"},
    {"\x83\x7c" "a", '|', 1, "\x83\x7c" "a"},
    {"\x83\x7c" "a", '|', 2, ""},
};

TEST(SplitField, Cases) {
  for (const auto& c : kSplitCases) {
    SCOPED_TRACE(testing::PrintToString(c.text) + " n=" + std::to_string(c.n));
    EXPECT_EQ(SplitField(c.text, c.delimiter, c.n), c.expected);
  }
}

TEST(SplitField, JapaneseFields) {
  const std::string line = Sjis("ポール・スミス|ポ|作");
  EXPECT_EQ(SplitField(line, '|', 1), Sjis("ポール・スミス"));
  EXPECT_EQ(SplitField(line, '|', 2), Sjis("ポ"));
  EXPECT_EQ(SplitField(line, '|', 3), Sjis("作"));
}

}  // namespace
}  // namespace bk
