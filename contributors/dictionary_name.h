#pragma once

#include <string>
#include <string_view>

namespace bk {

// Key form of a name for the author and label dictionaries.
std::string NormalizeDictionaryName(std::string_view name);

}  // namespace bk
