// Helpers of the page tests: pages written from UTF-8 lines in code page 932
// into a temporary working directory, and files that exist but cannot be
// read.
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

#ifdef _WIN32
#include <windows.h>
#endif

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

// A file that exists but cannot be read while the object lives: a link to a
// file that fails on read natively, a file held open without sharing on
// Windows.
class UnreadableFile {
 public:
  explicit UnreadableFile(const std::string& path) {
#ifdef _WIN32
    handle_ = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
#else
    std::filesystem::create_symlink("/proc/self/mem", path);
#endif
  }
  ~UnreadableFile() {
#ifdef _WIN32
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
#endif
  }
  UnreadableFile(const UnreadableFile&) = delete;
  UnreadableFile& operator=(const UnreadableFile&) = delete;

 private:
#ifdef _WIN32
  HANDLE handle_ = INVALID_HANDLE_VALUE;
#endif
};

}  // namespace bk::test
