#include "plugin/executable_dir.h"

#include <windows.h>

namespace bk {

std::string ExecutableDirectory() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {  // a full buffer means the path was cut
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of("\\/") + 1);
}

}  // namespace bk
