#include "text/find.h"

#include <array>

#include "text/lead_byte.h"

namespace bk {

std::size_t FindBytes(std::string_view needle, std::string_view text) {
  if (needle.empty() || text.empty()) return 0;
  const std::size_t at = text.find(needle);
  return at == std::string_view::npos ? 0 : at + 1;
}

std::size_t FindAlignedFrom(std::string_view needle, std::string_view text, std::size_t from) {
  if (needle.empty()) return std::string_view::npos;
  // `boundary` only moves forward, so the walk over the characters costs one
  // pass however many byte-wise candidates turn out to start on a trail byte.
  std::size_t boundary = from;
  for (std::size_t at = text.find(needle, from); at != std::string_view::npos;
       at = text.find(needle, boundary)) {
    while (boundary < at) boundary += CharLengthAt(text, boundary);
    if (boundary == at) return at;
  }
  return std::string_view::npos;
}

std::size_t FindAligned(std::string_view needle, std::string_view text) {
  const std::size_t at = FindAlignedFrom(needle, text, 0);
  return at == std::string_view::npos ? 0 : at + 1;
}

std::size_t FindLastOf(std::string_view set, std::string_view text) {
  std::array<bool, 256> in_set{};
  for (char c : set) in_set[static_cast<unsigned char>(c)] = true;
  // Trail bytes can only be told apart walking forward from the start; one
  // forward walk that remembers the last hit gives the same answer as the
  // backward scan.
  std::size_t last = 0;
  for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) {
    if (in_set[static_cast<unsigned char>(text[i])]) last = i + 1;
  }
  return last;
}

}  // namespace bk
