#include "text/strip_tags.h"

#include <gtest/gtest.h>

#include "testsupport/sjis.h"

namespace bk {
namespace {

using test::Sjis;

struct StripCase {
  std::string text, expected;
};

std::vector<StripCase> Cases() {
  return {
      {"a<b>c</b>d", "acd"},
      {"plain", "plain"},
      {"", ""},
      // Comments come through whole; tags inside them are still removed.
      {"a<!-- x -->b", "a<!-- x -->b"},
      {"a<!--<b>x-->c", "a<!--x-->c"},
      // Overlapping markers share their dashes and come back as they were.
      {"<!-->", "<!-->"},
      // A ">" before any "<" drops what stands before it.
      {"x>y", "y"},
      {"a>b<c>d", "bd"},
      {">>", ""},
      // A "<" without ">" cuts the rest.
      {"a<b", "a"},
      {"a<b>c<d", "ac"},
      {"<<a>b", "b"},
      // Decoded entities are never taken for tags; only these three decode.
      {"&lt;b&gt;", "<b>"},
      {"&lt;i&gt;x<i>y", "<i>xy"},
      {"a&nbsp;b", "a b"},
      {"&amp;&quot;&#39;", "&amp;&quot;&#39;"},
      // Full-width comment markers in the input come out as ASCII ones.
      {Sjis("＜!--x--＞"), "<!--x-->"},
      {Sjis("ポ<br>ポ"), Sjis("ポポ")},
  };
}

TEST(StripTags, Cases) {
  for (const auto& c : Cases()) {
    SCOPED_TRACE(testing::PrintToString(c.text));
    EXPECT_EQ(StripTags(c.text), c.expected);
  }
}

}  // namespace
}  // namespace bk
