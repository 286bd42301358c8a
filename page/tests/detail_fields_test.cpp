#include "page/detail_fields.h"

#include <gtest/gtest.h>

#include "page/tests/page_test_support.h"

namespace bk {
namespace {

using test::Field;
using test::Sjis;
using test::SjisLines;

class DetailFieldsTest : public ::testing::Test {
 protected:
  void SetUp() override { Book.Clear(); }
  Options no_options_;
};

TEST_F(DetailFieldsTest, PublisherDropsTagsAndHalfWidthSpacesOnly) {
  const SjisLines page{"<th>出版社名</th>", "<td>\tABC 出版　社</td>"};
  Book[field::Publisher] = Sjis("辞書の出版社");
  ReadPublisher(page.lines(), 0);
  EXPECT_EQ(Field(field::Publisher), "ABC出版　社");
}

TEST_F(DetailFieldsTest, PriceIsTakenOnlyWhileEmpty) {
  const SjisLines page{"税込価格", "<td>1,980円</td>", "税込価格", "<td>2,000円</td>"};
  ReadPrice(page.lines(), 0);
  EXPECT_EQ(Book[field::Price], "1980");
  ReadPrice(page.lines(), 2);
  EXPECT_EQ(Book[field::Price], "1980");
}

TEST_F(DetailFieldsTest, PagesAndSizeComeFromTheTwoWordsOfTheCell) {
  struct Case {
    const char* cell;
    const char* pages;
    const char* size;
  } cases[] = {
      {"<td>320P 19cm</td>", "320", "19"},
      {"<td>３２０Ｐ　１９ｃｍ</td>", "320", "19"},  // full-width, mapped to half width first
      {"<td>320p 19cm</td>", "320p", "19"},
      {"<td>320P</td>", "320", ""},
      {"<td></td>", "", ""},
      {"<td>320P 19cm 21cm</td>", "320", "19"},
  };
  for (const Case& c : cases) {
    const SjisLines page{"頁数・縦", c.cell};
    ReadPagesAndSize(page.lines(), 0);
    EXPECT_EQ(Field(field::Pages), c.pages) << c.cell;
    EXPECT_EQ(Field(field::Size), c.size) << c.cell;
  }
}

TEST_F(DetailFieldsTest, PubDateCellIsTheTextBetweenTheTdTags) {
  const SjisLines page{"出版年月", "\t<td>2005年03月15日</td><td>x</td>"};
  ReadPubDate(page.lines(), 0);
  EXPECT_EQ(Book[field::PubYear], "2005");
  EXPECT_EQ(Book[field::PubMonth], "03");
  EXPECT_EQ(Book[field::PubDay], "15");
}

TEST_F(DetailFieldsTest, DateLineWithoutCellEmptiesTheYear) {
  const SjisLines page{"出版年月", "2005年03月"};
  Book[field::PubYear] = "1999";
  ReadPubDate(page.lines(), 0);
  EXPECT_EQ(Book[field::PubYear], "");
  EXPECT_EQ(Book[field::PubMonth], "");
}

TEST_F(DetailFieldsTest, CategoryOnlyWhileTheSwitchIsOn) {
  const SjisLines page{"<th>分類</th>", "<td>文芸<BR>", "小説／物語 </td>", "<td>x</td></font>",
                       "never"};
  ReadCategory(page.lines(), 0, no_options_);
  EXPECT_EQ(Book[field::Category], "");
  Options on;
  on.present = true;
  on.lines = {"VORNA1=1"};
  ReadCategory(page.lines(), 0, on);
  EXPECT_EQ(Field(field::Category), "文芸\r\n小説/物語\r\n");
}

TEST_F(DetailFieldsTest, CategoryStopsAfterTenLinesAndAtThePageEnd) {
  Options on;
  on.present = true;
  on.lines = {"VORNA1=1"};
  const SjisLines long_block{"分類", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
  ReadCategory(long_block.lines(), 0, on);
  EXPECT_EQ(Book[field::Category], "12345678910");
  const SjisLines short_block{"分類", "a<br><br><br>", "b"};
  ReadCategory(short_block.lines(), 0, on);
  EXPECT_EQ(Book[field::Category], "a\r\n\r\nb");  // three breaks become two in one pass
}

TEST_F(DetailFieldsTest, CoverImageAddressEndsAtTheQuote) {
  const std::string prefix = "https://img.example/ac/";
  struct Case {
    const char* line;
    const char* expected;
  } cases[] = {
      {"<img src=\"https://img.example/ac/123.jpg\" alt=\"\">", "https://img.example/ac/123.jpg"},
      {"<img src=\"https://img.example/ac/nowprinting.gif\">", "before"},
      {"<img src=https://img.example/ac/123.jpg>", ""},
      {"<img src=\"https://other.example/ac/123.jpg\">", "before"},
  };
  for (const Case& c : cases) {
    Book[field::CoverImageUrl] = "before";
    const SjisLines page{c.line};
    ReadCoverImage(page.lines(), 0, prefix);
    EXPECT_EQ(Book[field::CoverImageUrl], c.expected) << c.line;
  }
  Book[field::CoverImageUrl] = "before";
  const SjisLines page{"<img src=\"x\">"};
  ReadCoverImage(page.lines(), 0, "");
  EXPECT_EQ(Book[field::CoverImageUrl], "before");
}

TEST_F(DetailFieldsTest, DescriptionBodyRunsToSectionEnd) {
  const SjisLines page{"<h2>商品内容</h2>", "<p>一行目<br>", "二行　目 です</p>", "</section>",
                       "after"};
  Book[field::Description] = "A";
  ReadDescriptionBody(page.lines(), 0);
  EXPECT_EQ(Field(field::Description), "A\r\n一行目\r\n二行 目です");
}

TEST_F(DetailFieldsTest, DescriptionBodyTakesAtMostTwentyFiveLines) {
  const SjisLines page{"コメント", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l",
                       "m", "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z"};
  ReadDescriptionBody(page.lines(), 0);
  EXPECT_EQ(Book[field::Description], "\r\nabcdefghijklmnopqrstuvwxy");
}

TEST_F(DetailFieldsTest, DescriptionMetaKeepsWhatStandsBeforeTheBracket) {
  const SjisLines page{"<meta property=\"og:description\" content=\"本の説明\" />"};
  ReadDescriptionMeta(page.lines(), 0);
  // Half-width spaces are removed before the text is taken.
  EXPECT_EQ(Field(field::Description), "\r\n本の説明\"/");
}

TEST_F(DetailFieldsTest, DescriptionMetaKeepsTagsAndRunsToTheLineEnd) {
  const SjisLines page{"og:description content=\"<b>太字</b>"};
  ReadDescriptionMeta(page.lines(), 0);
  EXPECT_EQ(Field(field::Description), "\r\n<b");
}

}  // namespace
}  // namespace bk
