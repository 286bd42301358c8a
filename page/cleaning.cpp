#include "page/cleaning.h"

#include <algorithm>

#include "text/replace.h"

namespace bk {
namespace {

constexpr std::string_view kIdeographicSpace = "\x81@";  // 　

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether the tag (starting with "<") stands in the text in some ASCII case.
// Locale upper-casing maps no other character of code page 932 onto an ASCII
// letter, so without such an occurrence the case-insensitive replacement
// finds nothing and its upper-cased copies of a long text can be spared.
bool HasTagInAnyCase(std::string_view text, std::string_view tag) {
  for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1)) {
    const std::string_view candidate = text.substr(at, tag.size());
    if (candidate.size() == tag.size() &&
        std::equal(candidate.begin(), candidate.end(), tag.begin(),
                   [](char a, char b) { return AsciiLower(a) == b; })) {
      return true;
    }
  }
  return false;
}

// Every occurrence of the lower-case tag, in any case, becomes CR LF.
std::string TagToBreak(std::string text, std::string_view tag) {
  if (!HasTagInAnyCase(text, tag)) return text;
  return ReplaceAll(text, tag, "\r\n", Case::kIgnore);
}

}  // namespace

std::string BasicClean(std::string_view text) {
  return RemoveAll(RemoveAll(text, "\t"), "\r\n");
}

std::string MapSpaces(std::string_view text) { return ReplaceAll(text, kIdeographicSpace, " "); }

std::string MarkBreaks(std::string_view text) {
  return TagToBreak(TagToBreak(BasicClean(text), "<br>"), "</td>");
}

std::string SquashSpaces(std::string_view text) {
  return ReplaceAll(MapSpaces(RemoveAll(text, " ")), "\r\n\r\n", "\r\n");
}

}  // namespace bk
