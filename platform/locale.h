// The locale operations the system takes from the platform: code page 932
// conversion, lead bytes, width mapping, locale upper-casing, collation and
// profile files. One interface, two implementations: Win32 (the real calls,
// used by the DLL) and portable (own tables, used by the native build).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bk::platform {

// Flags of the width mappings, as the Windows locale mapping numbers them.
inline constexpr std::uint32_t kHalfWidth = 0x00400000;  // LCMAP_HALFWIDTH
inline constexpr std::uint32_t kFullWidth = 0x00800000;  // LCMAP_FULLWIDTH

struct LocaleOps {
  const char* name;
  // Lead bytes of the ANSI code page (0x81-0x9F, 0xE0-0xFC for 932).
  bool (*is_lead_byte)(unsigned char byte);
  // Code page 932 <-> UTF-16, default flags (Microsoft's code page 932).
  // A lead byte takes the next byte as its trail byte unless that is a zero
  // byte or the end of the text; a lone lead byte and an unmapped pair become
  // U+30FB ("・"), so the round trip makes them 81 45. A character without an
  // encoding becomes its look-alike (é -> e) or "?".
  std::u16string (*ansi_to_wide)(std::string_view text);
  std::string (*wide_to_ansi)(std::u16string_view text);
  // Width mapping of wide text (user default locale) up to its first zero
  // character; nullopt when it fails. kHalfWidth splits a voiced katakana into
  // the half-width base and mark; kFullWidth joins them again.
  std::optional<std::u16string> (*map_wide)(std::u16string_view text, std::uint32_t flags);
  // Width mapping of code page 932 bytes directly (user default LCID): the
  // whole text, zero bytes included, whatever its length.
  std::optional<std::string> (*map_ansi)(std::string_view text, std::uint32_t flags);
  // Locale upper-casing of a code page 932 byte string, byte length kept: the
  // text is upper-cased through wide text; a character that no longer fits
  // (a lone lead byte at the end would become two bytes) keeps its bytes.
  std::string (*upper_ansi)(std::string_view text);
  // Collation of the user default locale ignoring case: <0, 0 or >0. The
  // portable one agrees with Windows on ASCII text and letter case; for kana,
  // kanji and symbols it is an approximation.
  int (*compare_ignore_case)(std::string_view a, std::string_view b);
  // Profile-file read: section/key case-insensitive, value trimmed, one pair
  // of surrounding quotes stripped, first key of the first matching section
  // wins, ";" is no comment, cut to whole characters within 2047 bytes;
  // missing file, section or key yields the default.
  std::string (*read_profile_string)(std::string_view path, std::string_view section,
                                     std::string_view key, std::string_view default_value);
};

const LocaleOps& PortableLocale();
#ifdef _WIN32
const LocaleOps& Win32Locale();
#endif
// The implementation this build uses: Win32 on Windows, portable elsewhere.
const LocaleOps& Locale();

}  // namespace bk::platform
