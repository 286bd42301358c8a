#include "title/split_title_volume.h"

#include <gtest/gtest.h>

#include <ostream>

#include "plugin/record.h"
#include "testsupport/sjis.h"

namespace bk {
namespace {

using test::Sjis;
using test::Utf8;

struct TitleCase {
  const char* input;      // UTF-8
  const char* volume_before;
  const char* title;
  const char* volume;
  const char* remark;
};

// Title shapes through every step, in UTF-8.
const TitleCase kCases[] = {
    // Last word after a space.
    {"星の旅 3", "", "星の旅", "3", ""},
    {"星の旅　３", "", "星の旅", "3", ""},  // ideographic space, full-width digit
    {"書 下巻", "", "書", "下", ""},
    {"本 A", "", "本", "A", ""},  // one byte passes the kanji-numeral test
    {"本 IV", "", "本", "IV", ""},
    // Trailing groups and the angle-bracket remark.
    {"星の旅（上）", "", "星の旅", "上", ""},
    {"星の旅（第2巻）", "", "星の旅", "2", ""},
    {"星の旅 (3) 〈ほしぞらコミックス〉", "", "星の旅", "3", "ほしぞらコミックス"},
    {"タイトル (新装版) (1)", "", "タイトル", "1", "新装版"},
    {"タイトル (1) (2)", "", "タイトル", "2", "1"},
    {"本 (新装版) (限定版) 〈文庫〉", "", "本", "", "新装版 限定版 文庫"},
    {"T (x(y)z)", "", "T", "", "x(y)z"},
    {"Title)", "", "", "", "Title"},  // no "(" at all
    {"星の旅 (3", "", "星の旅 (3", "", ""},   // no ")" at all
    // Inner group with text after it.
    {"タイトル (3) 改訂版", "", "タイトル", "3", "改訂版"},
    {"タイトル () x", "", "タイトル", "", "x"},  // the empty group passes the test
    // After 第 or 編.
    {"星の旅 第3巻", "", "星の旅", "3", ""},
    {"銀河物語 第一巻", "", "銀河物語", "一", ""},
    {"魔法 編3", "", "魔法 編", "3", ""},
    // VOL / NO as a word before the digits at the end; the title keeps its
    // own letters. Inside a word they are no marker.
    {"Web入門 vol.3", "", "Web入門", "3", ""},
    {"Web入門　ｖｏｌ．３", "", "Web入門", "3", ""},
    {"星の旅 VOL3", "", "星の旅", "3", ""},
    {"No.12", "", "", "12", ""},
    {"アNO3", "", "ア", "3", ""},  // ア ends in the byte of "A": still a word start
    {"Piano Lesson3", "", "Piano Lesson3", "", ""},
    {"NOTE2", "", "NOTE2", "", ""},
    {"ZNO3", "", "ZNO3", "", ""},
    {"シOL3", "", "シOL3", "", ""},  // シ ends in the byte of "V": no "VOL"
    // Digits before 巻 or 集.
    {"星の旅3巻", "", "星の旅", "3", ""},
    {"名作12集", "", "名作", "12", ""},
    {"3巻", "", "", "3", ""},
    {"上巻", "", "上巻", "", ""},  // no digits: the unit goes back
    // No rule applies.
    {"ガイド 2010年版", "", "ガイド 2010年版", "", ""},
    // Volume already set: every group is a remark, later steps are skipped.
    {"タイトル (新装版) (1)", "5", "タイトル", "5", "新装版 1"},
    {"星の旅 3", "5", "星の旅 3", "5", ""},
    {"星の旅3巻", "5", "星の旅3巻", "5", ""},
};

void PrintTo(const TitleCase& c, std::ostream* os) {
  *os << c.input << " (volume before: \"" << c.volume_before << "\")";
}

class SplitTitleVolumeTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(SplitTitleVolumeTest, SeparatesTitleVolumeAndRemark) {
  const TitleCase& c = GetParam();
  Book.Clear();
  Book[field::Volume] = Sjis(c.volume_before);
  const std::string remark = SplitTitleVolume(Sjis(c.input));
  EXPECT_EQ(Utf8(Book[field::Title]), c.title);
  EXPECT_EQ(Utf8(Book[field::Volume]), c.volume);
  EXPECT_EQ(Utf8(remark), c.remark);
}

INSTANTIATE_TEST_SUITE_P(Shapes, SplitTitleVolumeTest, ::testing::ValuesIn(kCases));

TEST(SplitTitleVolume, ManyTrailingGroupsKeepTheirOrderInTheRemark) {
  Book.Clear();
  std::string title = "T";
  std::string remark;
  for (int i = 0; i < 200; ++i) {
    title += " (g" + std::to_string(i) + ")";
    remark += (i ? " g" : "g") + std::to_string(i);
  }
  EXPECT_EQ(SplitTitleVolume(title), remark);
  EXPECT_EQ(Book[field::Title], "T");
  EXPECT_EQ(Book[field::Volume], "");
}

TEST(SplitTitleVolume, LoneLeadByteBeforeBracketDoesNotOpenAGroup) {
  // "\x83(" is one (broken) character, so its "(" opens no group: the whole
  // text before the final ")" is the group.
  Book.Clear();
  EXPECT_EQ(SplitTitleVolume("a\x83(b)"), "a\x83(b");
  EXPECT_EQ(Book[field::Title], "");
}

}  // namespace
}  // namespace bk
