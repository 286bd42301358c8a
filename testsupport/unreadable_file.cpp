#include "testsupport/unreadable_file.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <filesystem>
#endif

namespace bk::test {

UnreadableFile::UnreadableFile(const std::string& path) {
#ifdef _WIN32
  handle_ = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << path;
#else
  std::filesystem::create_symlink("/proc/self/mem", path);
#endif
}

UnreadableFile::~UnreadableFile() {
#ifdef _WIN32
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
#endif
}

}  // namespace bk::test
