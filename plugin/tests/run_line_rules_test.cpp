#include "plugin/line_rules.h"

#include <gtest/gtest.h>

#include "plugin/record.h"

namespace bk {
namespace {

struct Fields {
  const char* isbn;
  const char* ccode;
  const char* price;
};

void ExpectFields(const Fields& expected, const std::string& line) {
  EXPECT_EQ(Book[field::Isbn], expected.isbn) << line;
  EXPECT_EQ(Book[field::CCode], expected.ccode) << line;
  EXPECT_EQ(Book[field::Price], expected.price) << line;
}

TEST(ShortLineRule, SplitsEighteenByteLines) {
  const struct {
    const char* line;
    Fields expected;
  } cases[] = {
      {"410109205201930590", {"4101092052", "0193", "590"}},
      {"410109205201931200", {"4101092052", "0193", "1200"}},
      {"410109205201930098", {"4101092052", "0193", "098"}},  // one leading zero only
      {"410109205201930000", {"4101092052", "0193", ""}},
      {"41010920520193059", {"41010920520193059", "", ""}},      // 17 bytes: not split
      {"4101092052019305901", {"4101092052019305901", "", ""}},  // 19 bytes
  };
  for (const auto& c : cases) {
    Book.Clear();
    Book[field::Isbn] = c.line;
    ApplyShortLineRule();
    ExpectFields(c.expected, c.line);
  }
}

TEST(LongLineRule, TakesTheFiveDigitPriceOfTheSecondBarcode) {
  const struct {
    const char* line;
    Fields before;  // what the page and the short rule left
    Fields expected;
  } cases[] = {
      // 00590 with check digit 5 is 590, as the 18-byte form of the book says.
      {"97841010920581920193005905", {"", "", ""}, {"9784101092058", "0193", "590"}},
      {"97841010920581920193012004", {"", "", ""}, {"9784101092058", "0193", "1200"}},
      {"97841010920581920193000000", {"", "", ""}, {"9784101092058", "0193", "0"}},
      {"9784101092058192019300A905", {"", "", ""}, {"9784101092058", "0193", "0"}},  // not a number
      {"97841010920581920193005905", {"", "", "1980"}, {"9784101092058", "0193", "1980"}},  // page's price stands
      {"97841010920581920193005905", {"", "0999", ""}, {"9784101092058", "0999", "590"}},
      {"9784101092058192019300590", {"", "", ""}, {"9784101092058192019300590", "", ""}},  // 25 bytes
  };
  for (const auto& c : cases) {
    Book.Clear();
    Book[field::Isbn] = c.line;
    Book[field::CCode] = c.before.ccode;
    Book[field::Price] = c.before.price;
    ApplyLongLineRule();
    ExpectFields(c.expected, c.line);
  }
}

}  // namespace
}  // namespace bk
