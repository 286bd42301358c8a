// Finds which page lines carry a marker with one forward search through the
// page's bytes, instead of one search per line.
#pragma once

#include <cstddef>
#include <string_view>

#include "page/page_text.h"

namespace bk {

class MarkerCursor {
 public:
  MarkerCursor(const PageText& page, std::string_view marker) : page_(page), marker_(marker) {}
  // Whether line j contains the marker. Lines must be asked in ascending
  // order.
  bool OnLine(std::size_t j);

 private:
  const PageText& page_;
  std::string_view marker_;
  std::size_t next_ = 0;         // offset of the next occurrence in the bytes
  bool searched_ = false;        // next_ is valid
};

}  // namespace bk
