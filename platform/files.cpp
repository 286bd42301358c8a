#include "platform/files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <sys/stat.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace bk::platform {
namespace {

std::string Reason() { return std::strerror(errno); }

// Closes the stream when the scope ends, also when an error passes through.
struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Empty when it worked, else the reason.
std::string MoveIntoPlace(const std::string& from, const std::string& to) {
#ifdef _WIN32
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return {};
  return "Windows error " + std::to_string(GetLastError());
#else
  if (std::rename(from.c_str(), to.c_str()) == 0) return {};
  return Reason();
#endif
}

}  // namespace

bool FileExists(std::string_view path) {
  const std::string p(path);
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesA(p.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
#else
  struct stat st;
  return stat(p.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
#endif
}

void DeleteFileIfPresent(std::string_view path) {
  const std::string p(path);
#ifdef _WIN32
  DeleteFileA(p.c_str());
#else
  unlink(p.c_str());
#endif
}

std::string ReadWholeFile(std::string_view path) {
  const std::string p(path);
  File f(std::fopen(p.c_str(), "rb"));
  if (!f) throw FileError("Cannot open " + p + ": " + Reason());
  // A regular file is read in one go into a buffer of its size; the chunk
  // loop picks up anything beyond (a file that grew, or a special file).
  std::string bytes;
  struct stat st;
  if (fstat(fileno(f.get()), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
    bytes.resize(static_cast<std::size_t>(st.st_size));
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f.get()));
  }
  char buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) bytes.append(buffer, n);
  if (std::ferror(f.get())) throw FileError("Cannot read " + p + ": " + Reason());
  return bytes;
}

void WriteFileAtomically(std::string_view path, std::string_view bytes) {
  const std::string target(path);
  const std::string temp = target + ".tmp";
  {
    File f(std::fopen(temp.c_str(), "wb"));
    if (!f) throw FileError("Cannot create " + temp + ": " + Reason());
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
    const bool flushed = std::fflush(f.get()) == 0;
    if (!written || !flushed) {
      const std::string reason = Reason();
      f.reset();
      DeleteFileIfPresent(temp);
      throw FileError("Cannot write " + temp + ": " + reason);
    }
  }
  if (const std::string reason = MoveIntoPlace(temp, target); !reason.empty()) {
    DeleteFileIfPresent(temp);
    throw FileError("Cannot replace " + target + ": " + reason);
  }
}

}  // namespace bk::platform
