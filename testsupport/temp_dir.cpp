#include "testsupport/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace bk::test {
namespace {

unsigned long ProcessId() {
#ifdef _WIN32
  return GetCurrentProcessId();
#else
  return static_cast<unsigned long>(getpid());
#endif
}

// "bk_<suite>_<test>_<pid>", with the '/' of parameterised names replaced.
std::string FolderName() {
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = "bk";
  if (info != nullptr) name += std::string("_") + info->test_suite_name() + "_" + info->name();
  name += "_" + std::to_string(ProcessId());
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  return name;
}

}  // namespace

TempDir::TempDir() : path_(std::filesystem::temp_directory_path() / FolderName()) {
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::dir() const {
  return path_.string() + static_cast<char>(std::filesystem::path::preferred_separator);
}

std::string TempDir::PathOf(std::string_view name) const { return dir() + std::string(name); }

std::string TempDir::Write(std::string_view name, std::string_view bytes) const {
  const std::string path = PathOf(name);
  WriteFileBytes(path, bytes);
  return path;
}

void TempDir::Remove(std::string_view name) const {
  std::error_code ignored;
  std::filesystem::remove(PathOf(name), ignored);
}

void WriteFileBytes(const std::string& path, std::string_view bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr) << path;
  EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), f), bytes.size()) << path;
  std::fclose(f);
}

}  // namespace bk::test
