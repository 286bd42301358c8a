// Helpers of the fuzz targets that need files: one scratch folder per
// process, removed when the fuzzer exits.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace bk::fuzz {

inline void Check(bool condition) {
  if (!condition) std::abort();
}

// The scratch folder's path, ending with a separator like a working folder.
inline const std::string& ScratchDir(std::string_view name) {
  struct Folder {
    std::filesystem::path path;
    std::string text;
    ~Folder() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  };
  static const Folder folder = [&] {
    Folder f;
    f.path = std::filesystem::temp_directory_path() /
             (std::string(name) + "_" + std::to_string(getpid()));
    std::filesystem::create_directories(f.path);
    f.text = f.path.string() + "/";
    return f;
  }();
  return folder.text;
}

inline void WriteFile(const std::string& path, std::string_view bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  Check(f != nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

}  // namespace bk::fuzz
