#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "contributors/author_dictionary.h"
#include "contributors/contributor_list.h"
#include "contributors/tests/dictionary_fixture.h"
#include "testsupport/sjis.h"

namespace bk {
namespace {

using test::Sjis;
using test::Utf8;

// The author fields after an assignment, UTF-8.
struct Authors {
  std::string author1, reading1, extra1, author2, reading2, others;
};

bool operator==(const Authors& a, const Authors& b) {
  return a.author1 == b.author1 && a.reading1 == b.reading1 && a.extra1 == b.extra1 &&
         a.author2 == b.author2 && a.reading2 == b.reading2 && a.others == b.others;
}

void PrintTo(const Authors& a, std::ostream* os) {
  *os << "{" << a.author1 << " | " << a.reading1 << " | " << a.extra1 << " | " << a.author2
      << " | " << a.reading2 << " | " << testing::PrintToString(a.others) << "}";
}

Authors RecordAuthors() {
  return {Utf8(Book[field::Author1]), Utf8(Book[field::Author1Reading]),
          Utf8(Book[field::Author1Extra]), Utf8(Book[field::Author2]),
          Utf8(Book[field::Author2Reading]), Utf8(Book[field::OtherContributors])};
}

struct AssignCase {
  const char* what;
  std::vector<const char*> entries;  // UTF-8 credit entries
  const char* auth_db;               // UTF-8 file content; nullptr: no file
  Authors expected;
};

const AssignCase kCases[] = {
    {"worked example",
     {"1A［エー］", "2B", "5C [訳]"},
     "|B|B2|ビー|x|\r\n",
     {"A", "エー", "", "B2", "ビー", "C [訳]"}},
    {"without a dictionary names and bracket readings stay",
     {"1A［エー］", "2B", "5C [訳]"},
     nullptr,
     {"A", "エー", "", "B", "", "C [訳]"}},
    {"a dictionary that knows nobody changes nothing",
     {"1A［エー］", "2B"},
     "|Z|Zed|ゼッド|z|\r\n",
     {"A", "エー", "", "B", "", ""}},
    {"the extra text goes with the first author only",
     {"1A", "2B"},
     "|A|A1|エー|first|\r\n|B|B1|ビー|second|\r\n",
     {"A1", "エー", "first", "B1", "ビー", ""}},
    {"the key is the normalised name",
     {"1山田・太郎"},
     "|山田太郎|山田太郎|ヤマダタロウ||\r\n",
     {"山田太郎", "ヤマダタロウ", "", "", "", ""}},
    {"the dictionary reading wins over the bracket",
     {"1A［エー］"},
     "|A|A|アー||\r\n",
     {"A", "アー", "", "", "", ""}},
    {"a name contained in a placed name is skipped",
     {"1AB", "2B", "3C"},
     nullptr,
     {"AB", "", "", "C", "", ""}},
    {"the duplicate check uses the dictionary's name",
     {"1Alpha Beta", "1B", "2C"},
     "|B|Alpha|||\r\n",
     {"Alpha Beta", "", "", "C", "", ""}},
    {"a person under two roles is placed twice",
     {"1A", "4A [監修]"},
     nullptr,
     {"A", "", "", "A [監修]", "", ""}},
    {"a bracketed reading drops the role suffix",
     {"4A［エー］ [監修]"},
     nullptr,
     {"A", "エー", "", "", "", ""}},
    {"a role suffix is part of the key",
     {"1A", "2B", "5C [訳]"},
     "|C|Cee|シー|z|\r\n",
     {"A", "", "", "B", "", "C [訳]"}},
    {"a key with the role suffix matches",
     {"1A", "2B", "5C [訳]"},
     "|C[訳]|Cee [訳]|シー|z|\r\n",
     {"A", "", "", "B", "", "Cee [訳]"}},
    {"a reading belongs to its own person only",
     {"1A［エー］", "1B"},
     nullptr,
     {"A", "エー", "", "B", "", ""}},
    {"others are one per line",
     {"1A", "1B", "1C", "1D", "9E [解説]"},
     nullptr,
     {"A", "", "", "B", "", "C\r\nD\r\nE [解説]"}},
    {"the first place of the key wins, in any column",
     {"1A"},
     "|X|A|ay|ee|\r\n|A|Alpha|アルファ|ex|\r\n",
     {"ay", "ee", "", "", "", ""}},
    {"a line without its closing bar reads on into the next one",
     {"1A"},
     "|A|Alpha|al\nnext|\n|B|Beta|b|\n",
     {"Alpha", "al\r\nnext", "", "", "", ""}},
    {"a name whose key form is empty is not looked up",
     {"1☆"},
     "|X||ghost|g|\r\n||Nobody|n|\r\n",
     {"☆", "", "", "", "", ""}},
    {"an empty list leaves the fields empty",
     {},
     "|A|Alpha|al|x|\r\n",
     {"", "", "", "", "", ""}},
};

class AssignContributorsTest : public test::DictionaryFolder {
 protected:
  // Loads AuthDB.dat (when given), then assigns the entries with every
  // switch on and an empty prefix.
  void Assign(const std::vector<const char*>& entries, const char* auth_db,
              bool fill_first = true, bool fill_second = true, bool collect_others = true,
              const char* prefix = "") {
    if (auth_db != nullptr) WriteFile("AuthDB.dat", Sjis(auth_db));
    EXPECT_EQ(LoadAuthorDictionary(work_dir_), auth_db != nullptr);
    ContributorList list;
    for (const char* entry : entries) list.Add(Sjis(entry));
    AssignContributors(list, fill_first, fill_second, collect_others, Sjis(prefix));
  }
};

TEST_F(AssignContributorsTest, PlacesNamesAndReadings) {
  for (const AssignCase& c : kCases) {
    Book.Clear();
    RemoveFile("AuthDB.dat");
    Assign(c.entries, c.auth_db);
    EXPECT_EQ(RecordAuthors(), c.expected) << c.what;
  }
}

TEST_F(AssignContributorsTest, SwitchesAndPrefix) {
  const std::vector<const char*> entries = {"1A", "1B", "1C"};
  Assign(entries, nullptr, false, true, true, "＋");
  EXPECT_EQ(RecordAuthors(), (Authors{"", "", "", "A", "", "＋B\r\n＋C"}));

  Book.Clear();
  Assign(entries, nullptr, true, false, false);
  EXPECT_EQ(RecordAuthors(), (Authors{"A", "", "", "", "", ""}));
}

TEST_F(AssignContributorsTest, EveryLoadReadsTheFileAgain) {
  Assign({"1A"}, "|A|Old|||\r\n");
  EXPECT_EQ(Utf8(Book[field::Author1]), "Old");

  Book.Clear();
  Assign({"1A"}, "|A|New|||\r\n");
  EXPECT_EQ(Utf8(Book[field::Author1]), "New");

  Book.Clear();
  RemoveFile("AuthDB.dat");
  Assign({"1A"}, nullptr);
  EXPECT_EQ(Utf8(Book[field::Author1]), "A");

  WriteFile("AuthDB.dat", "|A|Held|||\r\n");
  ASSERT_TRUE(LoadAuthorDictionary(work_dir_));
  FreeAuthorDictionary();
  FreeAuthorDictionary();
  Book.Clear();
  ContributorList list;
  list.Add("1A");
  AssignContributors(list, true, true, true, "");
  EXPECT_EQ(Book[field::Author1], "A");
}

}  // namespace
}  // namespace bk
