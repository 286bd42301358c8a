#include "text/replace.h"

#include "text/find.h"
#include "text/width.h"

namespace bk {

std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement, Case mode) {
  if (pattern.empty()) return std::string(text);
  // Upper-casing keeps byte lengths, so a match found in the upper-cased copy
  // sits at the same position of the original text.
  std::string upper_text, upper_pattern;
  std::string_view search_text = text, search_pattern = pattern;
  if (mode == Case::kIgnore) {
    upper_text = ToUpperLocale(text);
    upper_pattern = ToUpperLocale(pattern);
    search_text = upper_text;
    search_pattern = upper_pattern;
  }
  std::string out;
  out.reserve(text.size());
  std::size_t done = 0;
  for (std::size_t at = FindAlignedFrom(search_pattern, search_text, 0);
       at != std::string_view::npos;
       at = FindAlignedFrom(search_pattern, search_text, done)) {
    out.append(text, done, at - done);
    out.append(replacement);
    done = at + search_pattern.size();
  }
  out.append(text, done);
  return out;
}

}  // namespace bk
