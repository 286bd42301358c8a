// Test helper: Japanese texts written in UTF-8 in test sources, turned into
// the code page 932 bytes the system works on, and back for readable failure
// messages. Short names, for tables of cases.
#pragma once

#include <string>
#include <string_view>

#include "text/utf8.h"

namespace bk::test {

inline std::string Sjis(std::string_view utf8) { return Utf8ToAnsi(utf8); }
inline std::string Utf8(std::string_view sjis) { return AnsiToUtf8(sjis); }

}  // namespace bk::test
