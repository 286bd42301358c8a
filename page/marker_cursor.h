// Finds which page lines carry a marker with one forward search through the
// page's bytes, instead of one search per line.
#pragma once

#include <cstddef>
#include <string_view>

#include "page/page_text.h"

namespace bk {

class MarkerCursor {
 public:
  MarkerCursor(const PageText& page, std::string_view marker);
  // Whether line j contains the marker. Lines must be asked in ascending
  // order.
  bool OnLine(std::size_t j);
  // Offset in the page's bytes before which no line of the original bytes
  // can carry the marker as far as the cursor knows: 0 before its first
  // search, npos when the marker is nowhere ahead or can never be found.
  std::size_t NextStart() const;
  // The marker's least common byte (0 for an empty marker): a line without
  // it does not carry the marker.
  unsigned char rarest_byte() const;

 private:
  // Offset of the first occurrence at or after `from` in the page's bytes;
  // npos when there is none.
  std::size_t FindFrom(std::size_t from) const;

  const PageText& page_;
  std::string_view marker_;
  std::size_t anchor_;           // index of the marker's least common byte
  std::size_t next_ = 0;         // offset of the next occurrence in the bytes
  bool searched_ = false;        // next_ is valid
};

}  // namespace bk
