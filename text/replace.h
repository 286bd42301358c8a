// Replacing every occurrence, left to right, on character boundaries.
#pragma once

#include <string>
#include <string_view>

namespace bk {

enum class Case { kExact, kIgnore };

// Each match (FindAligned) is replaced and the search resumes after it, so
// the replacement is never searched again. With Case::kIgnore the matches are
// found in locale upper-cased copies of text and pattern and replaced at the
// same positions of the unconverted text. An empty pattern changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement, Case mode = Case::kExact);

inline std::string RemoveAll(std::string_view text, std::string_view pattern) {
  return ReplaceAll(text, pattern, {});
}

}  // namespace bk
