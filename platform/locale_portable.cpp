// The locale operations from own tables, matching what the Windows calls do
// for the Japanese locale (code page 932). The tables come from
// tools/gen-cp932-tables.py; the differential test under Wine holds the two
// implementations together.
#include <algorithm>
#include <cstdint>

#include "platform/locale.h"
#include "platform/portable_collation.h"
#include "platform/portable_profile.h"

namespace bk::platform {
namespace {

struct WideToCode {
  char16_t from;
  std::uint16_t code;
};
struct WideToWide {
  char16_t from;
  char16_t to;
};
struct WideToPair {
  char16_t from;
  char16_t first;
  char16_t second;  // 0 when the mapping gives one character
};
struct PairToWide {
  char16_t base;
  char16_t mark;
  char16_t to;
};

#include "platform/cp932_tables.inc"

// What an undecodable byte sequence becomes ("・"), and what a character
// without an encoding becomes.
constexpr char16_t kDefaultWide = 0x30FB;
constexpr char kDefaultAnsi = '?';

// Finds the entry of a table sorted by its first member.
template <typename Entry, std::size_t N>
const Entry* Lookup(const Entry (&table)[N], char16_t key) {
  const Entry* end = table + N;
  const Entry* it = std::lower_bound(table, end, key, [](const Entry& e, char16_t k) { return e.from < k; });
  return it != end && it->from == key ? it : nullptr;
}

struct LeadTable {
  bool lead[256] = {};
  constexpr LeadTable() {
    for (unsigned b = 0x81; b <= 0x9F; ++b) lead[b] = true;
    for (unsigned b = 0xE0; b <= 0xFC; ++b) lead[b] = true;
  }
};
constexpr LeadTable kLeadTable;

bool IsLeadByte(unsigned char byte) { return kLeadTable.lead[byte]; }

// Row of a lead byte in the two-byte tables.
std::size_t LeadRow(unsigned char lead) { return lead <= 0x9F ? lead - 0x81u : lead - 0xE0u + 31u; }

char16_t DecodePair(unsigned char lead, unsigned char trail) {
  if (trail < 0x40 || trail > 0xFC) return kDefaultWide;
  const char16_t c = kDoubleByte[LeadRow(lead)][trail - 0x40];
  return c ? c : kDefaultWide;
}

// How the code page splits text into characters: a lead byte takes the next
// byte as its trail byte, whatever it is, except a zero byte or the end of the
// text: then the lead byte alone is undecodable. Calls on_single(byte),
// on_pair(lead, trail) or on_lone_lead() per character, in order.
template <typename OnSingle, typename OnPair, typename OnLoneLead>
void ForEachChar(std::string_view text, OnSingle on_single, OnPair on_pair, OnLoneLead on_lone_lead) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (!IsLeadByte(b)) {
      on_single(b);
    } else if (i + 1 == text.size() || text[i + 1] == '\0') {
      on_lone_lead();
    } else {
      on_pair(b, static_cast<unsigned char>(text[++i]));
    }
  }
}

std::u16string AnsiToWide(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  ForEachChar(
      text, [&](unsigned char b) { out += kSingleByte[b]; },
      [&](unsigned char lead, unsigned char trail) { out += DecodePair(lead, trail); },
      [&] { out += kDefaultWide; });
  return out;
}

// The encoding of one character: one or two bytes.
struct Encoded {
  unsigned char size;
  char bytes[2];
};

Encoded Encode(char16_t c) {
  if (c < 0x80) return {1, {static_cast<char>(c), 0}};
  const WideToCode* e = Lookup(kEncode, c);
  if (e == nullptr) return {1, {kDefaultAnsi, 0}};
  if (e->code > 0xFF) return {2, {static_cast<char>(e->code >> 8), static_cast<char>(e->code & 0xFF)}};
  return {1, {static_cast<char>(e->code), 0}};
}

void AppendEncoded(char16_t c, std::string& out) {
  const Encoded e = Encode(c);
  out.append(e.bytes, e.size);
}

std::string WideToAnsi(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char16_t c : text) AppendEncoded(c, out);
  return out;
}

std::u16string HalfWidth(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size() * 2);
  for (char16_t c : text) {
    const WideToPair* e = Lookup(kHalfWidthMap, c);
    if (e == nullptr) {
      out += c;
      continue;
    }
    out += e->first;
    if (e->second != 0) out += e->second;
  }
  return out;
}

const PairToWide* FindJoin(char16_t base, char16_t mark) {
  for (const PairToWide& j : kFullWidthJoin) {
    if (j.base == base && j.mark == mark) return &j;
  }
  return nullptr;
}

// A half-width base followed by its half-width voiced mark becomes the one
// voiced full-width character.
std::u16string FullWidth(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (i + 1 < text.size() && (text[i + 1] == 0xFF9E || text[i + 1] == 0xFF9F)) {
      if (const PairToWide* j = FindJoin(c, text[i + 1])) {
        out += j->to;
        ++i;
        continue;
      }
    }
    const WideToWide* e = Lookup(kFullWidthMap, c);
    out += e ? e->to : c;
  }
  return out;
}

std::optional<std::u16string> MapChars(std::u16string_view text, std::uint32_t flags) {
  if (flags == kHalfWidth) return HalfWidth(text);
  if (flags == kFullWidth) return FullWidth(text);
  return std::nullopt;
}

// The wide mapping works on a zero-terminated text: it ends at a zero.
std::optional<std::u16string> MapWide(std::u16string_view text, std::uint32_t flags) {
  return MapChars(text.substr(0, text.find(u'\0')), flags);
}

std::optional<std::string> MapAnsi(std::string_view text, std::uint32_t flags) {
  std::optional<std::u16string> mapped = MapChars(AnsiToWide(text), flags);
  if (!mapped) return std::nullopt;
  return WideToAnsi(*mapped);
}

Encoded UpperEncoded(char16_t c) {
  const WideToWide* e = Lookup(kUpper, c);
  return Encode(e ? e->to : c);
}

// The upper-cased encoding of every character of the code page, built once:
// upper-casing goes over whole page texts, and two table lookups per
// character cost far less than decoding, mapping and encoding each one.
struct UpperTables {
  Encoded single[256];
  Encoded pair[60][256];  // by lead byte row and trail byte
  Encoded lone_lead;

  UpperTables() : lone_lead(UpperEncoded(kDefaultWide)) {
    for (unsigned b = 0; b < 256; ++b) {
      const auto byte = static_cast<unsigned char>(b);
      if (!IsLeadByte(byte)) {
        single[b] = UpperEncoded(kSingleByte[b]);
        continue;
      }
      for (unsigned trail = 0; trail < 256; ++trail) {
        pair[LeadRow(byte)][trail] = UpperEncoded(DecodePair(byte, static_cast<unsigned char>(trail)));
      }
    }
  }
};

const UpperTables& Uppers() {
  static const UpperTables tables;
  return tables;
}

// Upper-cased through wide text and written back into the same number of
// bytes: a character whose encoding no longer fits (an undecodable lead byte
// at the end becomes the two-byte "・") is not written, and the original
// bytes from there on stay.
std::string UpperAnsi(std::string_view text) {
  const UpperTables& t = Uppers();
  std::string out(text);
  std::size_t pos = 0;
  bool full = false;
  const auto put = [&](const Encoded& e) {
    if (full || pos + e.size > out.size()) {
      full = true;
      return;
    }
    out[pos] = e.bytes[0];
    if (e.size == 2) out[pos + 1] = e.bytes[1];
    pos += e.size;
  };
  ForEachChar(
      text, [&](unsigned char b) { put(t.single[b]); },
      [&](unsigned char lead, unsigned char trail) { put(t.pair[LeadRow(lead)][trail]); },
      [&] { put(t.lone_lead); });
  return out;
}

}  // namespace

const LocaleOps& PortableLocale() {
  static const LocaleOps ops{"portable", IsLeadByte, AnsiToWide, WideToAnsi, MapWide, MapAnsi, UpperAnsi,
                             PortableCompareIgnoreCase, PortableReadProfileString};
  return ops;
}

}  // namespace bk::platform
