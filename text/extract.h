#pragma once

#include <string>
#include <string_view>

namespace bk {

// The text after the first byte-wise occurrence of key, cut before the first
// occurrence of terminator after it (no cut for an empty or absent
// terminator). Empty when key or text is empty or key does not occur.
std::string ExtractAfter(std::string_view text, std::string_view key,
                         std::string_view terminator);

}  // namespace bk
