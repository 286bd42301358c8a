#include "page/marker_cursor.h"

#include "text/find.h"

namespace bk {

bool MarkerCursor::OnLine(std::size_t j) {
  if (marker_.empty()) return false;
  const std::string_view line = page_.lines()[j];
  if (page_.rewritten(j)) return Contains(line, marker_);
  const std::string_view bytes = page_.bytes();
  const std::size_t begin = static_cast<std::size_t>(line.data() - bytes.data());
  if (!searched_ || (next_ != std::string_view::npos && next_ < begin)) {
    const std::size_t at = FindBytes(marker_, bytes.substr(begin));
    next_ = at == 0 ? std::string_view::npos : begin + at - 1;
    searched_ = true;
  }
  return next_ != std::string_view::npos && next_ + marker_.size() <= begin + line.size();
}

}  // namespace bk
