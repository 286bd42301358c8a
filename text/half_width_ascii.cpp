#include "text/half_width_ascii.h"

#include "text/lead_byte.h"

namespace bk {

std::string ToHalfWidthAscii(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = CharLengthAt(text, i);
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto trail = n == 2 ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (n == 2 && lead == 0x82 && trail >= 0x4F && trail <= 0x79) {
      out += static_cast<char>(trail - 0x1F);  // digits 0-9, capitals A-Z
    } else if (n == 2 && lead == 0x82 && trail >= 0x81 && trail <= 0x9A) {
      out += static_cast<char>(trail - 0x20);  // small letters a-z
    } else {
      out.append(text, i, n);
    }
    i += n;
  }
  return out;
}

}  // namespace bk
