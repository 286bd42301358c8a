#pragma once

#include <string>
#include <string_view>

namespace bk {

// Full-width digits and Latin letters become ASCII by byte arithmetic; every
// other character is copied. Stops at the first zero byte.
std::string ToHalfWidthAscii(std::string_view text);

}  // namespace bk
