#include "text/lead_byte.h"

#include <array>

#include "platform/locale.h"

namespace bk {
namespace {

// The lead-byte ranges of the ANSI code page, asked once: every character
// walk tests each byte, so the test must not go to the platform each time.
std::array<bool, 256> LeadByteTable() {
  std::array<bool, 256> table{};
  const auto& locale = platform::Locale();
  for (int b = 0; b < 256; ++b) table[b] = locale.is_lead_byte(static_cast<unsigned char>(b));
  return table;
}

}  // namespace

bool IsLeadByte(unsigned char byte) {
  static const std::array<bool, 256> table = LeadByteTable();
  return table[byte];
}

}  // namespace bk
