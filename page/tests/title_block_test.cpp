// The title block through whole pages: title line, label line, series words
// and the title modes.
#include <gtest/gtest.h>

#include "page/parse_product_page.h"
#include "page/tests/page_test_support.h"

namespace bk {
namespace {

using test::Field;

// A title line, the series line two lines below and the label line four
// lines below, followed by the five lines that are never scanned.
std::vector<std::string> TitlePage(const std::string& title, const std::string& series,
                                   const std::string& label) {
  return {"<p class=\"itemTitle\">" + title + "</p>",
          "",
          series.empty() ? "" : "<font size=\"2\">" + series + "</font>",
          "",
          label.empty() ? "" : "<font size=\"1\">" + label + "</font>",
          "", "", "", "", ""};
}

// Two title blocks, the second right after the first's five lines.
std::vector<std::string> TwoTitlePages(const std::vector<std::string>& first,
                                       const std::vector<std::string>& second) {
  std::vector<std::string> page = first;
  page.insert(page.begin() + 5, second.begin(), second.begin() + 5);
  return page;
}

class TitleBlockTest : public test::PageFixture {
 protected:
  bool Parse(const std::vector<std::string>& page) {
    return ParseProductPage(WritePage(page), "https://img.example/");
  }
};

struct SeriesCase {
  const char* series;
  const char* label_line;
  const char* title;
  const char* subtitle;
  const char* volume;
  const char* label;
};

class SeriesWordsTest : public TitleBlockTest, public ::testing::WithParamInterface<SeriesCase> {};

TEST_P(SeriesWordsTest, BuildsLabelTitleAndVolume) {
  const SeriesCase& c = GetParam();
  ASSERT_TRUE(Parse(TitlePage("T", c.series, c.label_line)));
  EXPECT_EQ(Field(field::Title), c.title);
  EXPECT_EQ(Field(field::Subtitle), c.subtitle);
  EXPECT_EQ(Field(field::Volume), c.volume);
  EXPECT_EQ(Field(field::Label), c.label);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SeriesWordsTest,
    ::testing::Values(
        // Word 2 without a label word becomes the title, word 3 the volume.
        SeriesCase{"XX文庫 シリーズ 5", "", "シリーズ", "T ", "5", "XX文庫"},
        // The imprint: word 4 is the title, an all-digit word 5 the volume.
        SeriesCase{"ハヤカワ文庫 SF 1 A 12", "", "A", "T ", "12", "ハヤカワ文庫 SF"},
        // Label-like words extend the label up to word 8.
        SeriesCase{"ABC DEF GHI JKL M N O P Q", "", "T", "", "", "ABC DEF GHI JKL M N O P"},
        SeriesCase{"ABC 文庫版 XYZ 上", "", "T", "", "", "ABC 文庫版 XYZ 上"},
        SeriesCase{"ABC Novels版 X", "", "T", "", "", "ABC Novels版 X"},
        SeriesCase{"ABC コミックス", "", "T", "", "", "ABC コミックス"},
        // A full-width Latin word is Latin too.
        SeriesCase{"ABC ＳＦ", "", "T", "", "", "ABC SF"},
        // A digit in word 2 numbers the series; word 3 becomes the title.
        SeriesCase{"ABC 第2期 続編 外伝", "", "続編 外伝", "T ", "", "ABC"},
        // Word 3 that is no volume replaces the title; an all-digit word 4 is the volume.
        SeriesCase{"XX文庫 シリーズ 外伝 2", "", "外伝", "T ", "2", "XX文庫"},
        // After a Latin word 2, a word with a digit marks word 4 as the new title.
        SeriesCase{"ABC DEF 3 本編 続き", "", "本編 続き", "T ", "", "ABC DEF"},
        // After a Latin word 2, another word 3 becomes the title.
        SeriesCase{"ABC DEF 外伝", "", "外伝", "T ", "", "ABC DEF"},
        // Two spaces make an empty word, which shifts the following ones.
        SeriesCase{"XX文庫  シリーズ 5", "", "T", "", "", "XX文庫"},
        // With a label from the label line, word 1 and 2 go to the subtitle.
        SeriesCase{"S1 上 X Y", "LBL", "T", " S1 上", "上", "LBL   "},
        // The label line drops words with digits and adds a space per missing word.
        SeriesCase{"", "ABC文庫 2 XYZ", "T", "", "", "ABC文庫 XYZ "},
        SeriesCase{"", "ＡＢＣ　ＤＥＦ", "T", "", "", "ABC DEF  "}));

TEST_F(TitleBlockTest, TitleWordsWithDigitsAreCutAndTheLastOtherWordIsTheSubtitle) {
  ASSERT_TRUE(Parse(TitlePage("ABC 3 DEF", "", "")));
  EXPECT_EQ(Field(field::Title), "ABC  ");
  EXPECT_EQ(Field(field::Subtitle), "DEF");
}

TEST_F(TitleBlockTest, FullWidthSpacesAndTagsOfTheTitleLine) {
  ASSERT_TRUE(Parse(TitlePage("<b>星の旅</b>\t　３", "", "")));
  EXPECT_EQ(Field(field::Title), "星の旅");
  EXPECT_EQ(Field(field::Volume), "3");
}

TEST_F(TitleBlockTest, LabelAndSeriesLinesNeedBothFontMarkers) {
  std::vector<std::string> page = TitlePage("T", "", "");
  page[2] = "<font size=\"2\">XX文庫 シリーズ 5";
  page[4] = "<font size=\"1\">LBL";
  ASSERT_TRUE(Parse(page));
  EXPECT_EQ(Field(field::Title), "T");
  EXPECT_EQ(Field(field::Label), "");
}

TEST_F(TitleBlockTest, SeriesTextInsideBothFontSizes) {
  std::vector<std::string> page = TitlePage("T", "", "");
  page[2] = "<font size=\"1\"><font size=\"2\">XX文庫</font></font>";
  ASSERT_TRUE(Parse(page));
  EXPECT_EQ(Field(field::Label), "XX文庫");
}

TEST_F(TitleBlockTest, KeywordMatchAppendsTheWholeSeriesText) {
  WriteOptions({"VORNA2=novels"});
  ASSERT_TRUE(Parse(TitlePage("T", "講談社 NOVELS 3 外伝", "LBL")));
  EXPECT_EQ(Field(field::Label), "LBL   講談社 NOVELS 3 外伝");
  EXPECT_EQ(Field(field::Subtitle), "");
  EXPECT_EQ(Field(field::Volume), "");
}

struct ModeCase {
  const char* mode_line;
  const char* series;
  const char* label_line;
  const char* title;
  const char* subtitle;
  const char* volume;
  const char* label;
  const char* extra1;
  const char* extra2;
};

class TitleModeTest : public TitleBlockTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(TitleModeTest, SelectsHowTitleAndLabelAreBuilt) {
  const ModeCase& c = GetParam();
  WriteOptions({c.mode_line, "VORNA2=keyword"});
  ASSERT_TRUE(Parse(TitlePage("星の旅 ３ 外伝", c.series, c.label_line)));
  EXPECT_EQ(Field(field::Title), c.title);
  EXPECT_EQ(Field(field::Subtitle), c.subtitle);
  EXPECT_EQ(Field(field::Volume), c.volume);
  EXPECT_EQ(Field(field::Label), c.label);
  EXPECT_EQ(Field(field::Extra1), c.extra1);
  EXPECT_EQ(Field(field::Extra2), c.extra2);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TitleModeTest,
    ::testing::Values(
        ModeCase{"VORNA3=0", "XX文庫 シリーズ", "", "シリーズ", "星の旅   外伝", "", "XX文庫", "", ""},
        ModeCase{"VORNA3=1", "XX文庫 シリーズ", "ABC 2 X", "星の旅 3 外伝", "", "", "ABC 2 X-XX文庫 シリーズ",
                 "", ""},
        ModeCase{"VORNA3=1", "Keyword 1", "", "星の旅 3 外伝", "", "", "Keyword 1-Keyword 1", "", ""},
        ModeCase{"VORNA3=2", "XX文庫 シリーズ", "", "シリーズ", "星の旅   外伝", "", "XX文庫",
                 "星の旅 3 外伝", "XX文庫 シリーズ"},
        ModeCase{"VORNA3=2", "YY", "ABC", "星の旅  ", "外伝 YY", "", "ABC   ", "星の旅 3 外伝",
                 "ABC   -YY"},
        ModeCase{"VORNA3=1 ", "XX文庫 シリーズ", "", "シリーズ", "星の旅   外伝", "", "XX文庫", "", ""}));

TEST_F(TitleBlockTest, ModeOneKeepsTheVolumeOfTheTitleSplit) {
  WriteOptions({"VORNA3=1"});
  ASSERT_TRUE(Parse(TitlePage("星の旅 3", "", "")));
  EXPECT_EQ(Field(field::Title), "星の旅 3");
  EXPECT_EQ(Field(field::Volume), "3");
  EXPECT_EQ(Field(field::Subtitle), "");
}

TEST_F(TitleBlockTest, SecondTitleLineRunsTheBlockAgainWithTheKindsOfTheFirst) {
  ASSERT_TRUE(
      Parse(TwoTitlePages(TitlePage("T", "XX文庫 シリーズ", ""), TitlePage("U", "YY文庫", ""))));
  // The second block: Title U, its series word 1 replaces the label.
  EXPECT_EQ(Field(field::Title), "U");
  EXPECT_EQ(Field(field::Label), "YY文庫");
  EXPECT_EQ(Field(field::Subtitle), "");
}

TEST_F(TitleBlockTest, SecondLabelLineIsSkippedOnceALabelIsSet) {
  ASSERT_TRUE(Parse(TwoTitlePages(TitlePage("T", "", "L1"), TitlePage("U", "S X", "L2"))));
  // The label of the first block stands over "L2", so the second series text
  // is read as if there were no label line: it rebuilds the label.
  EXPECT_EQ(Field(field::Label), "S X");
  EXPECT_EQ(Field(field::Subtitle), "");
}

TEST_F(TitleBlockTest, KindsCarryOverToTheSecondTitleLine) {
  ASSERT_TRUE(Parse(
      TwoTitlePages(TitlePage("T", "XX文庫 シリーズ 外伝", ""), TitlePage("U", "YY文庫  外伝", ""))));
  // Word 3 of the second series text follows Kind2 = TITLE of the first.
  EXPECT_EQ(Field(field::Title), "外伝");
  EXPECT_EQ(Field(field::Label), "YY文庫");
}

}  // namespace
}  // namespace bk
