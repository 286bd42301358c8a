#include "testsupport/sjis.h"

#include "platform/locale.h"

namespace bk::test {
namespace {

std::u16string Utf8ToUtf16(std::string_view s) {
  std::u16string out;
  for (std::size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    char32_t cp;
    std::size_t n;
    if (c < 0x80) { cp = c; n = 1; }
    else if ((c >> 5) == 6) { cp = c & 0x1F; n = 2; }
    else if ((c >> 4) == 14) { cp = c & 0x0F; n = 3; }
    else { cp = c & 0x07; n = 4; }
    for (std::size_t k = 1; k < n && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
    i += n;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view w) {
  std::string out;
  for (std::size_t i = 0; i < w.size(); ++i) {
    char32_t cp = w[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < w.size()) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (w[++i] - 0xDC00);
    }
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
  return out;
}

}  // namespace

std::string Sjis(std::string_view utf8) {
  return platform::Locale().wide_to_ansi(Utf8ToUtf16(utf8));
}

std::string Utf8(std::string_view sjis) {
  return Utf16ToUtf8(platform::Locale().ansi_to_wide(sjis));
}

}  // namespace bk::test
