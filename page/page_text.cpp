#include "page/page_text.h"

#include "text/lines.h"
#include "text/replace.h"

namespace bk {
namespace {

// "&amp;" first, so that "&amp;lt;" ends as "<". No pass creates a line
// break, so applying them line by line equals applying them to the whole
// text: every line starts on a character boundary either way.
std::string DecodeEntities(std::string_view line) {
  std::string t = ReplaceAll(line, "&amp;", "&");
  t = ReplaceAll(t, "&quot;", "\x81h");  // ”
  t = ReplaceAll(t, "&lt;", "<");
  return ReplaceAll(t, "&gt;", ">");
}

}  // namespace

PageText::PageText(std::string bytes) : bytes_(std::move(bytes)), lines_(SplitLines(bytes_)) {
  rewritten_.assign(lines_.size(), false);
  for (std::size_t j = 0; j < lines_.size(); ++j) {
    if (lines_[j].find('&') == std::string_view::npos) continue;
    std::string decoded = DecodeEntities(lines_[j]);
    if (decoded == lines_[j]) continue;
    lines_[j] = copies_.emplace_back(std::move(decoded));
    rewritten_[j] = true;
  }
}

}  // namespace bk
