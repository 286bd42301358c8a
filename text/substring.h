// Substrings and trimming with the clamping rules every stage relies on.
// Positions are 1-based byte positions.
#pragma once

#include <string>
#include <string_view>

namespace bk {

// count bytes from position pos. pos below 1 counts as 1 (count is not
// reduced); pos beyond the end, a negative count or an empty text give "";
// a count that runs past the end stops at the end.
std::string Copy(std::string_view text, long pos, long count);
// The first count bytes (clamped).
std::string Left(std::string_view text, long count);
// The bytes from position pos to the end (clamped).
std::string From(std::string_view text, long pos);

// Trimming removes the bytes 0x00-0x20 only; the ideographic space stays.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

bool EndsWith(std::string_view text, std::string_view suffix);

}  // namespace bk
