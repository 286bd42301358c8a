#include "platform/portable_collation.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/locale.h"

namespace bk::platform {
namespace {

// Word sort: these count only when everything else is equal.
bool IsIgnoredAtFirst(char16_t c) { return c == u'\'' || c == u'-' || c == 0xFF0D || c == 0x2010; }

// The order of the ASCII symbols in the Japanese collation.
constexpr std::u16string_view kSymbolOrder = u" !\"#$%&()*,./:;?@[]^_`{|}~\\+<=>";

enum Group { kSymbol, kDigit, kLatin, kOtherLetter, kKana, kOther, kLast };

struct Weights {
  Group group;
  unsigned primary;
  unsigned diacritic = 0;  // 0 plain, 2 voiced, 4 semi-voiced; a separate voiced mark adds 10,
                           // a separate semi-voiced mark 11
  unsigned size = 1;       // 0 small kana
  unsigned drawn = 0;      // 1 for a long vowel mark
  unsigned form = 0;       // 0 narrow, 1 wide; kana: half-width, katakana, hiragana
};

char16_t Narrow(char16_t c) { return c >= 0xFF01 && c <= 0xFF5E ? c - 0xFEE0 : (c == 0x3000 ? u' ' : c); }

bool IsHiragana(char16_t c) { return c >= 0x3041 && c <= 0x3096; }
bool IsKatakana(char16_t c) { return (c >= 0x30A1 && c <= 0x30FA) || (c >= 0xFF66 && c <= 0xFF9D && c != 0xFF70); }
bool IsLongVowelMark(char16_t c) { return c == 0x30FC || c == 0xFF70; }

// A voiced or semi-voiced mark of its own (ﾞ ゛ ﾟ ゜) weighs only on the
// character before it: ｶﾞ sorts after ガ and が, before カ followed by anything.
unsigned SeparateMarkWeight(char16_t c) {
  if (c == 0xFF9E || c == 0x309B) return 10;
  if (c == 0xFF9F || c == 0x309C) return 11;
  return 0;
}

// The vowel of each katakana U+30A1-U+30FA ("-" for ン).
constexpr std::string_view kVowels =
    "aaiiuueeooaaiiuueeooaaiiuueeooaaiiuuueeooaiueoaaaiiiuuueeeoooaiueoaauuooaiueoaaieo-uaeaieo";
constexpr std::u16string_view kVowelLetters = u"\u30A2\u30A4\u30A6\u30A8\u30AA";

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
  const unsigned diacritic = half.size() < 2 ? 0 : half[1] == 0xFF9E ? 2 : 4;
  const char16_t full_size = FullSize(base[0]);
  return {kKana, full_size, diacritic, full_size != base[0] ? 0u : 1u, 0, form};
}

Weights CharWeights(char16_t c) {
  const char16_t n = Narrow(c);
  const unsigned form = n != c ? 1 : 0;
  if (n < 0x80) {
    if (n >= u'0' && n <= u'9') return {kDigit, n, 0, 1, 0, form};
    if (n >= u'a' && n <= u'z') return {kLatin, static_cast<unsigned>(n - 0x20), 0, 1, 0, form};
    if (n >= u'A' && n <= u'Z') return {kLatin, n, 0, 1, 0, form};
    const std::size_t rank = kSymbolOrder.find(n);
    return {kSymbol, rank == std::u16string_view::npos ? n : static_cast<unsigned>(rank), 0, 1, 0, form};
  }
  if (IsHiragana(c) || IsKatakana(c)) return KanaWeights(c);
  const LocaleOps& ops = PortableLocale();
  const std::string upper = ops.upper_ansi(ops.wide_to_ansi(std::u16string_view(&c, 1)));
  const unsigned code = upper.size() == 2 ? (static_cast<unsigned char>(upper[0]) << 8) |
                                                static_cast<unsigned char>(upper[1])
                                          : c;
  // Greek (from 0x83 0x9F) and Cyrillic (to 0x84 0x91) before kanji.
  if (code >= 0x839F && code <= 0x8491) return {kOtherLetter, code};
  return {upper.size() == 2 && code >= 0x889F ? kOther : kSymbol, code + 0x10000};
}

bool operator==(const Weights& a, const Weights& b) {
  return std::tie(a.group, a.primary, a.diacritic, a.size, a.drawn, a.form) ==
         std::tie(b.group, b.primary, b.diacritic, b.size, b.drawn, b.form);
}

// The weights of every character that code page 932 text decodes to, worked
// out once: names are compared over and over, and the weights of a kanji or
// a kana go through the encoding, upper-casing and width tables.
class CharWeightTable {
 public:
  CharWeightTable() : packed_(0x10000, 0) {
    const LocaleOps& ops = PortableLocale();
    for (unsigned b = 0; b < 256; ++b) {
      const char lead = static_cast<char>(b);
      Add(ops.ansi_to_wide(std::string_view(&lead, 1)));
      if (!ops.is_lead_byte(static_cast<unsigned char>(b))) continue;
      for (unsigned t = 1; t < 256; ++t) {
        const char pair[2] = {lead, static_cast<char>(t)};
        Add(ops.ansi_to_wide(std::string_view(pair, 2)));
      }
    }
  }

  Weights operator[](char16_t c) const { return packed_[c] != 0 ? Unpack(packed_[c]) : CharWeights(c); }

 private:
  // Bits 0-16 primary, 17-19 diacritic, 20 size, 21 drawn, 22-23 form,
  // 24-26 group, 31 set.
  static std::uint32_t Pack(const Weights& w) {
    return w.primary | w.diacritic << 17 | w.size << 20 | w.drawn << 21 | w.form << 22 |
           static_cast<std::uint32_t>(w.group) << 24 | 1u << 31;
  }
  static Weights Unpack(std::uint32_t p) {
    return {static_cast<Group>(p >> 24 & 7), p & 0x1FFFF, p >> 17 & 7, p >> 20 & 1, p >> 21 & 1, p >> 22 & 3};
  }
  // A character whose weights do not fit the bits is left to CharWeights.
  void Add(std::u16string_view chars) {
    for (char16_t c : chars) {
      if (packed_[c] != 0) continue;
      const Weights w = CharWeights(c);
      if (Unpack(Pack(w)) == w) packed_[c] = Pack(w);
    }
  }

  std::vector<std::uint32_t> packed_;
};

Weights CachedCharWeights(char16_t c) {
  static const CharWeightTable table;
  return table[c];
}

struct SortKey {
  std::vector<std::tuple<Group, unsigned>> primary;
  std::vector<unsigned> diacritic;
  std::vector<unsigned> size;
  std::vector<unsigned> drawn;
  std::vector<unsigned> form;
  // The ignored characters: a later position sorts first, then the character.
  std::vector<std::tuple<long, char16_t>> ignored;
};

// The long vowel mark draws out the vowel of the kana before it (カー sorts
// as カア, after it, and its width counts); after another kana (ン) it
// repeats that kana in the same way; after anything else it is a plain copy
// of the character before it (Aー equals AA), and at the start it sorts
// after everything. (After a small kana Windows gives it yet another weight;
// not followed.) `before` is the last weighted character with its separate
// marks, null at the start.
Weights LongVowelWeights(char16_t mark, const Weights* before) {
  if (before == nullptr) return {kLast, 0};
  if (before->group != kKana) return {before->group, before->primary, before->diacritic, before->size, 0, before->form};
  const unsigned width = mark == 0xFF70 ? 0 : 1;
  const unsigned primary = before->primary;
  if (primary >= 0x30A1 && primary < 0x30A1 + kVowels.size()) {
    const std::size_t vowel = std::string_view("aiueo").find(kVowels[primary - 0x30A1]);
    if (vowel != std::string_view::npos) return {kKana, kVowelLetters[vowel], 0, 1, 1, width};
  }
  return {kKana, primary, 0, 1, 1, width};
}

// Reads a text's characters in order as its sort key counts them: ignored
// at first, a separate mark on the character before, or weighted.
class KeyReader {
 public:
  enum Role { kIgnored, kMark, kWeighted, kEnd };

  explicit KeyReader(std::string_view text) : wide_(PortableLocale().ansi_to_wide(text)) {}

  Role Next() {
    if (i_ == wide_.size()) return kEnd;
    char_ = wide_[i_++];
    if (IsIgnoredAtFirst(char_)) return kIgnored;
    if ((mark_ = SeparateMarkWeight(char_)) != 0) {
      last_.diacritic += mark_;
      return kMark;
    }
    last_ = IsLongVowelMark(char_) ? LongVowelWeights(char_, weighted_ ? &last_ : nullptr) : CachedCharWeights(char_);
    weighted_ = true;
    return kWeighted;
  }
  // The next weighted character's weights; false at the end.
  bool NextWeighted() {
    for (Role r = Next(); r != kEnd; r = Next()) {
      if (r == kWeighted) return true;
    }
    return false;
  }

  std::size_t index() const { return i_ - 1; }  // of the character read last
  char16_t character() const { return char_; }
  unsigned mark() const { return mark_; }
  const Weights& weights() const { return last_; }

 private:
  std::u16string wide_;
  std::size_t i_ = 0;
  char16_t char_ = 0;
  unsigned mark_ = 0;
  bool weighted_ = false;
  Weights last_{kLast, 0};
};

SortKey MakeKey(std::string_view text) {
  SortKey key;
  KeyReader reader(text);
  for (KeyReader::Role r = reader.Next(); r != KeyReader::kEnd; r = reader.Next()) {
    if (r == KeyReader::kIgnored) {
      key.ignored.emplace_back(-static_cast<long>(reader.index()), reader.character());
    } else if (r == KeyReader::kMark) {
      if (key.diacritic.empty()) {
        key.diacritic.push_back(reader.mark());
      } else {
        key.diacritic.back() += reader.mark();
      }
    } else {
      const Weights& w = reader.weights();
      key.primary.emplace_back(w.group, w.primary);
      key.diacritic.push_back(w.diacritic);
      key.size.push_back(w.size);
      key.drawn.push_back(w.drawn);
      key.form.push_back(w.form);
    }
  }
  return key;
}

template <typename T>
int Compare(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

// The first level alone, character by character, without building keys:
// most names differ in one of their first characters.
int ComparePrimary(std::string_view a, std::string_view b) {
  KeyReader ra(a), rb(b);
  for (;;) {
    const bool more_a = ra.NextWeighted();
    const bool more_b = rb.NextWeighted();
    if (!more_a || !more_b) return more_a == more_b ? 0 : (more_a ? 1 : -1);
    const Weights& wa = ra.weights();
    const Weights& wb = rb.weights();
    if (int r = Compare(std::tuple(wa.group, wa.primary), std::tuple(wb.group, wb.primary))) return r;
  }
}

}  // namespace

// Levels: base characters (letter case folded), voiced marks, small kana,
// long vowel marks, width and kana form, then the characters that word sort
// ignores at first.
int PortableCompareByKeys(std::string_view a, std::string_view b) {
  const SortKey ka = MakeKey(a);
  const SortKey kb = MakeKey(b);
  if (int r = Compare(ka.primary, kb.primary)) return r;
  if (int r = Compare(ka.diacritic, kb.diacritic)) return r;
  if (int r = Compare(ka.size, kb.size)) return r;
  if (int r = Compare(ka.drawn, kb.drawn)) return r;
  if (int r = Compare(ka.form, kb.form)) return r;
  return Compare(ka.ignored, kb.ignored);
}

int PortableCompareIgnoreCase(std::string_view a, std::string_view b) {
  if (a == b) return 0;
  if (int r = ComparePrimary(a, b)) return r;
  return PortableCompareByKeys(a, b);
}

}  // namespace bk::platform
