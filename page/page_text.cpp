#include "page/page_text.h"

#include "text/lines.h"
#include "text/replace.h"

namespace bk {
namespace {

// A pass whose entity does not stand byte-wise in the text would only copy
// it, so it is left out.
void ReplaceEntity(std::string& text, std::string_view entity, std::string_view replacement) {
  if (text.find(entity) != std::string::npos) text = ReplaceAll(text, entity, replacement);
}

// "&amp;" first, so that "&amp;lt;" ends as "<". No pass creates a line
// break, so applying them line by line equals applying them to the whole
// text: every line starts on a character boundary either way.
std::string DecodeEntities(std::string_view line) {
  std::string t(line);
  ReplaceEntity(t, "&amp;", "&");
  ReplaceEntity(t, "&quot;", "\x81h");  // ”
  ReplaceEntity(t, "&lt;", "<");
  ReplaceEntity(t, "&gt;", ">");
  return t;
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
  for (std::size_t j = 0; j < lines_.size(); ++j) {
    if (!HasEntity(lines_[j])) continue;
    lines_[j] = copies_.emplace_back(DecodeEntities(lines_[j]));
    rewritten_[j] = true;
  }
}

}  // namespace bk
