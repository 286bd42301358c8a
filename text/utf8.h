// UTF-8 at the edges of the system: test sources, the terminal. The system
// itself works on code page 932 bytes.
#pragma once

#include <string>
#include <string_view>

namespace bk {

// UTF-8 <-> UTF-16. A pair of surrogates becomes one code point; a lone
// surrogate is written as it is. A truncated sequence at the end of the
// UTF-8 text takes the bits it has.
std::u16string Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::u16string_view wide);

// Code page 932 <-> UTF-8, through the platform's conversion.
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);

}  // namespace bk
