#include "page/pub_date.h"

#include <gtest/gtest.h>

#include "page/tests/page_test_support.h"

namespace bk {
namespace {

struct DateCase {
  const char* cell;  // UTF-8
  const char* year;
  const char* month;  // "-" when not written
  const char* day;
};

class PubDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(PubDateTest, FillsYearMonthDay) {
  const DateCase& c = GetParam();
  Book.Clear();
  Book[field::PubYear] = "old";
  Book[field::PubMonth] = "-";
  Book[field::PubDay] = "-";
  ParsePubDate(test::Sjis(c.cell));
  EXPECT_EQ(Book[field::PubYear], c.year);
  EXPECT_EQ(Book[field::PubMonth], c.month);
  EXPECT_EQ(Book[field::PubDay], c.day);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, PubDateTest,
    ::testing::Values(
        // Kanji delimiters, full-width digits, two- and three-digit years.
        DateCase{"2005年3月", "2005", "03", "-"}, DateCase{"2005年03月15日", "2005", "03", "15"},
        DateCase{"２００５年３月", "2005", "03", "-"}, DateCase{"05年3月", "2005", "03", "-"},
        DateCase{"95年12月", "1995", "12", "-"}, DateCase{"0年1月", "2000", "01", "-"},
        DateCase{"123年4月", "2023", "04", "-"}, DateCase{" 2005 年 3 月", "2005", "03", "-"},
        // A year that is no number, or negative, is emptied; the month stands.
        DateCase{"平成17年3月", "", "03", "-"}, DateCase{"-5年3月", "", "03", "-"},
        DateCase{"2005年", "2005", "-", "-"}, DateCase{"2005年春", "2005", "-", "-"},
        DateCase{"2005年3月上旬", "2005", "03", "-"}, DateCase{"2005年13月", "2005", "13", "-"},
        DateCase{"2005年00月", "2005", "-", "-"}, DateCase{"2005年3月32日", "2005", "03", "32"},
        DateCase{"2005年123月", "2005", "23", "-"},
        // "." and "/": the day is everything after the second delimiter.
        DateCase{"2005.3", "2005", "03", "-"}, DateCase{"2005.03.15", "2005", "03", "15"},
        DateCase{"2005/3/5", "2005", "03", "05"}, DateCase{"2005.03.15.", "2005", "03", "-"},
        DateCase{"99/1/2", "1999", "01", "02"}, DateCase{".3", "", "03", "-"},
        // Digit runs.
        DateCase{"20050315", "2005", "03", "15"}, DateCase{"200503", "2005", "03", "-"},
        DateCase{"050315", "2005", "03", "15"}, DateCase{"990315", "1999", "03", "15"},
        DateCase{"190503", "1905", "03", "-"}, DateCase{" 20050315 ", "2005", "03", "15"},
        DateCase{"2005", "", "-", "-"}, DateCase{"0503", "", "-", "-"}, DateCase{"", "", "-", "-"},
        DateCase{"000000", "", "-", "-"}, DateCase{"2005031", "", "-", "-"},
        DateCase{"999999999999999999999", "", "-", "-"}, DateCase{"2005-03", "", "-", "-"}));

}  // namespace
}  // namespace bk
