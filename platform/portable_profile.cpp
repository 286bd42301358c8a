#include "platform/portable_profile.h"

#include <optional>

#include "platform/files.h"
#include "platform/locale.h"

namespace bk::platform {
namespace {

// The longest value the reader returns, in bytes (buffer size minus the zero).
constexpr std::size_t kMaxValueBytes = 2047;

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r') || c == 0x1A; }

std::u16string_view Trim(std::u16string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::u16string_view a, std::u16string_view b) {
  const LocaleOps& ops = PortableLocale();
  return ops.upper_ansi(ops.wide_to_ansi(a)) == ops.upper_ansi(ops.wide_to_ansi(b));
}

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The second byte of a sequence that would be overlong, a surrogate or
// beyond U+10FFFF.
bool SecondByteOutOfRange(unsigned char lead, unsigned char second) {
  return (lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90) ||
         (lead == 0xF4 && second > 0x8F);
}

// UTF-8 as the system reader decodes it: a malformed sequence becomes one
// U+FFFD for the bytes read so far (lead and second byte together when the
// second byte is out of range).
std::u16string FromUtf8(std::string_view s) {
  std::u16string out;
  for (std::size_t i = 0; i < s.size();) {
    const auto lead = static_cast<unsigned char>(s[i]);
    if (lead < 0x80) {
      out += static_cast<char16_t>(lead);
      ++i;
      continue;
    }
    const std::size_t n = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                        : lead >= 0xF0 && lead <= 0xF4 ? 4 : 1;
    char32_t cp = lead & (0x7F >> n);
    std::size_t k = 1;
    bool valid = n > 1;
    while (valid && k < n) {
      const auto b = i + k < s.size() ? static_cast<unsigned char>(s[i + k]) : 0;
      if (!IsContinuation(b)) break;
      cp = (cp << 6) | (b & 0x3F);
      ++k;
      valid = !(k == 2 && SecondByteOutOfRange(lead, b));
    }
    valid = valid && k == n;
    i += k;
    if (!valid) {
      out += u'\uFFFD';
    } else if (cp >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

std::u16string FromUtf16(std::string_view s, bool big_endian) {
  std::u16string out;
  for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
    const auto first = static_cast<unsigned char>(s[i]);
    const auto second = static_cast<unsigned char>(s[i + 1]);
    out += static_cast<char16_t>(big_endian ? (first << 8) | second : (second << 8) | first);
  }
  return out;
}

// A byte order mark selects UTF-8 or UTF-16; otherwise the file is in the
// ANSI code page.
std::u16string DecodeFile(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return FromUtf8(bytes.substr(3));
  if (bytes.substr(0, 2) == "\xFF\xFE") return FromUtf16(bytes.substr(2), false);
  if (bytes.substr(0, 2) == "\xFE\xFF") return FromUtf16(bytes.substr(2), true);
  return PortableLocale().ansi_to_wide(bytes);
}

// The file is decoded as a whole and then split into lines at LF (at CR when
// no LF follows), as the system reader does it.
class Lines {
 public:
  explicit Lines(std::u16string_view text) : rest_(text) {}
  std::optional<std::u16string_view> Next() {
    if (rest_.empty()) return std::nullopt;
    std::size_t end = rest_.find(u'\n');
    if (end == std::u16string_view::npos) end = rest_.find(u'\r');
    const std::u16string_view line = rest_.substr(0, end);
    rest_.remove_prefix(end == std::u16string_view::npos ? rest_.size() : end + 1);
    return Trim(line);
  }

 private:
  std::u16string_view rest_;
};

// The section name of a "[name]" line (up to its last "]").
std::optional<std::u16string_view> SectionName(std::u16string_view line) {
  if (line.empty() || line.front() != u'[') return std::nullopt;
  const std::size_t close = line.rfind(u']');
  if (close == 0 || close == std::u16string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

std::u16string_view StripQuotes(std::u16string_view value) {
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The value of the first key of the first matching section.
std::optional<std::u16string_view> FindValue(std::u16string_view file, std::u16string_view section,
                                             std::u16string_view key) {
  Lines lines(file);
  // Lines before the first section header belong to the nameless section.
  bool in_section = section.empty();
  while (std::optional<std::u16string_view> line = lines.Next()) {
    if (line->empty()) continue;
    if (std::optional<std::u16string_view> name = SectionName(*line)) {
      if (in_section) return std::nullopt;
      in_section = SameName(*name, section);
      continue;
    }
    const std::size_t eq = line->find(u'=');
    if (!in_section || eq == std::u16string_view::npos) continue;
    if (SameName(Trim(line->substr(0, eq)), key)) return StripQuotes(Trim(line->substr(eq + 1)));
  }
  return std::nullopt;
}

// Whole characters only, as many as fit.
std::string Cut(std::u16string_view value) {
  const LocaleOps& ops = PortableLocale();
  std::string out;
  for (char16_t c : value) {
    std::string piece = ops.wide_to_ansi(std::u16string_view(&c, 1));
    if (out.size() + piece.size() > kMaxValueBytes) break;
    out += piece;
  }
  return out;
}

}  // namespace

std::string PortableReadProfileString(std::string_view path, std::string_view section, std::string_view key,
                                      std::string_view default_value) {
  const LocaleOps& ops = PortableLocale();
  std::u16string fallback = ops.ansi_to_wide(default_value);
  while (!fallback.empty() && fallback.back() == u' ') fallback.pop_back();
  std::u16string file;
  try {
    file = DecodeFile(ReadWholeFile(path));
  } catch (const FileError&) {
    return Cut(fallback);
  }
  const std::u16string wide_section = ops.ansi_to_wide(section);
  const std::u16string wide_key = ops.ansi_to_wide(key);
  const std::optional<std::u16string_view> value = FindValue(file, Trim(wide_section), Trim(wide_key));
  return Cut(value ? *value : std::u16string_view(fallback));
}

}  // namespace bk::platform
