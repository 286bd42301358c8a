// The personal mode, switched on by a marker file beside the page file.
#pragma once

#include <string_view>

namespace bk {

// When a file exists at marker_path: in Size "文庫" becomes "A6" and
// "コミック" is removed, Extra1 := extra1, Extra2 := extra2, PageUrl emptied.
void ApplyPersonalMode(std::string_view marker_path, std::string_view extra1,
                       std::string_view extra2);

}  // namespace bk
