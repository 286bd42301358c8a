// Separating volume numbers and bracketed remarks from an item title.
#pragma once

#include <string>
#include <string_view>

namespace bk {

// Writes Book[Title], sets Book[Volume] only while it is empty, and returns
// the remark text (trimmed) for the subtitle.
std::string SplitTitleVolume(std::string_view title);

}  // namespace bk
