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

// Lines up to this long are looked through byte by byte: cheaper than a
// library call for each of the two break characters.
constexpr std::size_t kShortLine = 32;

}  // namespace

// Beyond a short line, the next CR and the next LF are each searched for with
// memchr, and only again once the split has passed them, so the text is read
// once per break character.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t cr = 0;
  std::size_t lf = 0;
  bool searched = false;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t short_end = std::min(text.size(), start + kShortLine);
    std::size_t end = start;
    while (end < short_end && text[end] != '\r' && text[end] != '\n') ++end;
    if (end == short_end && end < text.size()) {
      if (!searched || cr < start) cr = NextOf(text, '\r', end);
      if (!searched || lf < start) lf = NextOf(text, '\n', end);
      searched = true;
      end = std::min(cr, lf);
    }
    lines.push_back(text.substr(start, end - start));
    if (end == text.size()) break;
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

}  // namespace bk
