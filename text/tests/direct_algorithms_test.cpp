// The primitives run in one pass over their input. These tests compare them
// with the direct step-by-step forms (search again from the start, walk from
// the start for every byte) on many short random texts made of the bytes
// that matter: brackets, comment dashes, entity letters, lead and trail bytes.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/find.h"
#include "text/lead_byte.h"
#include "text/replace.h"
#include "text/strip_tags.h"

namespace bk {
namespace {

std::string RandomText(std::mt19937& random, std::string_view alphabet, std::size_t max_size) {
  std::string text(random() % (max_size + 1), ' ');
  for (auto& c : text) c = alphabet[random() % alphabet.size()];
  return text;
}

bool StartsCharacter(std::string_view text, std::size_t index) {
  std::size_t i = 0;
  while (i < index) i += CharLengthAt(text, i);
  return i == index;
}

std::size_t DirectFindAligned(std::string_view needle, std::string_view text) {
  if (needle.empty()) return 0;
  for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) {
    if (text.substr(i, needle.size()) == needle) return i + 1;
  }
  return 0;
}

std::size_t DirectFindLastOf(std::string_view set, std::string_view text) {
  for (std::size_t i = text.size(); i-- > 0;) {
    if (set.find(text[i]) != std::string_view::npos && StartsCharacter(text, i)) return i + 1;
  }
  return 0;
}

std::string DirectReplaceAll(std::string text, std::string_view pattern, std::string_view with) {
  std::string out;
  while (const std::size_t p = DirectFindAligned(pattern, text)) {
    out += text.substr(0, p - 1);
    out += with;
    text.erase(0, p - 1 + pattern.size());
  }
  return out + text;
}

std::string DirectStripTags(std::string_view text) {
  std::string work = DirectReplaceAll(DirectReplaceAll(std::string(text), "<!--", "\x81\x83!--"),
                                      "-->", "--\x81\x84");
  std::string out;
  for (;;) {
    const std::size_t a = FindBytes("<", work), b = FindBytes(">", work);
    if (a == 0 && b == 0) break;
    if (b == 0) {
      out += work.substr(0, a - 1);
      work.clear();
    } else {
      if (a != 0 && b > a) out += work.substr(0, a - 1);
      work.erase(0, b);
    }
  }
  out += work;
  for (const auto& [from, to] : {std::pair<std::string, std::string>{"\x81\x83!--", "<!--"},
                                 {"--\x81\x84", "-->"},
                                 {"&lt;", "<"},
                                 {"&gt;", ">"},
                                 {"&nbsp;", " "}}) {
    out = DirectReplaceAll(out, from, to);
  }
  return out;
}

constexpr std::string_view kLeadAndTrail = "\x83\x81|a\x84\x83";

TEST(DirectAlgorithms, FindAlignedAndFindLastOf) {
  std::mt19937 random(1);
  for (int run = 0; run < 20000; ++run) {
    const std::string text = RandomText(random, kLeadAndTrail, 12);
    const std::string needle = RandomText(random, kLeadAndTrail, 3);
    SCOPED_TRACE(testing::PrintToString(needle) + " in " + testing::PrintToString(text));
    ASSERT_EQ(FindAligned(needle, text), DirectFindAligned(needle, text));
    ASSERT_EQ(FindLastOf(needle, text), DirectFindLastOf(needle, text));
  }
}

TEST(DirectAlgorithms, ReplaceAll) {
  std::mt19937 random(2);
  for (int run = 0; run < 20000; ++run) {
    const std::string text = RandomText(random, kLeadAndTrail, 12);
    const std::string pattern = RandomText(random, kLeadAndTrail, 3);
    SCOPED_TRACE(testing::PrintToString(pattern) + " in " + testing::PrintToString(text));
    const std::string expected = pattern.empty() ? text : DirectReplaceAll(text, pattern, "<>");
    ASSERT_EQ(ReplaceAll(text, pattern, "<>"), expected);
  }
}

TEST(DirectAlgorithms, StripTags) {
  std::mt19937 random(3);
  for (int run = 0; run < 50000; ++run) {
    const std::string text = RandomText(random, "<>!--&lt;gnbsp\x81\x83\x84", 16);
    SCOPED_TRACE(testing::PrintToString(text));
    ASSERT_EQ(StripTags(text), DirectStripTags(text));
  }
}

}  // namespace
}  // namespace bk
