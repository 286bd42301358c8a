#include "page/parse_product_page.h"

#include <gtest/gtest.h>

#include "page/tests/page_test_support.h"
#include "platform/files.h"

namespace bk {
namespace {

using test::Field;
using test::Sjis;

constexpr const char* kTitleLine = "<p class=\"itemTitle\">星の旅</p>";
constexpr const char* kPrefix = "https://img.example/ac/";

std::vector<std::string> Lines(std::size_t n, std::size_t title_at) {
  std::vector<std::string> page(n, "<div></div>");
  page[title_at] = kTitleLine;
  return page;
}

class ParseProductPageTest : public test::PageFixture {
 protected:
  bool Parse(const std::vector<std::string>& page) {
    return ParseProductPage(WritePage(page), kPrefix);
  }
};

TEST_F(ParseProductPageTest, OnlyLinesBeforeTheLastFiveAreScanned) {
  struct Case {
    std::size_t lines, title_at;
    bool found;
  } cases[] = {{5, 0, false}, {6, 0, true}, {6, 1, false}, {20, 14, true}, {20, 15, false},
               {20, 19, false}};
  for (const Case& c : cases) {
    Book.Clear();
    EXPECT_EQ(Parse(Lines(c.lines, c.title_at)), c.found) << c.lines << " " << c.title_at;
    EXPECT_EQ(Book[field::Title], c.found ? Sjis("星の旅") : "") << c.lines << " " << c.title_at;
  }
}

TEST_F(ParseProductPageTest, EveryLineBreakFormEndsALine) {
  const std::string title = Sjis(kTitleLine);
  for (const char* eol : {"\r\n", "\r", "\n"}) {
    Book.Clear();
    std::string bytes = title;
    for (int i = 0; i < 5; ++i) bytes += std::string(eol) + "x";
    // Five lines after the title line: scanned with CR, LF and CR LF alike.
    EXPECT_TRUE(ParseProductPage(WriteBytes("Temp.html", bytes), kPrefix)) << int(eol[0]);
    bytes = title;
    for (int i = 0; i < 4; ++i) bytes += std::string(eol) + "x";
    EXPECT_FALSE(ParseProductPage(WriteBytes("Temp.html", bytes), kPrefix)) << int(eol[0]);
  }
}

TEST_F(ParseProductPageTest, FiveLinePageWritesNothing) {
  std::vector<std::string> page = {kTitleLine, "出版社名", "<td>X</td>", "税込価格", "<td>100</td>"};
  EXPECT_FALSE(Parse(page));
  for (int i = 0; i < field::kCount; ++i) EXPECT_EQ(Book[i], "") << i;
}

TEST_F(ParseProductPageTest, EntitiesAreDecodedOnceInOrder) {
  std::vector<std::string> page = Lines(10, 0);
  page[1] = "出版社名";
  page[2] = "<td>X&amp;lt;b&amp;gt;Y&amp;quot;Z&amp;amp;&quot;</td>";
  ASSERT_TRUE(Parse(page));
  // "&amp;lt;" ends as "<", so the tag is stripped; "&amp;amp;" ends as "&amp;".
  EXPECT_EQ(Field(field::Publisher), "XY”Z&amp;”");
}

TEST_F(ParseProductPageTest, DecodedEntitiesCanFormAMarker) {
  std::vector<std::string> page = Lines(10, 3);
  page[0] = "&lt;p class=\"itemTitle\"&gt;T";
  page[3] = "";
  ASSERT_TRUE(Parse(page));
  EXPECT_EQ(Field(field::Title), "T");
}

TEST_F(ParseProductPageTest, MarkersOfOneLineAreIndependent) {
  std::vector<std::string> page = Lines(12, 5);
  page[0] = "出版社名 税込価格 頁数・縦 <img src=\"https://img.example/ac/1.jpg\">";
  page[1] = "<td>1,200円 320P 19cm</td>";
  ASSERT_TRUE(Parse(page));
  EXPECT_EQ(Field(field::Publisher), "1,200円320P19cm");
  EXPECT_EQ(Book[field::Price], "1200320P19cm");
  EXPECT_EQ(Field(field::Pages), "1,200円");
  EXPECT_EQ(Book[field::Size], "320P");
  EXPECT_EQ(Book[field::CoverImageUrl], "https://img.example/ac/1.jpg");
}

TEST_F(ParseProductPageTest, DetailFieldsOfAWholePage) {
  std::vector<std::string> page = Lines(20, 0);
  page[1] = "<th>出版社名</th>";
  page[2] = "<td>ABC 出版</td>";
  page[3] = "<th>出版年月</th>";
  page[4] = "<td>2005年3月</td>";
  page[5] = "<th>税込価格</th>";
  page[6] = "<td>1,980円</td>";
  page[7] = "<th>頁数・縦</th>";
  page[8] = "<td>320P 19cm</td>";
  page[9] = "<img src=\"https://img.example/ac/4101092052.jpg\">";
  page[10] = "<meta name=\"og:description\" content=\"紹介　文\">";
  Book[field::Price] = "590";  // from the input line: stands over the page's price
  ASSERT_TRUE(Parse(page));
  EXPECT_EQ(Field(field::Publisher), "ABC出版");
  EXPECT_EQ(Book[field::PubYear], "2005");
  EXPECT_EQ(Book[field::PubMonth], "03");
  EXPECT_EQ(Book[field::Price], "590");
  EXPECT_EQ(Book[field::Pages], "320");
  EXPECT_EQ(Book[field::Size], "19");
  EXPECT_EQ(Book[field::CoverImageUrl], "https://img.example/ac/4101092052.jpg");
  // The leading line break is trimmed away, the full-width space mapped.
  EXPECT_EQ(Field(field::Description), "紹介 文\"");
}

TEST_F(ParseProductPageTest, TwoDescriptionMarkersAppendInPageOrder) {
  std::vector<std::string> page = Lines(20, 0);
  page[2] = "<h2>商品内容 コメント</h2>";
  page[3] = "<p>本文一</p>";
  page[4] = "</section>";
  page[6] = "<h2>コメント</h2>";
  page[7] = "<p>本文二</p>";
  page[8] = "</section>";
  ASSERT_TRUE(Parse(page));
  EXPECT_EQ(Field(field::Description), "本文一\r\n本文二");
}

TEST_F(ParseProductPageTest, DescriptionRunStopsAtThePageEnd) {
  std::vector<std::string> page = Lines(8, 0);
  page[2] = "<h2>商品内容</h2>";
  page[7] = "<p>最後</p>";
  ASSERT_TRUE(Parse(page));
  EXPECT_EQ(Field(field::Description), "最後");
}

TEST_F(ParseProductPageTest, CategoryFollowsTheSwitch) {
  std::vector<std::string> page = Lines(20, 0);
  page[1] = "<th>分類</th>";
  page[2] = "<td>文芸／小説</td></font>";
  page[3] = "<td>一般</td>";
  page[4] = "</font>";
  ASSERT_TRUE(Parse(page));
  EXPECT_EQ(Book[field::Category], "");
  Book.Clear();
  WriteOptions({"VORNA1=1"});
  page[2] = "<td>文芸／小説</td>";
  ASSERT_TRUE(Parse(page));
  EXPECT_EQ(Field(field::Category), "文芸/小説\r\n一般\r\n");
}

TEST_F(ParseProductPageTest, PersonalModeAfterASuccessfulParseOnly) {
  WriteBytes("Temp.html.marune_private", "");
  std::vector<std::string> page = Lines(20, 0);
  page[1] = "頁数・縦";
  page[2] = "<td>320P 文庫</td>";
  WriteOptions({"VORNA3=2"});
  Book[field::PageUrl] = "https://www.bookstore.example/x";
  ASSERT_TRUE(Parse(page));
  EXPECT_EQ(Field(field::Size), "A6");
  EXPECT_EQ(Field(field::Extra1), "全年齢");
  EXPECT_EQ(Book[field::Extra2], "");
  EXPECT_EQ(Book[field::PageUrl], "");

  Book.Clear();
  Book[field::PageUrl] = "https://www.bookstore.example/x";
  page[0] = "no title";
  EXPECT_FALSE(Parse(page));
  EXPECT_EQ(Field(field::Size), "文庫");
  EXPECT_EQ(Book[field::Extra1], "");
  EXPECT_EQ(Book[field::PageUrl], "https://www.bookstore.example/x");
}

TEST_F(ParseProductPageTest, AuthorBlockFillsTheAuthors) {
  std::vector<std::string> page = Lines(20, 0);
  page[1] = "<ul class=\"AuthorsName\">";
  page[3] = "<li>山田太郎／著　鈴木／イラスト</li>";
  ASSERT_TRUE(Parse(page));
  EXPECT_EQ(Field(field::Author1), "山田太郎");
}

TEST_F(ParseProductPageTest, MissingPageReadsTheOptionsAndFails) {
  test::UnreadableFile unreadable(PathOf("pelto.dat"));
  EXPECT_THROW(ParseProductPage(PathOf("Temp.html"), kPrefix), platform::FileError);
}

TEST_F(ParseProductPageTest, UnreadablePageIsAFailedParse) {
  std::filesystem::create_directory(dir_ / "Temp.html");
  EXPECT_FALSE(ParseProductPage(PathOf("Temp.html"), kPrefix));
  const test::UnreadableFile unreadable(PathOf("Other.html"));
  EXPECT_TRUE(platform::FileExists(PathOf("Other.html")));
  EXPECT_FALSE(ParseProductPage(PathOf("Other.html"), kPrefix));
}

TEST_F(ParseProductPageTest, MissingPageIsAFailedParse) {
  EXPECT_FALSE(ParseProductPage(PathOf("Temp.html"), kPrefix));
}

TEST_F(ParseProductPageTest, StopRequestEndsTheScanWithWhatWasRead) {
  std::vector<std::string> page = Lines(20, 0);
  StopRequested = true;
  EXPECT_FALSE(Parse(page));
  EXPECT_EQ(Book[field::Title], "");
}

}  // namespace
}  // namespace bk
