#include "plugin/plugin_info.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "plugin/site.h"
#include "testsupport/sjis.h"

namespace bk {
namespace {

TEST(PluginInfo, NamesTheEntryPointTheSiteAndTheVersion) {
  const PluginInfo info = GetPluginInfo();
  EXPECT_EQ(info.entry_name, "DownlaodFunc");
  EXPECT_EQ(info.description, test::Sjis("ISBN検索 ") + site::kDomain);
  EXPECT_FALSE(info.credit.empty());
  EXPECT_EQ(info.version, "1.2.3");
  EXPECT_EQ(info.kind, "3");
}

TEST(CopyInfoText, CutsBytewiseAtSizeMinusOne) {
  const std::string description = test::Sjis("ISBN検索 bookstore.example");
  const struct {
    std::uint32_t size;
    std::string expected;
  } cases[] = {
      {1, ""},
      {5, "ISBN"},
      {8, description.substr(0, 7)},  // "ISBN検" and the lone lead byte of 索
      {0x10005, "ISBN"},              // only the low 16 bits count
      {200, description},
  };
  for (const auto& c : cases) {
    char buffer[256];
    std::memset(buffer, '#', sizeof buffer);
    CopyInfoText(buffer, c.size, description);
    EXPECT_EQ(std::string(buffer), c.expected) << c.size;
    EXPECT_EQ(buffer[c.expected.size() + 1], '#') << "wrote past the terminator at size " << c.size;
  }
}

TEST(CopyInfoText, LeavesBuffersAloneWhenThereIsNoRoom) {
  char buffer[4] = {'#', '#', '#', '#'};
  CopyInfoText(buffer, 0x10000, "ISBN");  // low 16 bits 0
  EXPECT_EQ(std::string(buffer, 4), "####");
  CopyInfoText(nullptr, 10, "ISBN");  // must not crash
}

}  // namespace
}  // namespace bk
