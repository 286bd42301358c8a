// Searching code page 932 text. Positions are 1-based; 0 means not found.
#pragma once

#include <cstddef>
#include <string_view>

namespace bk {

// First byte-wise occurrence (may start on a trail byte); 0 when there is
// none or either text is empty.
std::size_t FindBytes(std::string_view needle, std::string_view text);
// First occurrence that starts on a character boundary; 0 when none or
// when the needle is empty.
std::size_t FindAligned(std::string_view needle, std::string_view text);
// 0-based index of the first occurrence at or after index from that starts
// on a character boundary, from itself counting as one; npos when none or
// when the needle is empty. Lets a caller resume a search without walking the
// text again.
std::size_t FindAlignedFrom(std::string_view needle, std::string_view text, std::size_t from);
// Last character of text that is one of the one-byte characters in set;
// a trail byte never counts.
std::size_t FindLastOf(std::string_view set, std::string_view text);

inline bool Contains(std::string_view text, std::string_view needle) {
  return FindBytes(needle, text) > 0;
}

}  // namespace bk
