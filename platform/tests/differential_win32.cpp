// The portable locale layer against the Windows calls, over the whole code
// page: every one- and two-byte sequence, every BMP character. The Windows
// layer is the judge; a mismatch names the input and both answers.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/locale.h"
#include "testsupport/temp_dir.h"

namespace bk::platform {
namespace {

const LocaleOps& Portable() { return PortableLocale(); }
const LocaleOps& Windows() { return Win32Locale(); }

std::string Hex(std::string_view bytes) {
  std::string out;
  char buf[4];
  for (unsigned char b : bytes) {
    std::snprintf(buf, sizeof buf, "%02X", b);
    if (!out.empty()) out += ' ';
    out += buf;
  }
  return out;
}

std::string Hex(std::u16string_view wide) {
  std::string out;
  char buf[6];
  for (char16_t c : wide) {
    std::snprintf(buf, sizeof buf, "%04X", static_cast<unsigned>(c));
    if (!out.empty()) out += ' ';
    out += buf;
  }
  return out;
}

// Long answers are shown by their length and their end, where they differ.
template <typename Text>
std::string Show(const Text& s) {
  if (s.size() <= 24) return Hex(s);
  return std::to_string(s.size()) + " units ending " + Hex(s.substr(s.size() - 8));
}
template <typename Text>
std::string Show(const std::optional<Text>& s) {
  return s ? Show(*s) : "(failed)";
}
std::string Show(int v) { return std::to_string(v); }

// Collects mismatches and shows the first few of them.
class Mismatches {
 public:
  explicit Mismatches(const char* what) : what_(what) {}
  ~Mismatches() {
    for (std::size_t i = 0; i < shown_.size(); ++i) ADD_FAILURE() << what_ << ": " << shown_[i];
    EXPECT_EQ(count_, 0u) << what_ << ": " << count_ << " of " << checked_ << " inputs differ";
    std::printf("%s: %zu inputs compared, %zu differ\n", what_, checked_, count_);
  }
  template <typename Input, typename Result>
  void Check(const Input& input, const Result& portable, const Result& windows) {
    ++checked_;
    if (portable == windows) return;
    if (++count_ <= 8) {
      shown_.push_back("[" + Show(input) + "] portable " + Show(portable) + ", Windows " + Show(windows));
    }
  }

 private:
  const char* what_;
  std::size_t checked_ = 0;
  std::size_t count_ = 0;
  std::vector<std::string> shown_;
};

bool IsLeadRange(unsigned b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Every single byte, every lead byte with every following byte, a lead byte
// before a zero byte and a lead byte at the end after a character.
std::vector<std::string> AllByteSequences() {
  std::vector<std::string> out;
  for (unsigned a = 0; a < 256; ++a) {
    out.push_back(std::string(1, static_cast<char>(a)));
    if (!IsLeadRange(a)) continue;
    for (unsigned t = 0; t < 256; ++t) out.push_back({static_cast<char>(a), static_cast<char>(t)});
    out.push_back({static_cast<char>(a), '\0', 'x'});
    out.push_back({'a', 'b', static_cast<char>(a)});
  }
  return out;
}

std::vector<std::u16string> AllBmpCharacters() {
  std::vector<std::u16string> out;
  for (unsigned c = 0; c < 0x10000; ++c) out.push_back(std::u16string(1, static_cast<char16_t>(c)));
  return out;
}

TEST(Differential, LeadBytes) {
  Mismatches m("is_lead_byte");
  for (unsigned b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    m.Check(std::string(1, static_cast<char>(b)), static_cast<int>(Portable().is_lead_byte(byte)),
            static_cast<int>(Windows().is_lead_byte(byte)));
  }
}

TEST(Differential, AnsiToWide) {
  Mismatches m("ansi_to_wide");
  for (const std::string& s : AllByteSequences()) m.Check(s, Portable().ansi_to_wide(s), Windows().ansi_to_wide(s));
}

TEST(Differential, WideToAnsi) {
  Mismatches m("wide_to_ansi");
  for (const std::u16string& s : AllBmpCharacters()) m.Check(s, Portable().wide_to_ansi(s), Windows().wide_to_ansi(s));
  std::u16string mixed = u"A\u30AC\uFF76\uFF9E\u00E9\u2252\u2170";
  mixed += static_cast<char16_t>(0xD800);  // a lone surrogate
  m.Check(mixed, Portable().wide_to_ansi(mixed), Windows().wide_to_ansi(mixed));
}

// Round trips through both layers: the decoded form of every sequence.
TEST(Differential, RoundTrip) {
  Mismatches m("wide_to_ansi(ansi_to_wide)");
  for (const std::string& s : AllByteSequences()) {
    const std::u16string wide = Windows().ansi_to_wide(s);
    m.Check(s, Portable().wide_to_ansi(wide), Windows().wide_to_ansi(wide));
  }
}

void CheckMapWide(std::uint32_t flags, const char* what) {
  Mismatches m(what);
  const auto check = [&](const std::u16string& s) {
    m.Check(s, Portable().map_wide(s, flags), Windows().map_wide(s, flags));
  };
  for (const std::u16string& s : AllBmpCharacters()) {
    check(s);
    for (char16_t mark : {u'\uFF9E', u'\uFF9F', u'\u3099', u'\u309A', u'\u309B'}) check(s + mark);
  }
  for (const char16_t* s : {u"", u"\uFF76\uFF9E\uFF8A\uFF9F", u"ABC\uFF76\uFF9E\uFF77", u"\uFF9E\uFF76",
                            u"\u30AC\u30D1\u30F4", u"'\"\\\uFF3C", u"\uFF76\uFF9E\uFF9E"}) {
    check(s);
  }
  check(std::u16string(u"ab\0cd", 5));
}

TEST(Differential, MapWideHalf) { CheckMapWide(kHalfWidth, "map_wide half width"); }
TEST(Differential, MapWideFull) { CheckMapWide(kFullWidth, "map_wide full width"); }

TEST(Differential, MapAnsi) {
  Mismatches half("map_ansi half width");
  Mismatches full("map_ansi full width");
  std::vector<std::string> inputs = AllByteSequences();
  std::string long_text;
  for (int i = 0; i < 200; ++i) long_text += "\x83\x4B\x82\x60";  // ガＡ, 800 bytes
  inputs.push_back(long_text);
  for (const std::string& s : inputs) {
    half.Check(s, Portable().map_ansi(s, kHalfWidth), Windows().map_ansi(s, kHalfWidth));
    full.Check(s, Portable().map_ansi(s, kFullWidth), Windows().map_ansi(s, kFullWidth));
  }
}

TEST(Differential, UpperAnsi) {
  Mismatches m("upper_ansi");
  std::vector<std::string> inputs = AllByteSequences();
  inputs.push_back("ab\x81\x00" "cd");
  inputs.push_back("\xED\x40x\x85\x40");
  for (const std::string& s : inputs) m.Check(s, Portable().upper_ansi(s), Windows().upper_ansi(s));
}

int Sign(int r) { return (r > 0) - (r < 0); }

// Collation agrees on ASCII names (random ones over letters, digits, blanks
// and the word-sort characters) and on the case equalities. Kanji order and
// the order of the Japanese symbols are the two layers' own.
TEST(Differential, CollationOfAsciiNames) {
  Mismatches m("compare_ignore_case");
  const std::string alphabet = "aAbBzZ019 -'.&_(";
  std::mt19937 rng(932);
  std::vector<std::string> names;
  for (int i = 0; i < 3000; ++i) {
    std::string s(rng() % 6, ' ');
    for (char& c : s) c = alphabet[rng() % alphabet.size()];
    names.push_back(s);
  }
  for (unsigned c = 0x20; c < 0x7F; ++c) names.push_back(std::string(1, static_cast<char>(c)));
  for (std::size_t i = 0; i + 1 < names.size(); ++i) {
    for (std::size_t j : {i + 1, (i * 7919) % names.size()}) {
      const std::string pair = names[i] + "|" + names[j];
      m.Check(pair, Sign(Portable().compare_ignore_case(names[i], names[j])),
              Sign(Windows().compare_ignore_case(names[i], names[j])));
    }
  }
  const char* const equal[][2] = {{"1abc", "1ABC"}, {"1\x82\x60", "1\x82\x81"}, {"1A-B", "1a-b"}};
  for (const auto& e : equal) {
    m.Check(std::string(e[0]) + "|" + e[1], Sign(Portable().compare_ignore_case(e[0], e[1])),
            Sign(Windows().compare_ignore_case(e[0], e[1])));
  }
}

// Kana names too: gojuon order, voiced and small kana, hiragana against
// katakana, half-width forms, separate voiced marks and the long vowel mark.
TEST(Differential, CollationOfKanaNames) {
  Mismatches m("compare_ignore_case (kana)");
  const char* const pool[] = {"\x82\xA0", "\x82\xA9", "\x82\xAA", "\x82\x9F", "\x83\x41", "\x83\x4A", "\x83\x4B",
                              "\x83\x95", "\x83\x93", "\x83\x94", "\x83\x70", "\x83\x71", "\x83\x5B", "\x81\x5B",
                              "\xB1",     "\xB6",     "\xDE",     "\xDF",     "\xB0",     "\x81\x4A", "A"};
  std::mt19937 rng(411);
  std::vector<std::string> names;
  // A small kana before the long vowel mark is left out: there the two
  // layers disagree.
  const auto small_before_long_vowel = [](const std::string& s) {
    for (const char* small : {"\x82\x9F\x81\x5B", "\x82\x9F\xB0", "\x83\x95\x81\x5B", "\x83\x95\xB0"}) {
      if (s.find(small) != std::string::npos) return true;
    }
    return false;
  };
  while (names.size() < 400) {
    std::string s(1, static_cast<char>('1' + rng() % 3));
    for (unsigned k = rng() % 5; k > 0; --k) s += pool[rng() % std::size(pool)];
    if (!small_before_long_vowel(s)) names.push_back(s);
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    for (std::size_t j = i + 1; j < names.size(); ++j) {
      m.Check(names[i] + "|" + names[j], Sign(Portable().compare_ignore_case(names[i], names[j])),
              Sign(Windows().compare_ignore_case(names[i], names[j])));
    }
  }
}

TEST(Differential, ProfileFiles) {
  const test::TempDir temp;
  const std::string path = temp.PathOf("bk_differential.ini");
  std::string content =
      "pre=1\r\n[Entry]\r\nTaxSet=\r\n  PurachaseSet =  \"quoted value\"  \r\nReadSet=a;b ; c\r\nReadSet=second\r\n"
      "q1='single'\r\nq2=\"half\r\nq3=\"a\"b\"\r\nq4=\"\"\r\nq5=  \t tabbed\t \r\nnoeq\r\n"
      "sjis=\x83\x65\x83\x58\x83\x67\r\nbad=\xED\x40\x85\x40\r\nlone=ab\x83\r\n;c=comment\r\n"
      "[ Spaced ]\r\nk=v\r\n[entry]\r\nextra=found\r\nTaxSet=late\r\n[Other]\r\nx=\"  inner  \"\r\n=emptykey\r\n"
      "odd=";
  content += std::string(3000, 'a') + "\r\neven=" + std::string(1, 'x');
  for (int i = 0; i < 1500; ++i) content += "\x82\xA0";
  content += "\r\npairs=";
  for (int i = 0; i < 1500; ++i) content += "\x82\xA0";
  content += "\n[Last]\nlf=unix\r[CR]\rcr=1\rnoend=x";
  test::WriteFileBytes(path, content);

  Mismatches m("read_profile_string");
  const char* const queries[][3] = {
      {"Entry", "TaxSet", "D"},   {"ENTRY", "purachaseset", "D"}, {"Entry", "ReadSet", "D"}, {"Entry", "q1", "D"},
      {"Entry", "q2", "D"},       {"Entry", "q3", "D"},           {"Entry", "q4", "D"},      {"Entry", "q5", "D"},
      {"Entry", "noeq", "D"},     {"Entry", "sjis", "D"},         {"Entry", "bad", "D"},     {"Entry", "lone", "D"},
      {"Entry", ";c", "D"},       {"Entry", "c", "D"},            {"Entry", "pre", "D"},     {"", "pre", "D"},
      {"Spaced", "k", "D"},       {" Spaced ", "k", "D"},         {"Entry", "extra", "D"},   {"Entry", " TaxSet ", "D"},
      {"Other", "x", "D"},        {"Other", "", "D"},             {"Other", "odd", "D"},     {"Other", "even", "D"},
      {"Other", "pairs", "D"},    {"Last", "lf", "D"},            {"CR", "cr", "D"},         {"CR", "noend", "D"},
      {"Missing", "x", "\x8D\x77\x93\xFC"}, {"Entry", "Tax Set", "0  "}, {"Entry", "none", ""}};
  for (const auto& q : queries) {
    m.Check(std::string(q[0]) + "|" + q[1], Portable().read_profile_string(path, q[0], q[1], q[2]),
            Windows().read_profile_string(path, q[0], q[1], q[2]));
  }
  // Byte order marks select UTF-8 and UTF-16 (テスト, a non-BMP character, a
  // malformed sequence).
  const std::string marked[] = {
      "\xEF\xBB\xBF[Entry]\r\nk=\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88 \xF0\x9F\x98\x80\r\n",
      "\xEF\xBB\xBF[Entry]\r\nk=a\xE3\x83|\xC0\xAF|\xED\xA0\x80|\xED\xA0|\xF0\x9F\x98|\xF4\x90\x80\x80|\xE0\x80\xAF|"
      "\x80\x80|\xF8\x88\x80\x80\x80|\xE3\x83\r\n",
      std::string("\xFF\xFE[\0E\0n\0t\0r\0y\0]\0\n\0k\0=\0\xC6\x30\n\0", 28),
      std::string("\xFE\xFF\0[\0E\0n\0t\0r\0y\0]\0\n\0k\0=\x30\xC6\0\n", 28),
  };
  for (const std::string& bytes : marked) {
    test::WriteFileBytes(path, bytes);
    m.Check(bytes, Portable().read_profile_string(path, "Entry", "k", "D"),
            Windows().read_profile_string(path, "Entry", "k", "D"));
  }
  const std::string missing = temp.PathOf("bk_no_such_file.ini");
  m.Check(std::string("missing file"), Portable().read_profile_string(missing, "Entry", "TaxSet", "0"),
          Windows().read_profile_string(missing, "Entry", "TaxSet", "0"));
}

}  // namespace
}  // namespace bk::platform
