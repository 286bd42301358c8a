// Test helper: Japanese texts written in UTF-8 in test sources, turned into
// the code page 932 bytes the system works on (through the platform's own
// conversion), and back for readable failure messages.
#pragma once

#include <string>
#include <string_view>

namespace bk::test {

std::string Sjis(std::string_view utf8);
std::string Utf8(std::string_view sjis);

}  // namespace bk::test
