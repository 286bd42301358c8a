// What the plug-in tells the host about itself.
#pragma once

#include <cstdint>
#include <string>

namespace bk {

struct PluginInfo {
  std::string entry_name;   // the lookup entry point
  std::string description;  // "ISBN検索 " and the site's domain
  std::string credit;
  std::string version;
  std::string kind;
};

PluginInfo GetPluginInfo();

// Copies text into a buffer of size bytes (terminator included): the first
// size - 1 bytes, cut bytewise, and a NUL. Only the low 16 bits of size
// count; a null buffer or a size whose low 16 bits are 0 is left alone.
void CopyInfoText(char* buffer, std::uint32_t size, const std::string& text);

}  // namespace bk
