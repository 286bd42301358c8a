#include "contributors/dictionary_file.h"

#include <cstdint>
#include <cstring>

#include "platform/files.h"

namespace bk {
namespace {

// 64 bytes at a time: a dictionary of some megabytes is read again for every
// book, and almost all of it is already in its joined form.
constexpr std::size_t kBlock = 16;
constexpr std::size_t kStep = 4 * kBlock;
typedef signed char Block __attribute__((vector_size(kBlock)));
typedef std::uint64_t BlockWords __attribute__((vector_size(kBlock)));

bool AnySet(const Block& block) {
  BlockWords words;
  std::memcpy(&words, &block, kBlock);
  return (words[0] | words[1]) != 0;
}

// Position of the first byte from which the text is not in joined form: a
// zero byte, a CR without its LF, or an LF without its CR. Never the LF of a
// CR LF pair, so rewriting can start there.
std::size_t JoinedPrefixLength(std::string_view text) {
  const std::size_t n = text.size();
  const char* d = text.data();
  if (n > 0 && d[0] == '\n') return 0;
  std::size_t i = 0;
  for (; i + kStep < n; i += kStep) {
    Block odd{};
    for (std::size_t b = i; b < i + kStep; b += kBlock) {
      Block here, next;
      std::memcpy(&here, d + b, kBlock);
      std::memcpy(&next, d + b + 1, kBlock);
      odd |= (here == 0) | ((here == '\r') ^ (next == '\n'));
    }
    if (AnySet(odd)) break;
  }
  for (; i < n; ++i) {
    const bool lf_next = i + 1 < n && d[i + 1] == '\n';
    if (d[i] == '\0' || (d[i] == '\r' && !lf_next)) return i;
    if (d[i] != '\r' && lf_next) return i + 1;
  }
  return n;
}

// Position of the first zero byte, CR or LF from position from on;
// text.size() when there is none.
std::size_t FindBreakOrZero(std::string_view text, std::size_t from) {
  const std::size_t n = text.size();
  const char* d = text.data();
  for (; from + kBlock <= n; from += kBlock) {
    Block here;
    std::memcpy(&here, d + from, kBlock);
    if (AnySet((here == 0) | (here == '\r') | (here == '\n'))) break;
  }
  for (; from < n; ++from) {
    if (d[from] == '\0' || d[from] == '\r' || d[from] == '\n') return from;
  }
  return n;
}

// Rewrites the line endings from position start on, stopping at a zero byte.
void RewriteLineEnds(std::string_view text, std::size_t start, std::string& out) {
  for (std::size_t i = start;;) {
    const std::size_t end = FindBreakOrZero(text, i);
    out.append(text.substr(i, end - i));
    if (end == text.size() || text[end] == '\0') return;
    out += "\r\n";
    i = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
}

}  // namespace

std::string JoinDictionaryLines(std::string bytes) {
  const std::size_t joined = JoinedPrefixLength(bytes);
  if (joined < bytes.size() && bytes[joined] != '\0') {
    std::string out;
    // A lone CR or LF grows into two bytes.
    out.reserve(joined + 2 * (bytes.size() - joined) + 2);
    out.append(bytes, 0, joined);
    RewriteLineEnds(bytes, joined, out);
    bytes.swap(out);
  } else {
    bytes.resize(joined);
  }
  if (!bytes.empty() && bytes.back() != '\n') bytes += "\r\n";
  return bytes;
}

DictionaryText LoadDictionaryText(std::string_view path) {
  DictionaryText dictionary;
  dictionary.existed = platform::FileExists(path);
  if (dictionary.existed) dictionary.text = JoinDictionaryLines(platform::ReadWholeFile(path));
  return dictionary;
}

bool ReloadDictionaryText(DictionaryText& held, std::string_view path) {
  held = DictionaryText();
  held = LoadDictionaryText(path);
  return held.existed;
}

}  // namespace bk
