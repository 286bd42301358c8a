#include "page/cleaning.h"

#include "text/replace.h"

namespace bk {
namespace {

constexpr std::string_view kIdeographicSpace = "\x81@";  // 　

}  // namespace

std::string BasicClean(std::string_view text) {
  return RemoveAll(RemoveAll(text, "\t"), "\r\n");
}

std::string MapSpaces(std::string_view text) { return ReplaceAll(text, kIdeographicSpace, " "); }

std::string MarkBreaks(std::string_view text) {
  const std::string breaks = ReplaceAll(BasicClean(text), "<br>", "\r\n", Case::kIgnore);
  return ReplaceAll(breaks, "</td>", "\r\n", Case::kIgnore);
}

std::string SquashSpaces(std::string_view text) {
  return ReplaceAll(MapSpaces(RemoveAll(text, " ")), "\r\n\r\n", "\r\n");
}

}  // namespace bk
