#include "title/volume_digits.h"

#include "text/char_class.h"
#include "text/width.h"

namespace bk {

std::string VolumeDigits(std::string_view text) {
  std::string digits;
  for (char c : text) {
    if (IsAsciiDigit(c)) digits += c;
  }
  return digits.empty() ? std::string(text) : digits;
}

std::string TrailingDigits(std::string_view text) {
  std::size_t start = text.size();
  while (start > 0 && IsAsciiDigit(text[start - 1])) --start;
  return std::string(start == text.size() ? text : text.substr(start));
}

std::string ToUpperFullWidth(std::string_view text) {
  return MapFullWidthText(ToUpperLocale(text));
}

}  // namespace bk
