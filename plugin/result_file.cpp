#include "plugin/result_line.h"

#include "platform/files.h"

namespace bk {

void WriteResultFile(std::string_view path, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  platform::WriteFileAtomically(path, bytes);
}

}  // namespace bk
