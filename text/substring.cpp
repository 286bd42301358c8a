#include "text/substring.h"

#include <limits>

namespace bk {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

}  // namespace

std::string Copy(std::string_view text, long pos, long count) {
  if (pos < 1) pos = 1;
  if (count < 0 || static_cast<unsigned long>(pos) > text.size()) return {};
  return std::string(text.substr(static_cast<std::size_t>(pos) - 1, static_cast<std::size_t>(count)));
}

std::string Left(std::string_view text, long count) { return Copy(text, 1, count); }

std::string From(std::string_view text, long pos) {
  return Copy(text, pos, std::numeric_limits<long>::max());
}

std::string TrimLeft(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return std::string(text.substr(i));
}

std::string TrimRight(std::string_view text) {
  std::size_t n = text.size();
  while (n > 0 && IsBlank(text[n - 1])) --n;
  return std::string(text.substr(0, n));
}

std::string Trim(std::string_view text) { return TrimLeft(TrimRight(text)); }

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

}  // namespace bk
