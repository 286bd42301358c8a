#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/files.h"
#include "plugin/result_line.h"

namespace bk {
namespace {

class ResultFile : public testing::Test {
 protected:
  void SetUp() override {
    path_ = testing::TempDir() + "result_file_test_" +
            testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
    platform::DeleteFileIfPresent(path_);
  }
  void TearDown() override { platform::DeleteFileIfPresent(path_); }
  std::string path_;
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
  EXPECT_THROW(WriteResultFile(testing::TempDir() + "no_such_folder_bk/result.txt", {"x"}),
               platform::FileError);
}

}  // namespace
}  // namespace bk
