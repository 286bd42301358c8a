#include "text/lines.h"

#include <algorithm>
#include <cstring>

namespace bk {
namespace {

// Index of the next c at or after from; the text's size when there is none.
std::size_t NextOf(std::string_view text, char c, std::size_t from) {
  const void* hit = std::memchr(text.data() + from, c, text.size() - from);
  return hit == nullptr ? text.size() : static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
}

}  // namespace

// The next CR and the next LF are each searched for with memchr only once
// the split has passed them, so the text is read once per break character.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  if (text.empty()) return lines;
  std::size_t cr = NextOf(text, '\r', 0);
  std::size_t lf = NextOf(text, '\n', 0);
  std::size_t start = 0;
  while (start < text.size()) {
    if (cr < start) cr = NextOf(text, '\r', start);
    if (lf < start) lf = NextOf(text, '\n', start);
    const std::size_t end = std::min(cr, lf);
    lines.push_back(text.substr(start, end - start));
    if (end == text.size()) break;
    start = end + (end == cr && lf == end + 1 ? 2 : 1);
  }
  return lines;
}

}  // namespace bk
