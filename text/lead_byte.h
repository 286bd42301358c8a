// Character boundaries of code page 932 text.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace bk {

namespace detail {
// The lead-byte ranges of the ANSI code page, as the platform gives them.
std::array<bool, 256> AskLeadBytes();
}  // namespace detail

// True for a byte that starts a two-byte character in the ANSI code page.
// Inline over a table asked once: every character walk tests each byte.
inline bool IsLeadByte(unsigned char byte) {
  static const std::array<bool, 256> table = detail::AskLeadBytes();
  return table[byte];
}

// Length in bytes of the character that starts at index i (0-based): 2 for a
// lead byte followed by another byte, otherwise 1 (a lone lead byte at the
// end of the text is one character of its own).
inline std::size_t CharLengthAt(std::string_view text, std::size_t i) {
  return (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
}

}  // namespace bk
