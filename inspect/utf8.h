#pragma once

#include <string>
#include <string_view>

namespace bk {

// Code page 932 text as UTF-8, for the terminal.
std::string AnsiToUtf8(std::string_view text);

}  // namespace bk
