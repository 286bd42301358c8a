#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "testsupport/temp_dir.h"

namespace bk::platform {
namespace {

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return temp_.PathOf(name); }

  test::TempDir temp_;
  const fs::path& dir_ = temp_.path();
};

TEST_F(FilesTest, MissingFile) {
  const std::string path = Path("missing.dat");
  EXPECT_FALSE(FileExists(path));
  DeleteFileIfPresent(path);
  try {
    ReadWholeFile(path);
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
  }
}

TEST_F(FilesTest, DirectoryIsNoFileAndCannotBeRead) {
  EXPECT_FALSE(FileExists(dir_.string()));
  EXPECT_THROW(ReadWholeFile(dir_.string()), FileError);
}

TEST_F(FilesTest, WriteReplacesAtomicallyAndReadsBack) {
  const std::string path = Path("result.txt");
  const std::string bytes("line\r\n\x83\x65\0end", 11);
  WriteFileAtomically(path, "old contents that are longer");
  WriteFileAtomically(path, bytes);
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(ReadWholeFile(path), bytes);
  // Nothing but the target is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
  DeleteFileIfPresent(path);
  EXPECT_FALSE(FileExists(path));
}

// Paths are code page 932 bytes: テスト.txt
TEST_F(FilesTest, JapaneseFileName) {
  const std::string path = Path("\x83\x65\x83\x58\x83\x67.txt");
  WriteFileAtomically(path, "abc");
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(ReadWholeFile(path), "abc");
}

TEST_F(FilesTest, WriteIntoMissingFolderFails) {
  const std::string path = Path("no_such_folder/result.txt");
  try {
    WriteFileAtomically(path, "x");
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("no_such_folder"), std::string::npos) << e.what();
  }
}

// The rename step fails: the error names the target and no temporary file
// is left behind.
TEST_F(FilesTest, WriteOntoFolderFailsCleanly) {
  const std::string path = Path("folder");
  fs::create_directory(path);
  try {
    WriteFileAtomically(path, "x");
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace bk::platform
