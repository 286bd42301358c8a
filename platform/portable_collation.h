// Collation of the portable locale layer: an approximation of the Japanese
// user-default collation with letter case ignored (CompareStringA with
// NORM_IGNORECASE).
#pragma once

#include <string_view>

namespace bk::platform {

// <0, 0 or >0.
int PortableCompareIgnoreCase(std::string_view a, std::string_view b);

}  // namespace bk::platform
