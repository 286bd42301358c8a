#include <gtest/gtest.h>

#include <string>

#include "contributors/publisher_dictionary.h"
#include "contributors/tests/dictionary_fixture.h"
#include "testsupport/sjis.h"
#include "text/replace.h"

namespace bk {
namespace {

using test::Sjis;
using test::Utf8;

using LookupPublisherTest = test::DictionaryFolder;

// UTF-8, lines ending in CR LF.
constexpr const char* kPubDb =
    "|123|長い接頭\r\n"
    "|12|短い接頭\r\n"
    "|06|講文社\r\n"
    "|55|Foo|77|Inner\r\n"
    "|77|Real\r\n"
    "|88|Barred|\r\n";

TEST_F(LookupPublisherTest, TakesThePublisherOfTheShortestKnownPrefix) {
  const struct {
    const char* code;
    const char* publisher;
  } cases[] = {
      {"4123456789", "短い接頭"},
      {"9784123456789", "短い接頭"},
      {"4061234567", "講文社"},
      {"9784061234567", "講文社"},
      // Only the first character selects where the prefix starts.
      {"9991061234567", "講文社"},
      {"3061234567", ""},
      {"0061234567", ""},
      {"", ""},
      // Lines with classification code and price after the code.
      {"406123456X19301000", "講文社"},
      {"97840612345671930100000500", "講文社"},
      {"4-06-123456-7", ""},
      // A key found inside a line gives the rest of that line.
      {"4779999999", "Inner"},
      {"4889999999", "Barred|"},
      {"4121", "短い接頭"},
  };
  // The same lines with each kind of line ending.
  for (const char* line_end : {"\r\n", "\n", "\r"}) {
    WriteFile("PubDB.dat", ReplaceAll(Sjis(kPubDb), "\r\n", line_end));
    for (const auto& c : cases) {
      Book.Clear();
      Book[field::Isbn] = c.code;
      EXPECT_TRUE(LookupPublisher(work_dir_));
      EXPECT_EQ(Utf8(Book[field::Publisher]), c.publisher)
          << c.code << " " << testing::PrintToString(std::string(line_end));
    }
  }
}

TEST_F(LookupPublisherTest, WithoutAMatchThePublisherStays) {
  Book[field::Isbn] = "4061234567";
  Book[field::Publisher] = "Page";
  EXPECT_FALSE(LookupPublisher(work_dir_));
  EXPECT_EQ(Book[field::Publisher], "Page");

  WriteFile("PubDB.dat", "|99|Other\r\n");
  EXPECT_TRUE(LookupPublisher(work_dir_));
  EXPECT_EQ(Book[field::Publisher], "Page");
}

TEST_F(LookupPublisherTest, EveryLookupReadsTheFileAgain) {
  Book[field::Isbn] = "4061234567";
  WriteFile("PubDB.dat", "|06|Old\r\n");
  LookupPublisher(work_dir_);
  EXPECT_EQ(Book[field::Publisher], "Old");
  WriteFile("PubDB.dat", "|06|New\r\n");
  LookupPublisher(work_dir_);
  EXPECT_EQ(Book[field::Publisher], "New");
}

}  // namespace
}  // namespace bk
