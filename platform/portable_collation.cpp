#include "platform/portable_collation.h"

#include <string>
#include <tuple>
#include <vector>

#include "platform/locale.h"

namespace bk::platform {
namespace {

// Word sort: these count only when everything else is equal.
bool IsIgnoredAtFirst(char16_t c) { return c == u'\'' || c == u'-' || c == 0xFF0D || c == 0x2010; }

// The order of the ASCII symbols in the Japanese collation.
constexpr std::u16string_view kSymbolOrder = u" !\"#$%&()*,./:;?@[]^_`{|}~\\+<=>";

enum Group { kSymbol, kDigit, kLongVowel, kLatin, kOtherLetter, kKana, kOther };

struct Weights {
  Group group;
  unsigned primary;
  unsigned diacritic;  // 0 plain, 1 voiced, 2 semi-voiced
  unsigned form;       // 0 narrow, 1 wide; kana: small before full size, each half-width, katakana, hiragana
};

char16_t Narrow(char16_t c) { return c >= 0xFF01 && c <= 0xFF5E ? c - 0xFEE0 : (c == 0x3000 ? u' ' : c); }

bool IsHiragana(char16_t c) { return c >= 0x3041 && c <= 0x3096; }
bool IsKatakana(char16_t c) {
  return (c >= 0x30A1 && c <= 0x30FA) || (c >= 0xFF66 && c <= 0xFF9D && c != 0xFF70);
}
bool IsLongVowelMark(char16_t c) { return c == 0x30FC || c == 0xFF70; }

// Small kana sort with their full-size forms.
char16_t FullSize(char16_t katakana) {
  switch (katakana) {
    case 0x30A1: case 0x30A3: case 0x30A5: case 0x30A7: case 0x30A9:
    case 0x30C3: case 0x30E3: case 0x30E5: case 0x30E7: case 0x30EE:
      return katakana + 1;
    case 0x30F5:
      return 0x30AB;
    case 0x30F6:
      return 0x30B1;
    default:
      return katakana;
  }
}

// Kana: one primary weight per base sound (full-width katakana without the
// voiced mark); the mark and the form come later.
Weights KanaWeights(char16_t c) {
  const LocaleOps& ops = PortableLocale();
  const unsigned form = c >= 0xFF66 ? 0 : IsHiragana(c) ? 2 : 1;
  const char16_t katakana = IsHiragana(c) ? c + 0x60 : c;
  const std::u16string half = *ops.map_wide(std::u16string_view(&katakana, 1), kHalfWidth);
  const std::u16string base = *ops.map_wide(std::u16string_view(half.data(), 1), kFullWidth);
  const unsigned diacritic = half.size() < 2 ? 0 : half[1] == 0xFF9E ? 1 : 2;
  const char16_t full_size = FullSize(base[0]);
  const unsigned size = full_size != base[0] ? 0 : 1;
  return {kKana, full_size, diacritic, size * 3 + form};
}

Weights CharWeights(char16_t c) {
  const char16_t n = Narrow(c);
  const unsigned form = n != c ? 1 : 0;
  if (n < 0x80) {
    if (n >= u'0' && n <= u'9') return {kDigit, n, 0, form};
    if (n >= u'a' && n <= u'z') return {kLatin, static_cast<unsigned>(n - 0x20), 0, form};
    if (n >= u'A' && n <= u'Z') return {kLatin, n, 0, form};
    const std::size_t rank = kSymbolOrder.find(n);
    return {kSymbol, rank == std::u16string_view::npos ? n : static_cast<unsigned>(rank), 0, form};
  }
  if (IsHiragana(c) || IsKatakana(c)) return KanaWeights(c);
  if (IsLongVowelMark(c)) return {kLongVowel, 0, 0, c == 0xFF70 ? 0u : 1u};
  const LocaleOps& ops = PortableLocale();
  const std::string upper = ops.upper_ansi(ops.wide_to_ansi(std::u16string_view(&c, 1)));
  const unsigned code = upper.size() == 2 ? (static_cast<unsigned char>(upper[0]) << 8) |
                                                static_cast<unsigned char>(upper[1])
                                          : c;
  // Greek and Cyrillic (code page rows 0x83 0x9F and 0x84) before kanji.
  if (code >= 0x839F && code <= 0x84BE) return {kOtherLetter, code, 0, 0};
  return {upper.size() == 2 && code >= 0x889F ? kOther : kSymbol, code + 0x10000, 0, 0};
}

struct SortKey {
  std::vector<std::tuple<Group, unsigned>> primary;
  std::vector<unsigned> diacritic;
  std::vector<unsigned> form;
  // The ignored characters: a later position sorts first, then the character.
  std::vector<std::tuple<long, char16_t>> ignored;
};

SortKey MakeKey(std::string_view text) {
  SortKey key;
  const std::u16string wide = PortableLocale().ansi_to_wide(text);
  for (std::size_t i = 0; i < wide.size(); ++i) {
    if (IsIgnoredAtFirst(wide[i])) {
      key.ignored.emplace_back(-static_cast<long>(i), wide[i]);
      continue;
    }
    const Weights w = CharWeights(wide[i]);
    key.primary.emplace_back(w.group, w.primary);
    key.diacritic.push_back(w.diacritic);
    key.form.push_back(w.form);
  }
  return key;
}

template <typename T>
int Compare(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

// Levels: base characters (letter case folded), voiced marks, width and kana
// form, then the characters that word sort ignores at first.
int PortableCompareIgnoreCase(std::string_view a, std::string_view b) {
  const SortKey ka = MakeKey(a);
  const SortKey kb = MakeKey(b);
  if (int r = Compare(ka.primary, kb.primary)) return r;
  if (int r = Compare(ka.diacritic, kb.diacritic)) return r;
  if (int r = Compare(ka.form, kb.form)) return r;
  return Compare(ka.ignored, kb.ignored);
}

}  // namespace bk::platform
