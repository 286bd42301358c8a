#include "plugin/record.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace bk {
namespace {

TEST(Record, ClearEmptiesFieldsAndKeepsTheLeadingWord) {
  TBase record;
  record.Unused = 0x12345678;
  for (int i = 0; i < field::kCount; ++i) record[i] = "x";
  record.Clear();
  EXPECT_EQ(record.Unused, 0x12345678u);
  for (int i = 0; i < field::kCount; ++i) EXPECT_EQ(record[i], "") << i;
}

TEST(Record, FieldNames) {
  EXPECT_STREQ(FieldName(field::Isbn), "Isbn");
  EXPECT_STREQ(FieldName(field::OtherContributors), "OtherContributors");
  EXPECT_STREQ(FieldName(11), "field 11");
  EXPECT_STREQ(FieldName(field::TaxMode2), "TaxMode2");
  EXPECT_STREQ(FieldName(field::Pages), "Pages");
  EXPECT_STREQ(FieldName(field::ReadState), "ReadState");
  EXPECT_STREQ(FieldName(field::Author1Extra), "Author1Extra");
  EXPECT_STREQ(FieldName(65), "field 65");
  std::set<std::string> names;
  for (int i = 0; i < field::kCount; ++i) names.insert(FieldName(i));
  EXPECT_EQ(names.size(), static_cast<std::size_t>(field::kCount));
}

}  // namespace
}  // namespace bk
