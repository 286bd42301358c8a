// A working folder of its own for each dictionary test: the record starts
// clear, the held dictionaries are released and the folder removed after it.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "contributors/author_dictionary.h"
#include "contributors/label_dictionary.h"
#include "plugin/record.h"

namespace bk::test {

class DictionaryFolder : public testing::Test {
 protected:
  void SetUp() override {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("bk_dict_") + info->test_suite_name() + "_" + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    dir_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    work_dir_ = dir_.string() + static_cast<char>(std::filesystem::path::preferred_separator);
    Book.Clear();
  }
  void TearDown() override {
    FreeAuthorDictionary();
    FreeLabelDictionary();
    Book.Clear();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  // Writes the bytes as they are (no line-ending translation).
  void WriteFile(std::string_view name, std::string_view bytes) const {
    std::FILE* f = std::fopen((work_dir_ + std::string(name)).c_str(), "wb");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), f), bytes.size());
    std::fclose(f);
  }
  void RemoveFile(std::string_view name) const {
    std::filesystem::remove(dir_ / std::string(name));
  }

  std::filesystem::path dir_;
  std::string work_dir_;
};

}  // namespace bk::test
