#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "contributors/author_dictionary.h"
#include "contributors/dictionary_file.h"
#include "contributors/label_dictionary.h"
#include "contributors/publisher_dictionary.h"
#include "contributors/tests/dictionary_fixture.h"
#include "platform/files.h"
#include "testsupport/unreadable_file.h"
#include "text/lines.h"

namespace bk {
namespace {

using namespace std::string_literals;

struct JoinCase {
  std::string raw;
  std::string joined;
};

TEST(JoinDictionaryLines, EveryLineEndsInCrLf) {
  const JoinCase cases[] = {
      {"", ""},
      {"a", "a\r\n"},
      {"a\r\nb\r\n", "a\r\nb\r\n"},
      {"a\nb", "a\r\nb\r\n"},
      {"a\rb\r", "a\r\nb\r\n"},
      {"a\r\r\nb", "a\r\n\r\nb\r\n"},
      {"a\r\n\nb", "a\r\n\r\nb\r\n"},
      {"\n\r", "\r\n\r\n"},
      {"\r\n", "\r\n"},
      // A zero byte ends the content, also right after a CR.
      {"ab\0cd\r\n"s, "ab\r\n"},
      {"a\r\0\nb"s, "a\r\n"},
      {"\0abc"s, ""},
      // Beyond the first sixteen bytes, and at the very end.
      {"|key|name|read|x|\r\n|k2|n2|r2|x2|\nlast", "|key|name|read|x|\r\n|k2|n2|r2|x2|\r\nlast\r\n"},
      {"|key|name|read|x|\r\n|k2|n2|r2|x2|\r", "|key|name|read|x|\r\n|k2|n2|r2|x2|\r\n"},
      {"|key|name|read|x|\r\n|k2|\0n2|r2|x2|\r\n"s, "|key|name|read|x|\r\n|k2|\r\n"},
      // Trail bytes and half-width katakana are ordinary bytes.
      {"\x83\x7c|\xb6\xde\n", "\x83\x7c|\xb6\xde\r\n"},
  };
  for (const JoinCase& c : cases) {
    EXPECT_EQ(JoinDictionaryLines(c.raw), c.joined) << testing::PrintToString(c.raw);
  }
}

// The lines as the generic line splitter sees them, each followed by CR LF.
std::string JoinedBySplitLines(const std::string& raw) {
  const std::string content = raw.substr(0, raw.find('\0'));
  std::string joined;
  for (std::string_view line : SplitLines(content)) {
    joined.append(line);
    joined += "\r\n";
  }
  return joined;
}

TEST(JoinDictionaryLines, AgreesWithTheLineSplitterOnMixedEndings) {
  std::mt19937 random(7);
  const char alphabet[] = {'a', '|', '\r', '\n', '\r', '\n', '\0', '\x83'};
  for (int round = 0; round < 3000; ++round) {
    std::string raw(random() % 80, ' ');
    for (char& c : raw) c = alphabet[random() % sizeof alphabet];
    ASSERT_EQ(JoinDictionaryLines(raw), JoinedBySplitLines(raw)) << testing::PrintToString(raw);
  }
}

using LoadDictionaryTextTest = test::DictionaryFolder;

TEST_F(LoadDictionaryTextTest, MissingFileGivesAnEmptyDictionary) {
  const DictionaryText missing = LoadDictionaryText(work_dir_ + "AuthDB.dat");
  EXPECT_FALSE(missing.existed);
  EXPECT_FALSE(missing.has_lines());

  WriteFile("AuthDB.dat", "");
  const DictionaryText empty = LoadDictionaryText(work_dir_ + "AuthDB.dat");
  EXPECT_TRUE(empty.existed);
  EXPECT_FALSE(empty.has_lines());

  // A folder is not a dictionary file.
  std::filesystem::create_directory(dir_ / "PubDB.dat");
  EXPECT_FALSE(LoadDictionaryText(work_dir_ + "PubDB.dat").existed);
}

TEST_F(LoadDictionaryTextTest, ReadsTheFileJoined) {
  WriteFile("LabelsDB.dat", "|P|a|A\n|P|b|B\r"s + '\0' + "|P|c|C\r\n");
  const DictionaryText loaded = LoadDictionaryText(work_dir_ + "LabelsDB.dat");
  EXPECT_TRUE(loaded.existed);
  EXPECT_EQ(loaded.text, "|P|a|A\r\n|P|b|B\r\n");
}

TEST_F(LoadDictionaryTextTest, UnreadableFileEndsTheRunWithFileError) {
  const struct {
    const char* file;
    std::function<void(const std::string&)> load;
  } loaders[] = {
      {"AuthDB.dat", [](const std::string& dir) { LoadAuthorDictionary(dir); }},
      {"PubDB.dat", [](const std::string& dir) { LookupPublisher(dir); }},
      {"LabelsDB.dat", [](const std::string& dir) { LoadLabelDictionary(dir); }},
  };
  Book[field::Isbn] = "4061234567";
  for (const auto& loader : loaders) {
    test::UnreadableFile unreadable(work_dir_ + loader.file);
    ASSERT_TRUE(platform::FileExists(work_dir_ + loader.file));
    EXPECT_THROW(loader.load(work_dir_), platform::FileError) << loader.file;
  }
}

}  // namespace
}  // namespace bk
