#include <gtest/gtest.h>

#include <string>

#include "contributors/label_dictionary.h"
#include "contributors/tests/dictionary_fixture.h"
#include "testsupport/sjis.h"

namespace bk {
namespace {

using test::Sjis;
using test::Utf8;

using LookupLabelTest = test::DictionaryFolder;

// UTF-8; the label column in key form.
constexpr const char* kLabelsDb =
    "|講文社|ﾗﾍﾞﾙ文庫|ラベル文庫\r\n"
    "|講文社||レーベルなし\r\n"
    "|講文社|Empty|\r\n"
    "|X|中社|Inner|Rest of line\n"
    "|中社|Inner|Own line\r";

TEST_F(LookupLabelTest, ReplacesTheLabelOfThePublisher) {
  const struct {
    const char* publisher;  // UTF-8
    const char* label;
    const char* stored;
  } cases[] = {
      {"講文社", "ラベル文庫", "ラベル文庫"},
      {"講文社", "ラ・ベ・ル　文庫", "ラベル文庫"},
      {"講文社", "ﾗﾍﾞﾙ文庫", "ラベル文庫"},
      // The publisher is compared as the record holds it.
      {"講文社 ", "ラベル文庫", "ラベル文庫"},
      {"他社", "ラベル文庫", "ラベル文庫"},
      // An empty label, or one whose key form is empty, finds the line with
      // the empty label column.
      {"講文社", "", "レーベルなし"},
      {"講文社", "☆", "レーベルなし"},
      {"他社", "", ""},
      // An empty stored label empties the label.
      {"講文社", "Empty", ""},
      // The key may stand inside a line; the first place wins.
      {"中社", "Inner", "Rest of line"},
  };
  WriteFile("LabelsDB.dat", Sjis(kLabelsDb));
  ASSERT_TRUE(LoadLabelDictionary(work_dir_));
  for (const auto& c : cases) {
    Book[field::Publisher] = Sjis(c.publisher);
    Book[field::Label] = Sjis(c.label);
    LookupLabel();
    EXPECT_EQ(Utf8(Book[field::Label]), c.stored) << c.publisher << " / " << c.label;
  }
}

TEST_F(LookupLabelTest, WithoutLinesNothingHappens) {
  Book[field::Label] = "";
  LookupLabel();  // before any load
  EXPECT_EQ(Book[field::Label], "");

  EXPECT_FALSE(LoadLabelDictionary(work_dir_));
  LookupLabel();
  EXPECT_EQ(Book[field::Label], "");

  WriteFile("LabelsDB.dat", std::string("\0|||Never\r\n", 11));
  EXPECT_TRUE(LoadLabelDictionary(work_dir_));
  LookupLabel();
  EXPECT_EQ(Book[field::Label], "");
}

TEST_F(LookupLabelTest, EveryLoadReplacesTheHeldDictionary) {
  Book[field::Publisher] = "P";
  WriteFile("LabelsDB.dat", "|P|a|First\r\n");
  LoadLabelDictionary(work_dir_);
  WriteFile("LabelsDB.dat", "|P|a|Second\r\n");
  Book[field::Label] = "a";
  LookupLabel();
  EXPECT_EQ(Book[field::Label], "First");

  LoadLabelDictionary(work_dir_);
  Book[field::Label] = "a";
  LookupLabel();
  EXPECT_EQ(Book[field::Label], "Second");

  FreeLabelDictionary();
  Book[field::Label] = "a";
  LookupLabel();
  EXPECT_EQ(Book[field::Label], "a");
}

}  // namespace
}  // namespace bk
