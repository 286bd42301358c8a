#include "text/char_class.h"

#include <algorithm>
#include <array>

namespace bk {
namespace {

bool IsRomanByte(char c) {
  return c == 'I' || c == 'V' || c == 'X' || c == 'i' || c == 'v' || c == 'x';
}
bool IsLetterOrHyphenByte(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-';
}

// 一 二 三 四 五 六 七 八 九 十 百 壱 弐 参 拾
constexpr std::array<std::string_view, 15> kKanjiNumerals = {
    "\x88\xea", "\x93\xf1", "\x8e\x4f", "\x8e\x6c", "\x8c\xdc",
    "\x98\x5a", "\x8e\xb5", "\x94\xaa", "\x8b\xe3", "\x8f\x5c",
    "\x95\x53", "\x88\xeb", "\x93\xf3", "\x8e\x51", "\x8f\x45"};
// 上 中 下
constexpr std::array<std::string_view, 3> kVolumeParts = {"\x8f\xe3", "\x92\x86", "\x89\xba"};

bool IsVolumePart(std::string_view text) {
  return std::find(kVolumeParts.begin(), kVolumeParts.end(), text) != kVolumeParts.end();
}

}  // namespace

bool IsAllDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), IsAsciiDigit); }
bool HasDigit(std::string_view text) { return std::any_of(text.begin(), text.end(), IsAsciiDigit); }
bool IsRomanNumeral(std::string_view text) { return std::all_of(text.begin(), text.end(), IsRomanByte); }
bool IsLettersOrHyphen(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsLetterOrHyphenByte);
}

bool IsKanjiNumeral(std::string_view text) {
  // Only complete two-byte units count: the last byte of an odd-length text
  // is not examined.
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    if (std::find(kKanjiNumerals.begin(), kKanjiNumerals.end(), text.substr(i, 2)) ==
        kKanjiNumerals.end()) {
      return false;
    }
  }
  return true;
}

bool IsVolumeToken(std::string_view text) {
  return IsAllDigits(text) || IsVolumePart(text) || IsKanjiNumeral(text) || IsRomanNumeral(text);
}

bool IsVolumeTokenLoose(std::string_view text) {
  return HasDigit(text) || IsVolumePart(text) || IsKanjiNumeral(text) || IsRomanNumeral(text);
}

}  // namespace bk
