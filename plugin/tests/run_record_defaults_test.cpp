#include "plugin/record_defaults.h"

#include <gtest/gtest.h>

#include <string>

#include "plugin/record.h"
#include "testsupport/sjis.h"
#include "testsupport/temp_dir.h"

namespace bk {
namespace {

TEST(RecordDefaults, WithoutSettingsFileUsesBuiltInDefaults) {
  const test::TempDir temp;
  Book.Clear();
  FillRecordDefaults(temp.PathOf("Setting.ini"));
  EXPECT_EQ(Book[field::PurchaseState], test::Sjis("購入"));
  EXPECT_EQ(Book[field::TaxMode], "0");
  EXPECT_EQ(Book[field::TaxMode2], "0");
  EXPECT_EQ(Book[field::ReadState], test::Sjis("既読"));
}

TEST(RecordDefaults, ReadsSectionEntryAndBothTaxFieldsFromTaxSet) {
  const test::TempDir temp;
  const std::string path = temp.Write(
      "Setting.ini", "[Other]\r\nTaxSet=9\r\n[entry]\r\npurachaseset=" + test::Sjis("未購入") +
                         "\r\nTaxSet= 2 \r\nReadSet=\r\n");
  Book.Clear();
  FillRecordDefaults(path);
  EXPECT_EQ(Book[field::PurchaseState], test::Sjis("未購入"));
  EXPECT_EQ(Book[field::TaxMode], "2");
  EXPECT_EQ(Book[field::TaxMode2], "2");
  EXPECT_EQ(Book[field::ReadState], "");  // present but empty: not the default
}

TEST(RecordDefaults, KeepsFieldsThatAreAlreadyFilled) {
  const test::TempDir temp;
  Book.Clear();
  Book[field::TaxMode] = "7";
  FillRecordDefaults(temp.PathOf("Setting.ini"));
  EXPECT_EQ(Book[field::TaxMode], "7");
  EXPECT_EQ(Book[field::TaxMode2], "0");
}

}  // namespace
}  // namespace bk
