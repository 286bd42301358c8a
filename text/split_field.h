#pragma once

#include <string>
#include <string_view>

namespace bk {

// The n-th (1-based) field of text split at the one-byte delimiter, searched
// on character boundaries. Consecutive delimiters make empty fields; n below
// 1 or beyond the number of fields gives "".
std::string SplitField(std::string_view text, char delimiter, long n);

}  // namespace bk
