// Collation of the portable locale layer: an approximation of the Japanese
// user-default collation with letter case ignored (CompareStringA with
// NORM_IGNORECASE).
#pragma once

#include <string_view>

namespace bk::platform {

// <0, 0 or >0. Compares the first level character by character and builds
// the full sort keys only when that level ties.
int PortableCompareIgnoreCase(std::string_view a, std::string_view b);
// The same order from the two full sort keys, level after level.
int PortableCompareByKeys(std::string_view a, std::string_view b);

}  // namespace bk::platform
