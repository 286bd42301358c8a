#include "page/page_text.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "text/lines.h"
#include "text/replace.h"

namespace bk {
namespace {

// The entity passes run in place on each line; over random pages dense in
// entities, broken entities, lead bytes (which take a following "&" as their
// trail byte) and line breaks they must give what the four whole-text
// replacements give, line for line.
TEST(PageTextTest, EntityPassesAsReplaceAllOnRandomPages) {
  const char* const pool[] = {"&amp;", "&quot;", "&lt;", "&gt;", "&", "amp;", "quot;", "lt;", "gt;", "&amp",
                              "\x81",  "\x83\x41", "\x81h", "a", "\xB6", "\r\n", "\n", "\r"};
  std::mt19937 rng(5);
  for (int round = 0; round < 5000; ++round) {
    std::string bytes;
    for (unsigned k = rng() % 30; k > 0; --k) {
      if (rng() % 25 == 0) {
        bytes += '\0';
      } else {
        bytes += pool[rng() % std::size(pool)];
      }
    }
    std::string expected = ReplaceAll(bytes, "&amp;", "&");
    expected = ReplaceAll(expected, "&quot;", "\x81h");
    expected = ReplaceAll(expected, "&lt;", "<");
    expected = ReplaceAll(expected, "&gt;", ">");
    const std::vector<std::string_view> expected_lines = SplitLines(expected);

    const PageText page(bytes);
    ASSERT_EQ(std::vector<std::string>(page.lines().begin(), page.lines().end()),
              std::vector<std::string>(expected_lines.begin(), expected_lines.end()))
        << testing::PrintToString(bytes);
  }
}

}  // namespace
}  // namespace bk
