#pragma once

#include <string_view>
#include <vector>

namespace bk {

// Splits at CR LF, a lone CR or a lone LF. A break at the very end adds no
// empty line; empty lines between breaks are kept. The views point into text.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace bk
