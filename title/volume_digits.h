#pragma once

#include <string>
#include <string_view>

namespace bk {

// The ASCII digits of text in order when it has any, else text unchanged.
std::string VolumeDigits(std::string_view text);
// The run of ASCII digits at the end of text; the whole text when it does not
// end with a digit.
std::string TrailingDigits(std::string_view text);
// Locale upper-cased, then mapped to full width through wide text.
std::string ToUpperFullWidth(std::string_view text);

}  // namespace bk
