#include "page/page_text.h"

#include <cstring>

#include "text/lead_byte.h"
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
  std::size_t boundary = 0;
  while (in < input.size()) {
    std::size_t at = input.find(entity, in);
    for (; at != std::string_view::npos; at = input.find(entity, boundary)) {
      while (boundary < at) boundary += CharLengthAt(input, boundary);
      if (boundary == at) break;
    }
    const std::size_t kept_end = at == std::string_view::npos ? input.size() : at;
    if (out != in) std::memmove(data + out, data + in, kept_end - in);
    out += kept_end - in;
    if (at == std::string_view::npos) break;
    std::memcpy(data + out, replacement.data(), replacement.size());
    out += replacement.size();
    in = boundary = at + entity.size();
  }
  text.resize(out);
}

// "&amp;" first, so that "&amp;lt;" ends as "<". No pass creates a line
// break, so applying them line by line equals applying them to the whole
// text: every line starts on a character boundary either way. The result
// goes to `t`, so one buffer serves every line.
void DecodeEntities(std::string_view line, std::string& t) {
  t.assign(line);
  ReplaceEntity(t, "&amp;", "&");
  ReplaceEntity(t, "&quot;", "\x81h");  // ”
  ReplaceEntity(t, "&lt;", "<");
  ReplaceEntity(t, "&gt;", ">");
}

// Whether one of the four entities stands byte-wise in the line. Without one
// no pass changes anything (a pass only creates an entity out of "&amp;"),
// so most lines need no copy and no pass at all.
bool HasEntity(std::string_view line) {
  for (std::size_t at = line.find('&'); at != std::string_view::npos; at = line.find('&', at + 1)) {
    const std::string_view rest = line.substr(at + 1);
    for (std::string_view name : {"amp;", "quot;", "lt;", "gt;"}) {
      if (rest.substr(0, name.size()) == name) return true;
    }
  }
  return false;
}

}  // namespace

PageText::PageText(std::string bytes) : bytes_(std::move(bytes)), lines_(SplitLines(bytes_)) {
  rewritten_.assign(lines_.size(), false);
  std::string decoded;
  for (std::size_t j = 0; j < lines_.size(); ++j) {
    if (!HasEntity(lines_[j])) continue;
    DecodeEntities(lines_[j], decoded);
    lines_[j] = copies_.emplace_back(decoded);
    rewritten_[j] = true;
  }
}

}  // namespace bk
