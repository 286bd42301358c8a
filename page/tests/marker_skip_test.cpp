#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "page/marker_cursor.h"

namespace bk {
namespace {

std::size_t LineEnd(const PageText& page, std::size_t j) {
  return static_cast<std::size_t>(page.lines()[j].data() - page.bytes().data()) + page.lines()[j].size();
}

// The page scan leaves out original lines that end before a cursor's next
// start, and rewritten lines without the marker's rarest byte. Over random
// pages (markers whole, split by breaks, inside entity lines, after lead
// bytes) a cursor asked only on some lines, leaving out any such line, must
// answer on the lines it is asked exactly as a cursor asked on every line,
// and never be on a line it was not asked.
TEST(MarkerCursorTest, LinesBeforeTheNextStartMayBeLeftOut) {
  const char* const pool[] = {"ab", "a", "b", "x", "\r\n", "\n", "\r", "&amp;", "&lt;", "&gt;", "\x83", "\x83" "a"};
  const char* const markers[] = {"ab", "abab", "b", "a\nb", "x&", "a&b", "<a"};
  std::mt19937 rng(17);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    for (unsigned k = rng() % 40; k > 0; --k) bytes += pool[rng() % std::size(pool)];
    const PageText page(bytes);
    const std::string_view marker = markers[rng() % std::size(markers)];
    MarkerCursor every(page, marker);
    MarkerCursor some(page, marker);
    for (std::size_t j = 0; j < page.lines().size(); ++j) {
      const bool on = every.OnLine(j);
      const std::string_view line = page.lines()[j];
      const bool may_skip = page.rewritten(j)
                                ? line.find(static_cast<char>(some.rarest_byte())) == std::string_view::npos
                                : LineEnd(page, j) <= some.NextStart();
      if (may_skip && rng() % 4 != 0) {
        ASSERT_FALSE(on) << testing::PrintToString(bytes) << " line " << j;
        continue;
      }
      ASSERT_EQ(some.OnLine(j), on) << testing::PrintToString(bytes) << " line " << j;
    }
  }
}

}  // namespace
}  // namespace bk
