#include "plugin/result_line.h"

#include <gtest/gtest.h>

#include "testsupport/sjis.h"

namespace bk {
namespace {

using test::Sjis;

// Columns of a line whose values hold no quotes (a plain split at commas).
std::vector<std::string> Columns(const std::string& line) {
  std::vector<std::string> columns(1);
  for (char c : line) {
    if (c == ',') {
      columns.emplace_back();
    } else {
      columns.back() += c;
    }
  }
  return columns;
}

TEST(ResultLine, EmptyRecordIs67Commas) {
  TBase record;
  EXPECT_EQ(ResultLine(record), std::string(67, ','));
}

TEST(ResultLine, CodeAndAddress) {
  TBase record;
  record[field::Isbn] = "9784000000000";
  record[field::PageUrl] = "https://example/p/1";
  EXPECT_EQ(ResultLine(record),
            "9784000000000" + std::string(16, ',') + "https://example/p/1" + std::string(51, ','));
}

TEST(ResultLine, ColumnOrderSkipsColumns20And41) {
  TBase record;
  for (int i = 0; i < field::kCount; ++i) record[i] = "v" + std::to_string(i);
  const auto columns = Columns(ResultLine(record));
  ASSERT_EQ(columns.size(), 68u);
  for (int column = 1; column <= 68; ++column) {
    const int index = column <= 19 ? column - 1 : column <= 40 ? column - 2 : column - 3;
    SCOPED_TRACE(column);
    if (column == 20 || column == 41) {
      EXPECT_EQ(columns[column - 1], "");
    } else {
      EXPECT_EQ(columns[column - 1], "v" + std::to_string(index));
    }
  }
}

TEST(ResultLine, ParsedBackGivesTheRecord) {
  TBase record;
  for (int i = 0; i < field::kCount; ++i) record[i] = "v" + std::to_string(i);
  record[field::Description] = "a b";  // written quoted
  EXPECT_EQ(ParseResultLine(ResultLine(record)).fields, record.fields);

  // The empty columns are no fields; a doubled quote inside quotes is one.
  const TBase stray = ParseResultLine(std::string(19, ',') + "x" + std::string(21, ',') + "y");
  EXPECT_EQ(stray.fields, TBase().fields);
  const TBase quoted = ParseResultLine("\"a \"\"b\"\"\",c");
  EXPECT_EQ(quoted[0], "a \"b\"");
  EXPECT_EQ(quoted[1], "c");
  EXPECT_EQ(SplitResultLine("\"a,b\",c").size(), 2u);
}

struct EscapeCase {
  std::string value, written;
};

std::vector<EscapeCase> EscapeCases() {
  return {
      {"one\r\ntwo", "one$$two"},
      {"a\r\n\r\nb", "a$$$$b"},
      {"1,000", "1\x81\x43" "000"},
      {"say \"hi\"", "\"say \x81\x68hi\x81\x68\""},
      {"\"", "\x81\x68"},
      {"a b", "\"a b\""},
      {"a\tb", "\"a\tb\""},
      {"x\x01", "\"x\x01\""},
      {"a!~", "a!~"},
      {Sjis("ポ　ポ"), Sjis("ポ　ポ")},  // the ideographic space is no blank
      // A lone CR or LF is kept, and the value is quoted.
      {"a\nb", "\"a\nb\""},
      {"a\rb", "\"a\rb\""},
      {"a\n\rb", "\"a\n\rb\""},
      // After a stray lead byte, commas, quotes and line breaks are still
      // escaped, so the value cannot split the line.
      {"\x83,", "\x83\x81\x43"},
      {"\x83\"", "\x83\x81\x68"},
      {"\x83\r\n", "\x83$$"},
  };
}

TEST(ResultLine, EscapesAndQuotesValues) {
  for (const auto& c : EscapeCases()) {
    SCOPED_TRACE(testing::PrintToString(c.value));
    TBase record;
    record[field::Description] = c.value;
    const std::string line = ResultLine(record);
    const std::string expected = std::string(36, ',') + c.written + std::string(31, ',');
    EXPECT_EQ(line, expected);
  }
}

TEST(ResultLine, ReadingsBecomeHalfWidthInTheRecord) {
  TBase record;
  const std::string reading = Sjis("ヤマダ　タロウ");
  const std::string half = "\xd4\xcf\xc0\xde \xc0\xdb\xb3";  // ﾔﾏﾀﾞ ﾀﾛｳ
  for (int index : {field::TitleReading, field::Author1, field::Author1Reading,
                    field::Author2Reading}) {
    record[index] = reading;
  }
  const auto columns = Columns(ResultLine(record));
  EXPECT_EQ(columns[field::TitleReading], "\"" + half + "\"");
  EXPECT_EQ(columns[field::Author1Reading], "\"" + half + "\"");
  EXPECT_EQ(columns[field::Author2Reading], "\"" + half + "\"");
  EXPECT_EQ(columns[field::Author1], reading);
  EXPECT_EQ(record[field::TitleReading], half);
  EXPECT_EQ(record[field::Author1Reading], half);
  EXPECT_EQ(record[field::Author2Reading], half);
  EXPECT_EQ(record[field::Author1], reading);
}

}  // namespace
}  // namespace bk
