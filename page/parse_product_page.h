#pragma once

#include <string_view>

namespace bk {

// Scans the product page at page_path into Book; true when it held an item
// title. A page file that exists but cannot be read is a failed parse.
// Throws platform::FileError only for an option file that cannot be read.
bool ParseProductPage(std::string_view page_path, std::string_view image_prefix);

}  // namespace bk
