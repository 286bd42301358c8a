#include "plugin/plugin_info.h"

#include <algorithm>
#include <cstring>

#include "plugin/site.h"

namespace bk {

PluginInfo GetPluginInfo() {
  return PluginInfo{
      "DownlaodFunc",
      std::string("ISBN\x8c\x9f\x8d\xf5 ") + site::kDomain,  // ISBN検索
      "Book lookup plug-in - written by the booklookup developers",
      "1.2.3",
      "3",
  };
}

void CopyInfoText(char* buffer, std::uint32_t size, const std::string& text) {
  const std::size_t capacity = size & 0xFFFFu;  // a 16-bit size in a 32-bit slot
  if (buffer == nullptr || capacity == 0) return;
  const std::size_t length = std::min(text.size(), capacity - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

}  // namespace bk
