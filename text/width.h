// Width mappings and locale upper-casing, through the platform's locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bk {

// Maps wide text with the locale mapping; the input unchanged when the
// mapping fails. Empty in, empty out.
std::u16string MapWidth(std::u16string_view text, std::uint32_t flag);
std::u16string MapHalfWidth(std::u16string_view text);
std::u16string MapFullWidth(std::u16string_view text);

// Code page 932 text through wide text and back.
std::u16string ToWide(std::string_view text);
std::string ToAnsi(std::u16string_view text);
std::string MapHalfWidthText(std::string_view text);  // ToAnsi(MapHalfWidth(ToWide(t)))
std::string MapFullWidthText(std::string_view text);  // ToAnsi(MapFullWidth(ToWide(t)))

// Half-width form of code page 932 bytes mapped directly (the whole text,
// whatever its length, up to its first zero byte); the text unchanged when the
// mapping fails.
std::string MapHalfWidthAnsi(std::string_view text);

// Locale upper-casing of code page 932 bytes (keeps the byte length).
std::string ToUpperLocale(std::string_view text);

}  // namespace bk
