// Test helper: a working folder of the running test, empty at the start and
// removed with everything in it at the end. Named after the test and the
// process, so parallel test runs and builds never share one.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace bk::test {

class TempDir {
 public:
  TempDir();  // named after the current test
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder with its trailing separator, as working folders are given.
  std::string dir() const;
  std::string PathOf(std::string_view name) const;
  // Writes the bytes as they are (no line-ending translation); the path.
  std::string Write(std::string_view name, std::string_view bytes) const;
  void Remove(std::string_view name) const;

 private:
  std::filesystem::path path_;
};

// Writes the bytes as they are; a failure fails the test.
void WriteFileBytes(const std::string& path, std::string_view bytes);

}  // namespace bk::test
