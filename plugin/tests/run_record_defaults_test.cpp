#include "plugin/record_defaults.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "plugin/record.h"
#include "testsupport/sjis.h"

namespace bk {
namespace {

std::string WriteSettings(const std::string& name, const std::string& content) {
  const std::string path = testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

TEST(RecordDefaults, WithoutSettingsFileUsesBuiltInDefaults) {
  Book.Clear();
  FillRecordDefaults(testing::TempDir() + "no-such-Setting.ini");
  EXPECT_EQ(Book[field::PurchaseState], test::Sjis("購入"));
  EXPECT_EQ(Book[field::TaxMode], "0");
  EXPECT_EQ(Book[field::TaxMode2], "0");
  EXPECT_EQ(Book[field::ReadState], test::Sjis("既読"));
}

TEST(RecordDefaults, ReadsSectionEntryAndBothTaxFieldsFromTaxSet) {
  const std::string path = WriteSettings(
      "Setting.ini", "[Other]\r\nTaxSet=9\r\n[entry]\r\npurachaseset=" + test::Sjis("未購入") +
                         "\r\nTaxSet= 2 \r\nReadSet=\r\n");
  Book.Clear();
  FillRecordDefaults(path);
  EXPECT_EQ(Book[field::PurchaseState], test::Sjis("未購入"));
  EXPECT_EQ(Book[field::TaxMode], "2");
  EXPECT_EQ(Book[field::TaxMode2], "2");
  EXPECT_EQ(Book[field::ReadState], "");  // present but empty: not the default
  std::remove(path.c_str());
}

TEST(RecordDefaults, KeepsFieldsThatAreAlreadyFilled) {
  Book.Clear();
  Book[field::TaxMode] = "7";
  FillRecordDefaults(testing::TempDir() + "no-such-Setting.ini");
  EXPECT_EQ(Book[field::TaxMode], "7");
  EXPECT_EQ(Book[field::TaxMode2], "0");
}

}  // namespace
}  // namespace bk
