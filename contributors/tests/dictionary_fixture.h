// A working folder of its own for each dictionary test: the record starts
// clear, and the held dictionaries are released after it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "contributors/author_dictionary.h"
#include "contributors/label_dictionary.h"
#include "plugin/record.h"
#include "testsupport/temp_dir.h"

namespace bk::test {

class DictionaryFolder : public testing::Test {
 protected:
  void SetUp() override { Book.Clear(); }
  void TearDown() override {
    FreeAuthorDictionary();
    FreeLabelDictionary();
    Book.Clear();
  }
  void WriteFile(std::string_view name, std::string_view bytes) const { temp_.Write(name, bytes); }
  void RemoveFile(std::string_view name) const { temp_.Remove(name); }

  TempDir temp_;
  const std::filesystem::path& dir_ = temp_.path();
  const std::string work_dir_ = temp_.dir();
};

}  // namespace bk::test
