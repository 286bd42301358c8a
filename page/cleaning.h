// Cleaning steps that the page handlers share.
#pragma once

#include <string>
#include <string_view>

namespace bk {

// Removes every tab and every CR LF.
std::string BasicClean(std::string_view text);
// Every full-width space becomes a half-width one.
std::string MapSpaces(std::string_view text);
// Basic cleaning, then "<br>" and "</td>" (any case) become CR LF.
std::string MarkBreaks(std::string_view text);
// Removes half-width spaces, maps full-width ones to half-width and joins
// each pair of CR LF into one (one left-to-right pass).
std::string SquashSpaces(std::string_view text);

}  // namespace bk
