// Helpers of the page tests: pages written from UTF-8 lines in code page 932
// into a temporary working directory.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "page/page_text.h"
#include "plugin/record.h"
#include "plugin/run_state.h"
#include "testsupport/sjis.h"
#include "testsupport/temp_dir.h"
#include "testsupport/unreadable_file.h"

namespace bk::test {

// Lines given in UTF-8, held in code page 932, with views for the handlers.
class SjisLines {
 public:
  SjisLines(std::initializer_list<std::string_view> utf8) {
    for (std::string_view line : utf8) text_.push_back(Sjis(line));
    for (const std::string& line : text_) views_.push_back(line);
  }
  const PageLines& lines() const { return views_; }

 private:
  std::vector<std::string> text_;
  PageLines views_;
};

inline std::string Field(int index) { return Utf8(Book[index]); }

// Each test gets an empty working directory (WorkDir) and a cleared record.
class PageFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    WorkDir = temp_.dir();
    Book.Clear();
    StopRequested = false;
  }
  void TearDown() override { StopRequested = false; }

  std::string PathOf(std::string_view name) const { return temp_.PathOf(name); }

  // Writes the UTF-8 lines in code page 932, each ended by `eol`.
  std::string WriteLines(std::string_view name, const std::vector<std::string>& utf8,
                         std::string_view eol = "\r\n") const {
    std::string bytes;
    for (const std::string& line : utf8) bytes += Sjis(line) + std::string(eol);
    return WriteBytes(name, bytes);
  }
  std::string WriteBytes(std::string_view name, std::string_view bytes) const {
    return temp_.Write(name, bytes);
  }
  std::string WritePage(const std::vector<std::string>& utf8) const {
    return WriteLines("Temp.html", utf8);
  }
  std::string WriteOptions(const std::vector<std::string>& utf8) const {
    return WriteLines("pelto.dat", utf8);
  }

  TempDir temp_;
  const std::filesystem::path& dir_ = temp_.path();
};

}  // namespace bk::test
