#include "text/split_field.h"

#include "text/find.h"

namespace bk {

std::string SplitField(std::string_view text, char delimiter, long n) {
  if (n < 1) return {};
  const std::string_view delim(&delimiter, 1);
  // Each field starts a new search, so the byte after a delimiter counts as
  // a character boundary even when the delimiter was a lead byte.
  std::size_t start = 0;
  for (long k = 1;; ++k) {
    const std::size_t at = FindAlignedFrom(delim, text, start);
    if (at == std::string_view::npos) {
      return k == n ? std::string(text.substr(start)) : std::string();
    }
    if (k == n) return std::string(text.substr(start, at - start));
    start = at + 1;
  }
}

}  // namespace bk
