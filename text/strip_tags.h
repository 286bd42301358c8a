#pragma once

#include <string>
#include <string_view>

namespace bk {

// Removes markup between "<" and ">", keeps comments whole, then decodes
// "&lt;", "&gt;" and "&nbsp;" (and nothing else).
std::string StripTags(std::string_view text);

}  // namespace bk
