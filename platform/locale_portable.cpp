// The locale operations from own tables, matching what the Windows calls do
// for the Japanese locale (code page 932).
#include <algorithm>
#include <cstdint>

#include "platform/locale.h"

namespace bk::platform {
namespace {

#include "platform/cp932_tables.inc"

// What an unmapped byte sequence decodes to ("・"), and what a character
// without an encoding becomes.
constexpr char16_t kDefaultWide = 0x30FB;
constexpr char kDefaultAnsi = '?';

constexpr bool IsLeadRange(unsigned b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

struct LeadTable {
  bool lead[256] = {};
  constexpr LeadTable() {
    for (unsigned b = 0; b < 256; ++b) lead[b] = IsLeadRange(b);
  }
};
constexpr LeadTable kLeadTable;

bool IsLeadByte(unsigned char byte) { return kLeadTable.lead[byte]; }

unsigned LeadIndex(unsigned char lead) { return lead <= 0x9F ? lead - 0x81u : lead - 0xE0u + 31u; }

char16_t DecodePair(unsigned char lead, unsigned char trail) {
  if (trail < 0x40 || trail > 0xFC) return kDefaultWide;
  char16_t c = kDoubleByte[LeadIndex(lead)][trail - 0x40];
  return c ? c : kDefaultWide;
}

std::u16string AnsiToWide(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (!IsLeadByte(b)) {
      out += kSingleByte[b];
    } else if (i + 1 == text.size()) {
      out += kDefaultWide;
    } else {
      out += DecodePair(b, static_cast<unsigned char>(text[++i]));
    }
  }
  return out;
}

std::string WideToAnsi(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char16_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    const auto* end = kEncode + std::size(kEncode);
    const auto* it = std::lower_bound(kEncode, end, c,
                                      [](const EncodePair& p, char16_t w) { return p.wide < w; });
    if (it == end || it->wide != c) {
      out += kDefaultAnsi;
    } else if (it->ansi > 0xFF) {
      out += static_cast<char>(it->ansi >> 8);
      out += static_cast<char>(it->ansi & 0xFF);
    } else {
      out += static_cast<char>(it->ansi);
    }
  }
  return out;
}

std::optional<std::u16string> MapWide(std::u16string_view text, std::uint32_t) {
  return std::u16string(text);
}

std::optional<std::string> MapAnsi(std::string_view text, std::uint32_t) { return std::string(text); }

std::string UpperAnsi(std::string_view text) { return std::string(text); }

int CompareIgnoreCase(std::string_view a, std::string_view b) { return a.compare(b); }

std::string ReadProfileString(std::string_view, std::string_view, std::string_view,
                              std::string_view default_value) {
  return std::string(default_value);
}

}  // namespace

const LocaleOps& PortableLocale() {
  static const LocaleOps ops{"portable",  IsLeadByte, AnsiToWide,        WideToAnsi,       MapWide,
                             MapAnsi,     UpperAnsi,  CompareIgnoreCase, ReadProfileString};
  return ops;
}

}  // namespace bk::platform
