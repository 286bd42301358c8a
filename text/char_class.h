// Character-class and volume-token tests. They look at single bytes, so a
// two-byte character fails every all-bytes test and is never a digit.
#pragma once

#include <string_view>

namespace bk {

inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

bool IsAllDigits(std::string_view text);        // "" -> true
bool HasDigit(std::string_view text);           // "" -> false
bool IsRomanNumeral(std::string_view text);     // I V X i v x only; "" -> true
bool IsLettersOrHyphen(std::string_view text);  // A-Z a-z '-'; "" -> true
bool IsKanjiNumeral(std::string_view text);     // complete two-byte units only
bool IsVolumeToken(std::string_view text);
bool IsVolumeTokenLoose(std::string_view text);  // HasDigit in place of IsAllDigits

}  // namespace bk
