#include "host/isbn.h"

#include <gtest/gtest.h>

namespace bk::host {
namespace {

TEST(NormalizeIsbn, AnswersTheThirteenDigitFormOfValidCodes) {
  const struct {
    const char* code;
    const char* expected;
  } cases[] = {
      {"4101092052", "9784101092058"},       // ISBN-10
      {"4-10-109205-2", "9784101092058"},    // with hyphens
      {"9784101092058", "9784101092058"},    // ISBN-13
      {"978-4-10-109205-8", "9784101092058"},
      {"080442957X", "9780804429573"},       // check digit X
      {"080442957x", "9780804429573"},
      {"4101092053", ""},                    // wrong check digit
      {"9784101092059", ""},
      {"9774101092059", ""},                 // not a book prefix
      {"41010920", ""},                      // too short
      {"", ""},
      {"41010920A2", ""},
      {"410109205201930590", ""},            // a whole 18-character line
      {"97841010920581920193005905", "9784101092058"},  // with the second barcode
      {"97841010920581930193005905", ""},                // not a second barcode
      {"97841010920591920193005905", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeIsbn(c.code), c.expected) << c.code;
}

}  // namespace
}  // namespace bk::host
