#include "text/strip_tags.h"

#include "text/replace.h"

namespace bk {
namespace {

// Full-width less-than and greater-than stand in for the brackets of comment
// markers while the tags are removed.
constexpr std::string_view kCommentOpen = "<!--";
constexpr std::string_view kCommentClose = "-->";
constexpr std::string_view kMaskedOpen = "\x81\x83!--";
constexpr std::string_view kMaskedClose = "--\x81\x84";

// Each ">" ends a piece: the piece keeps what stands before its first "<" and
// loses the rest, and a piece without "<" is lost whole. What follows the
// last ">" keeps what stands before its first "<". One pass, where searching
// for the first "<" and ">" again after each tag would cost quadratic time.
std::string RemoveTags(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t start = 0;
  for (;;) {
    const std::size_t close = text.find('>', start);
    const std::string_view piece =
        text.substr(start, close == std::string_view::npos ? std::string_view::npos : close - start);
    const std::size_t open = piece.find('<');
    if (close == std::string_view::npos) {
      out.append(piece.substr(0, open));
      return out;
    }
    if (open != std::string_view::npos) out.append(piece.substr(0, open));
    start = close + 1;
  }
}

}  // namespace

std::string StripTags(std::string_view text) {
  std::string masked = ReplaceAll(ReplaceAll(text, kCommentOpen, kMaskedOpen), kCommentClose, kMaskedClose);
  std::string out = RemoveTags(masked);
  out = ReplaceAll(out, kMaskedOpen, kCommentOpen);
  out = ReplaceAll(out, kMaskedClose, kCommentClose);
  out = ReplaceAll(out, "&lt;", "<");
  out = ReplaceAll(out, "&gt;", ">");
  return ReplaceAll(out, "&nbsp;", " ");
}

}  // namespace bk
