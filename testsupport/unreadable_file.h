// Test helper: a file that exists but cannot be read while the object lives.
#pragma once

#include <string>

namespace bk::test {

// On Windows a file held open without sharing; elsewhere (the tests may run
// as root, which permission bits do not stop) a link to a process-memory file
// whose first bytes cannot be read.
class UnreadableFile {
 public:
  explicit UnreadableFile(const std::string& path);
  ~UnreadableFile();
  UnreadableFile(const UnreadableFile&) = delete;
  UnreadableFile& operator=(const UnreadableFile&) = delete;

 private:
  void* handle_ = nullptr;  // Windows only
};

}  // namespace bk::test
