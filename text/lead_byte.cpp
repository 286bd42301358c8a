#include "text/lead_byte.h"

#include "platform/locale.h"

namespace bk::detail {

std::array<bool, 256> AskLeadBytes() {
  std::array<bool, 256> table{};
  const auto& locale = platform::Locale();
  for (int b = 0; b < 256; ++b) table[b] = locale.is_lead_byte(static_cast<unsigned char>(b));
  return table;
}

}  // namespace bk::detail
