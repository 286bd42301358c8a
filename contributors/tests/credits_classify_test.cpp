#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "contributors/classify_credits.h"
#include "contributors/contributor_list.h"
#include "testsupport/sjis.h"

namespace bk {
namespace {

using test::Sjis;
using test::Utf8;

// The separators the page parser passes.
constexpr const char* kRoleSeparator = "／";
constexpr const char* kEntrySeparator = "　";

std::vector<std::string> Classify(const std::string& block, const char* name_separator = "") {
  ContributorList list;
  ClassifyCredits(list, block, Sjis(kRoleSeparator), Sjis(kEntrySeparator), Sjis(name_separator));
  std::vector<std::string> entries;
  for (const std::string& e : list.entries()) entries.push_back(Utf8(e));
  return entries;
}

struct CreditCase {
  const char* block;  // UTF-8
  std::vector<std::string> entries;
};

const CreditCase kCases[] = {
    // The worked examples: entries split at the entry separator, markers at
    // the end and at the start of an entry, a bare name.
    {"A／著　B／イラスト　C／訳", {"1A", "2B", "5C [訳]"}},
    {"著：A", {"1A"}},
    {"山田太郎", {"0山田太郎"}},
    // Without the role separator the block is one entry.
    {"A　B　著", {"1A B"}},
    {"画 B", {"1B"}},
    // Empty names are not filed.
    {"A／著　　B／画", {"1A", "1B"}},
    {"著", {}},
    // "他" and "ほか" credit nobody; a name that only contains them is kept.
    {"A／著　他／著　ほか", {"1A"}},
    {"他山／著", {"1他山"}},
    // The first row wins, also inside longer words.
    {"A／監修・翻訳", {"4A ・翻訳 [監修]"}},
    {"イラストレーター太郎", {"2レーター太郎"}},
    {"A／原作者", {"2A"}},
    {"A／キャラクター原案", {"3A [キャラクター原案]"}},
    {"A／監修他", {"4A [監修他]"}},
    // Suffixes: without a leading space for the compiled works, the marker
    // itself for "その他".
    {"A／編・著　B／編著　C／その他", {"9A[編・著]", "9B[編著]", "9Cその他"}},
    {"A／責任編集　B／編　C／解説", {"9A [責任編集]", "9B [編]", "9C [解説]"}},
    // No marker: role code 0 sorts before the authors.
    {"B／著　A／デザイン", {"0A デザイン", "1B"}},
    // Same person and role once; two roles, two entries.
    {"A／著　a／著", {"1A"}},
    {"A／著　A／イラスト", {"1A", "2A"}},
    // Bracketed readings keep their brackets.
    {"山田／著［ヤマダ］", {"1山田 ［ヤマダ］"}},
    {"B／イ［ビー］　C／編［シー］　D／訳［ディー］", {"2B ［ビー］", "5D ［ディー］ [訳]", "9C［シー］ [編]"}},
    // Parentheses: full-width ones become ASCII; "()" left by a marker goes.
    {"A（原作）", {"2A"}},
    {"A（著）", {"1A"}},
    {"A(B)／著", {"1A(B)"}},
    // Full-width letters, the yen sign and the middle dots at the ends.
    {"ＡＢ／著", {"1AB"}},
    {"A￥B／著", {"1A\\B"}},
    {"・A・／著", {"1A"}},
    {"・・C／画", {"1・C"}},
    {"＝E／著", {"1＝E"}},  // ends in the bytes of "・", not in the character
    // A "<" or ">" in the block is text: it neither eats names nor entries.
    {"A<B／著　C／イラスト", {"1A<B", "2C"}},
    {"A>B／著　C／イラスト", {"1A>B", "2C"}},
    {"<B>／著", {"1<B>"}},
};

void PrintTo(const CreditCase& c, std::ostream* os) { *os << c.block; }

class ClassifyCreditsTest : public ::testing::TestWithParam<CreditCase> {};

TEST_P(ClassifyCreditsTest, FilesEntriesWithRoles) {
  const CreditCase& c = GetParam();
  EXPECT_EQ(Classify(Sjis(c.block)), c.entries) << c.block;
}

INSTANTIATE_TEST_SUITE_P(Blocks, ClassifyCreditsTest, ::testing::ValuesIn(kCases));

TEST(ClassifyCredits, NameSeparatorSplitsOneEntryIntoPeople) {
  EXPECT_EQ(Classify(Sjis("A、B、他／著　C／監修"), "、"),
            (std::vector<std::string>{"1A", "1B", "4C [監修]"}));
  EXPECT_EQ(Classify(Sjis("A、、 ほか ／イラスト"), "、"), (std::vector<std::string>{"2A"}));
}

TEST(ClassifyCredits, EntriesAddToWhatTheListHolds) {
  ContributorList list;
  ClassifyCredits(list, Sjis("B／著"), Sjis(kRoleSeparator), Sjis(kEntrySeparator), "");
  ClassifyCredits(list, Sjis("A／著　B／著"), Sjis(kRoleSeparator), Sjis(kEntrySeparator), "");
  EXPECT_EQ(std::vector<std::string>(list.entries().begin(), list.entries().end()),
            (std::vector<std::string>{"1A", "1B"}));
}

TEST(ClassifyCredits, BlockEndingInALoneLeadByteEnds) {
  // The appended "￥" pairs with the lone lead byte, so it is no delimiter:
  // the last entry is lost, the earlier ones are filed, and the split stops.
  EXPECT_EQ(Classify(Sjis("A／著　B") + "\x83"), (std::vector<std::string>{"1A"}));
  // A "￥" visible only across a character boundary splits nothing.
  EXPECT_EQ(Classify("\x83\x81\x8f" "A"), (std::vector<std::string>{Utf8("0\x83\x81\x8f" "A")}));
}

}  // namespace
}  // namespace bk
