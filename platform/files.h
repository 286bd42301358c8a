// File access of the run: paths are code page 932 byte strings.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace bk::platform {

// A file that exists but cannot be read or written. The run ends on it and
// shows what() to the user.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

bool FileExists(std::string_view path);
// Removes the file; a failure is not reported.
void DeleteFileIfPresent(std::string_view path);
// The whole file as bytes. Throws FileError when it cannot be read.
std::string ReadWholeFile(std::string_view path);
// Writes the bytes to a temporary file beside path and renames it into place,
// so that a failure never leaves a half-written file. Throws FileError.
void WriteFileAtomically(std::string_view path, std::string_view bytes);

}  // namespace bk::platform
