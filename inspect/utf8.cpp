#include "inspect/utf8.h"

#include "platform/locale.h"

namespace bk {
namespace {

void AppendCodePoint(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string AnsiToUtf8(std::string_view text) {
  const std::u16string wide = platform::Locale().ansi_to_wide(text);
  std::string out;
  out.reserve(wide.size() * 3);
  for (std::size_t i = 0; i < wide.size(); ++i) {
    char32_t cp = wide[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
        wide[i + 1] < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (wide[++i] - 0xDC00);
    }
    AppendCodePoint(out, cp);
  }
  return out;
}

}  // namespace bk
