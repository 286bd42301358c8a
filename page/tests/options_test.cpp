#include "page/options.h"

#include <gtest/gtest.h>

#include "page/personal_mode.h"
#include "page/tests/page_test_support.h"
#include "platform/files.h"

namespace bk {
namespace {

using test::Sjis;

class OptionsTest : public test::PageFixture {};

TEST_F(OptionsTest, WithoutFileEverySettingHasItsDefault) {
  const Options options = ReadOptions(WorkDir);
  EXPECT_FALSE(options.present);
  EXPECT_EQ(options.title_mode, "0");
  EXPECT_FALSE(CategoryEnabled(options));
  EXPECT_FALSE(MatchesLabelKeyword(options, "NOVEL"));
}

TEST_F(OptionsTest, TitleModeIsTheValueOfTheLastLineKeptAsWritten) {
  struct Case {
    std::vector<std::string> lines;
    const char* mode;
  } cases[] = {
      {{"VORNA3=1", "other", "VORNA3=2"}, "2"},
      {{"VORNA3=1 "}, "1 "},
      {{"x VORNA3=1"}, "x 1"},
      {{"VORNA3=1", "VORNA3="}, ""},
      {{"VORNA1=1"}, "0"},
  };
  for (const Case& c : cases) {
    WriteOptions(c.lines);
    EXPECT_EQ(ReadOptions(WorkDir).title_mode, c.mode) << c.lines.front();
  }
}

TEST_F(OptionsTest, CategorySwitchNeedsAValueOfExactlyOne) {
  struct Case {
    std::vector<std::string> lines;
    bool on;
  } cases[] = {
      {{"VORNA1=1"}, true},
      {{"#VORNA1=1"}, false},
      {{"#VORNA1=1", "VORNA1=1"}, true},
      {{"VORNA1=1", "VORNA1=0"}, true},
      {{"VORNA1=1 "}, false},
      {{"VORNA1=2"}, false},
      {{""}, false},
  };
  for (const Case& c : cases) {
    WriteOptions(c.lines);
    EXPECT_EQ(CategoryEnabled(ReadOptions(WorkDir)), c.on) << c.lines.front();
  }
}

TEST_F(OptionsTest, LabelKeywordsIgnoreCaseAndWidth) {
  struct Case {
    const char* keyword_line;
    const char* series;
    bool match;
  } cases[] = {
      {"VORNA2=novel", "XX NOVEL", true},
      {"VORNA2=novel", "Novels", true},
      {"VORNA2=novel", "ＮＯＶＥＬ", true},
      {"VORNA2=ﾉﾍﾞﾙ", "講談社ノベルス", true},
      {"VORNA2=ノベル", "講談社ﾉﾍﾞﾙｽ", true},
      {"VORNA2=novel", "NOVLE", false},
      {"VORNA2=", "anything", false},
      {"VORNA2=　", "a b", true},  // the full-width space becomes a half-width one
      {"VORNA2=", "", false},
  };
  for (const Case& c : cases) {
    WriteOptions({"VORNA3=0", c.keyword_line});
    EXPECT_EQ(MatchesLabelKeyword(ReadOptions(WorkDir), Sjis(c.series)), c.match)
        << c.keyword_line << " / " << c.series;
  }
}

TEST_F(OptionsTest, AnyKeywordLineCanMatch) {
  WriteOptions({"VORNA2=comics", "VORNA2=bunko"});
  const Options options = ReadOptions(WorkDir);
  EXPECT_TRUE(MatchesLabelKeyword(options, "X Bunko"));
  EXPECT_TRUE(MatchesLabelKeyword(options, "X Comics"));
  EXPECT_FALSE(MatchesLabelKeyword(options, "X Novel"));
}

TEST_F(OptionsTest, AnOptionFileThatCannotBeReadEndsTheRun) {
  test::UnreadableFile unreadable(PathOf("pelto.dat"));
  EXPECT_THROW(ReadOptions(WorkDir), platform::FileError);
}

TEST_F(OptionsTest, PersonalModeRewritesSizeExtrasAndPageUrl) {
  struct Case {
    const char* size;
    const char* expected;
  } cases[] = {{"文庫", "A6"}, {"コミック文庫", "A6"}, {"ｺﾐｯｸ文庫", "A6"}, {"B6", "B6"}, {"新書", "新書"}};
  WriteBytes("Temp.html.marune_private", "");
  for (const Case& c : cases) {
    Book.Clear();
    Book[field::Size] = Sjis(c.size);
    Book[field::Extra1] = "e1";
    Book[field::Extra2] = "e2";
    Book[field::PageUrl] = "https://page";
    ApplyPersonalMode(PathOf("Temp.html.marune_private"), Sjis("全年齢"), "");
    EXPECT_EQ(test::Field(field::Size), c.expected);
    EXPECT_EQ(test::Field(field::Extra1), "全年齢");
    EXPECT_EQ(Book[field::Extra2], "");
    EXPECT_EQ(Book[field::PageUrl], "");
  }
}

TEST_F(OptionsTest, WithoutMarkerFilePersonalModeChangesNothing) {
  Book[field::Size] = Sjis("文庫");
  Book[field::PageUrl] = "https://page";
  ApplyPersonalMode(PathOf("Temp.html.marune_private"), "x", "y");
  EXPECT_EQ(test::Field(field::Size), "文庫");
  EXPECT_EQ(Book[field::PageUrl], "https://page");
  EXPECT_EQ(Book[field::Extra1], "");
}

}  // namespace
}  // namespace bk
