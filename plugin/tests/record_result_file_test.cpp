#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "plugin/result_line.h"
#include "testsupport/temp_dir.h"

namespace bk {
namespace {

class ResultFile : public testing::Test {
 protected:
  test::TempDir temp_;
  const std::string path_ = temp_.PathOf("result.txt");
};

TEST_F(ResultFile, EachLineEndsWithCrLf) {
  WriteResultFile(path_, {"a,b", "\x83\x65,\"c d\""});
  EXPECT_EQ(platform::ReadWholeFile(path_), "a,b\r\n\x83\x65,\"c d\"\r\n");
}

TEST_F(ResultFile, ReplacesAnOldFileAndAnEmptyListGivesZeroBytes) {
  WriteResultFile(path_, {"old line that is longer"});
  WriteResultFile(path_, {});
  EXPECT_TRUE(platform::FileExists(path_));
  EXPECT_EQ(platform::ReadWholeFile(path_), "");
}

TEST_F(ResultFile, UnwritableFolderThrows) {
  EXPECT_THROW(WriteResultFile(temp_.PathOf("no_such_folder/result.txt"), {"x"}),
               platform::FileError);
}

}  // namespace
}  // namespace bk
