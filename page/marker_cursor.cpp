#include "page/marker_cursor.h"

#include <cstring>

#include "text/find.h"

namespace bk {
namespace {

// How common a byte is in product pages, lower being rarer. Markup
// punctuation and frequent letters start nearly every candidate position;
// a marker is found faster by jumping (memchr) between occurrences of its
// rarest byte.
int Commonness(unsigned char b) {
  if (b >= 0xA0 && b <= 0xDF) return 0;  // only ever a trail byte or half-width kana
  if (b >= 'A' && b <= 'Z') return 1;
  if (b >= 0x80) return 2;               // lead bytes, common in Japanese text
  if (b >= 'a' && b <= 'z') return std::strchr("etaoinsrhlcdu", b) ? 4 : 3;
  if (b >= '0' && b <= '9') return 3;
  return 5;
}

std::size_t RarestByte(std::string_view marker) {
  std::size_t best = 0;
  for (std::size_t i = 1; i < marker.size(); ++i) {
    if (Commonness(static_cast<unsigned char>(marker[i])) <
        Commonness(static_cast<unsigned char>(marker[best]))) {
      best = i;
    }
  }
  return best;
}

}  // namespace

MarkerCursor::MarkerCursor(const PageText& page, std::string_view marker)
    : page_(page), marker_(marker), anchor_(RarestByte(marker)) {}

std::size_t MarkerCursor::FindFrom(std::size_t from) const {
  const std::string_view bytes = page_.bytes();
  const char* const data = bytes.data();
  const std::size_t last_start = bytes.size() - marker_.size();  // callers check the size
  for (std::size_t at = from; at <= last_start;) {
    const void* hit = std::memchr(data + at + anchor_, marker_[anchor_], last_start - at + 1);
    if (hit == nullptr) break;
    const std::size_t start = static_cast<std::size_t>(static_cast<const char*>(hit) - data) - anchor_;
    // The first byte alone turns most candidates down without a call.
    if (data[start] == marker_[0] && std::memcmp(data + start, marker_.data(), marker_.size()) == 0) return start;
    at = start + 1;
  }
  return std::string_view::npos;
}

bool MarkerCursor::OnLine(std::size_t j) {
  if (marker_.empty() || marker_.size() > page_.bytes().size()) return false;
  const std::string_view line = page_.lines()[j];
  if (page_.rewritten(j)) return marker_.size() <= line.size() && Contains(line, marker_);
  const std::size_t begin = static_cast<std::size_t>(line.data() - page_.bytes().data());
  if (!searched_ || (next_ != std::string_view::npos && next_ < begin)) {
    next_ = FindFrom(begin);
    searched_ = true;
  }
  return next_ != std::string_view::npos && next_ + marker_.size() <= begin + line.size();
}

unsigned char MarkerCursor::rarest_byte() const {
  return marker_.empty() ? 0 : static_cast<unsigned char>(marker_[anchor_]);
}

std::size_t MarkerCursor::NextStart() const {
  if (marker_.empty() || marker_.size() > page_.bytes().size()) return std::string_view::npos;
  return searched_ ? next_ : 0;
}

}  // namespace bk
