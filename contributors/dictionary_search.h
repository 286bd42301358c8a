#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace bk {

// For each key, the position of its first byte-wise occurrence in text
// (1-based, 0 when absent or when the key is empty): what FindBytes gives for
// the keys one by one, found in one walk over the text.
std::vector<std::size_t> FindEachFirst(std::string_view text, const std::vector<std::string>& keys);

}  // namespace bk
