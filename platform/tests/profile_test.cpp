// Profile-file reading with the semantics of the system reader; on Windows
// against both implementations.
#include <gtest/gtest.h>

#include <string>

#include "platform/locale.h"
#include "platform/tests/implementations.h"
#include "testsupport/sjis.h"
#include "testsupport/temp_dir.h"

namespace bk::platform {
namespace {

class ProfileTest : public ::testing::TestWithParam<const LocaleOps*> {
 protected:
  void Write(const std::string& content) { test::WriteFileBytes(path_, content); }
  std::string Read(const char* section, const char* key, const char* fallback = "D") {
    return GetParam()->read_profile_string(path_, section, key, fallback);
  }

  test::TempDir temp_;
  const std::string path_ = temp_.PathOf("profile.ini");
};

INSTANTIATE_TEST_SUITE_P(Impl, ProfileTest, ::testing::ValuesIn(Implementations()),
                         [](const auto& info) { return std::string(info.param->name); });

TEST_P(ProfileTest, SettingsValues) {
  Write("[Entry]\r\n"
        "TaxSet=\r\n"
        "  purachaseset =  \"" + test::Sjis("未購入") + "\"  \r\n"
        "ReadSet=a;b ; c\r\n"
        "ReadSet=second\r\n"
        "Quoted=\"  inner  \"\r\n"
        "Half=\"open\r\n"
        "[entry]\r\n"
        "Later=x\r\n");
  struct Case {
    const char* section;
    const char* key;
    std::string expected;
  } const cases[] = {
      {"Entry", "TaxSet", ""},                               // empty value, not the default
      {"ENTRY", "PurachaseSet", test::Sjis("未購入")},      // names ignore case; quotes stripped
      {"Entry", "ReadSet", "a;b ; c"},                       // first key wins; ";" is no comment
      {"Entry", "Quoted", "  inner  "},
      {"Entry", "Half", "\"open"},
      {"Entry", "Later", "D"},                               // only the first [Entry] counts
      {"Entry", "Missing", "D"},
      {"Other", "TaxSet", "D"},
  };
  for (const Case& c : cases) EXPECT_EQ(Read(c.section, c.key), c.expected) << c.section << "/" << c.key;
}

TEST_P(ProfileTest, ByteOrderMarkSelectsUnicode) {
  Write("\xEF\xBB\xBF[Entry]\r\nReadSet=\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88\xE3\x83\r\n");
  EXPECT_EQ(Read("Entry", "ReadSet"), test::Sjis("テスト") + "?");  // a cut sequence becomes "?"
  Write(std::string("\xFF\xFE[\0E\0]\0\n\0k\0=\0\xC6\x30", 16));
  EXPECT_EQ(Read("E", "k"), test::Sjis("テ"));
}

TEST_P(ProfileTest, MissingFileGivesTheDefault) {
  EXPECT_EQ(Read("Entry", "ReadSet", "\x8A\xF9\x93\xC7"), "\x8A\xF9\x93\xC7");
}

TEST_P(ProfileTest, LongValuesAreCutToWholeCharacters) {
  std::string pairs;
  for (int i = 0; i < 1500; ++i) pairs += "\x82\xA0";
  Write("[S]\nascii=" + std::string(3000, 'a') + "\nodd=x" + pairs + "\neven=" + pairs + "\n");
  EXPECT_EQ(Read("S", "ascii"), std::string(2047, 'a'));
  EXPECT_EQ(Read("S", "odd"), "x" + pairs.substr(0, 2046));
  EXPECT_EQ(Read("S", "even"), pairs.substr(0, 2046));
}

}  // namespace
}  // namespace bk::platform
