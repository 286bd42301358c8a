#include "page/marker_cursor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bk {
namespace {

// The lines of the page that carry the marker, asking every line in order.
std::vector<std::size_t> LinesWith(const std::string& bytes, std::string_view marker) {
  const PageText page(bytes);
  MarkerCursor cursor(page, marker);
  std::vector<std::size_t> found;
  for (std::size_t j = 0; j < page.lines().size(); ++j) {
    if (cursor.OnLine(j)) found.push_back(j);
  }
  return found;
}

TEST(MarkerCursorTest, FindsEachLineThatHoldsTheMarker) {
  struct Case {
    const char* bytes;
    const char* marker;
    std::vector<std::size_t> lines;
  } cases[] = {
      {"ab\nxab\r\nab ab\rb\na", "ab", {0, 1, 2}},
      {"abc\nab", "abc", {0}},                // at the very start, and cut by the end
      {"x\ny\nzabc", "abc", {2}},             // at the very end of the bytes
      {"a\nb\nab", "a\nb", {}},               // an occurrence across a break is on no line
      {"ab", "abc", {}},                      // longer than the page
      {"ab\nab", "", {}},                     // an empty marker matches no line
      {"\x83" "A" "B\nAB", "AB", {0, 1}},       // byte-wise, also from a trail byte
      {"&lt;p&gt;\n<p>\n&amp;lt;p>", "<p>", {0, 1, 2}},  // decoded lines are tested as decoded
      {"<p>&amp;\nx", "<p>", {0}},
      {"T\nTT\n\nT", "T", {0, 1, 3}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LinesWith(c.bytes, c.marker), c.lines) << c.bytes << " / " << c.marker;
  }
}

TEST(MarkerCursorTest, EntitiesDecodeInTheirOrderWithinTheLine) {
  const PageText page("a&amp;quot;b&amp;amp;\nc&lt;\xe8&gt;\nplain &amp text");
  ASSERT_EQ(page.lines().size(), 3u);
  EXPECT_EQ(page.lines()[0], "a\x81hb&amp;");
  // A lead byte takes the "&" after it as its trail byte: no entity there.
  EXPECT_EQ(page.lines()[1], "c<\xe8&gt;");
  EXPECT_EQ(page.lines()[2], "plain &amp text");
  EXPECT_TRUE(page.rewritten(0));
  EXPECT_FALSE(page.rewritten(2));
}

}  // namespace
}  // namespace bk
