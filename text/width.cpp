#include "text/width.h"

#include "platform/locale.h"

namespace bk {

std::u16string MapWidth(std::u16string_view text, std::uint32_t flag) {
  if (text.empty()) return {};
  auto mapped = platform::Locale().map_wide(text, flag);
  return mapped ? *std::move(mapped) : std::u16string(text);
}

std::u16string MapHalfWidth(std::u16string_view text) { return MapWidth(text, platform::kHalfWidth); }
std::u16string MapFullWidth(std::u16string_view text) { return MapWidth(text, platform::kFullWidth); }

std::u16string ToWide(std::string_view text) { return platform::Locale().ansi_to_wide(text); }
std::string ToAnsi(std::u16string_view text) { return platform::Locale().wide_to_ansi(text); }

std::string MapHalfWidthText(std::string_view text) { return ToAnsi(MapHalfWidth(ToWide(text))); }
std::string MapFullWidthText(std::string_view text) { return ToAnsi(MapFullWidth(ToWide(text))); }

std::string MapHalfWidthAnsi(std::string_view text) {
  // The mapping reads the text as a C string: a zero byte ends it.
  text = text.substr(0, text.find('\0'));
  if (text.empty()) return {};
  auto mapped = platform::Locale().map_ansi(text, platform::kHalfWidth);
  return mapped ? *std::move(mapped) : std::string(text);
}

std::string ToUpperLocale(std::string_view text) { return platform::Locale().upper_ansi(text); }

}  // namespace bk
