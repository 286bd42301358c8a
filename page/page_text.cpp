#include "page/page_text.h"

#include <cstring>
#include <iterator>

#include "text/find.h"
#include "text/lines.h"

namespace bk {
namespace {

// One entity pass in place, as ReplaceAll does it: every occurrence that
// starts on a character boundary, left to right, the search resuming after
// it. An entity and its replacement are whole characters, so the boundaries
// after a replacement stay where they were; the replacement is shorter, so
// bytes ahead of the reading position are never overwritten before they are
// read.
void ReplaceEntity(std::string& text, std::string_view entity, std::string_view replacement) {
  char* const data = text.data();
  const std::string_view input(data, text.size());
  std::size_t out = 0;
  std::size_t in = 0;
  while (in < input.size()) {
    const std::size_t at = FindAlignedFrom(entity, input, in);
    const std::size_t kept_end = at == std::string_view::npos ? input.size() : at;
    if (out != in) std::memmove(data + out, data + in, kept_end - in);
    out += kept_end - in;
    if (at == std::string_view::npos) break;
    std::memcpy(data + out, replacement.data(), replacement.size());
    out += replacement.size();
    in = at + entity.size();
  }
  text.resize(out);
}

struct Entity {
  std::string_view text;
  std::string_view replacement;
};

// In the order the passes run: "&amp;" first, so that "&amp;lt;" ends as "<".
constexpr Entity kEntities[] = {{"&amp;", "&"}, {"&quot;", "\x81h"}, {"&lt;", "<"}, {"&gt;", ">"}};  // ”

// Which entities stand byte-wise in the text, one bit each in the passes'
// order. A pass whose entity is not there changes nothing.
unsigned EntitiesIn(std::string_view text) {
  unsigned found = 0;
  for (std::size_t at = text.find('&'); at != std::string_view::npos; at = text.find('&', at + 1)) {
    const std::string_view rest = text.substr(at);
    for (unsigned k = 0; k < std::size(kEntities); ++k) {
      if (rest.substr(0, kEntities[k].text.size()) == kEntities[k].text) found |= 1u << k;
    }
  }
  return found;
}

// The passes in their order, each needed one only. Only the "&amp;" pass
// creates entities ("&amp;lt;"); the later ones put a whole character
// between what they join, so none creates or breaks another's occurrence.
// No pass creates a line break, so applying them line by line equals
// applying them to the whole text: every line starts on a character boundary
// either way. The result goes to `t`, so one buffer serves every line.
void DecodeEntities(std::string_view line, unsigned found, std::string& t) {
  t.assign(line);
  if (found & 1u) {
    ReplaceEntity(t, kEntities[0].text, kEntities[0].replacement);
    found = EntitiesIn(t);
  }
  for (unsigned k = 1; k < std::size(kEntities); ++k) {
    if (found & 1u << k) ReplaceEntity(t, kEntities[k].text, kEntities[k].replacement);
  }
}

}  // namespace

PageText::PageText(std::string bytes) : bytes_(std::move(bytes)), lines_(SplitLines(bytes_)) {
  rewritten_.assign(lines_.size(), false);
  std::string decoded;
  for (std::size_t j = 0; j < lines_.size(); ++j) {
    // Most lines hold no entity and need no copy and no pass at all.
    const unsigned found = EntitiesIn(lines_[j]);
    if (found == 0) continue;
    DecodeEntities(lines_[j], found, decoded);
    lines_[j] = copies_.emplace_back(decoded);
    rewritten_[j] = true;
  }
}

}  // namespace bk
