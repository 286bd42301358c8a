#include "text/extract.h"

#include "text/find.h"

namespace bk {

std::string ExtractAfter(std::string_view text, std::string_view key,
                         std::string_view terminator) {
  const std::size_t p = FindBytes(key, text);
  if (p == 0) return {};
  std::string_view rest = text.substr(p - 1 + key.size());
  if (const std::size_t q = FindBytes(terminator, rest); q > 0) rest = rest.substr(0, q - 1);
  return std::string(rest);
}

}  // namespace bk
