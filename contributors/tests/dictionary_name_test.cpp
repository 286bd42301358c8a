#include <gtest/gtest.h>

#include "contributors/dictionary_name.h"
#include "testsupport/sjis.h"

namespace bk {
namespace {

using test::Sjis;
using test::Utf8;

TEST(NormalizeDictionaryName, GivesTheKeyForm) {
  const struct {
    const char* name;  // UTF-8
    const char* key;
  } cases[] = {
      {"山田・太郎", "山田太郎"},
      {"☆星★野♪", "星野"},
      {"ＡＢＣ　１２３", "ABC123"},
      {" a b\t", "ab"},
      {"ラーメン", "ﾗ-ﾒﾝ"},
      {"ﾗｰﾒﾝ", "ﾗ-ﾒﾝ"},
      {"ガパ", "ｶﾞﾊﾟ"},
      // Katakana ニ and kanji 二 become the same.
      {"ニシ", "二ｼ"},
      {"二シ", "二ｼ"},
      {"ひらがな漢字", "ひらがな漢字"},
      {"", ""},
      {"☆・♪", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8(NormalizeDictionaryName(Sjis(c.name))), c.key) << c.name;
  }
}

}  // namespace
}  // namespace bk
