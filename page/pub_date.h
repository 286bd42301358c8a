#pragma once

#include <string_view>

namespace bk {

// Fills Book's PubYear (always), PubMonth and PubDay (when two digits other
// than "00") from the date cell text.
void ParsePubDate(std::string_view cell);

}  // namespace bk
