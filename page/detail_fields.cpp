#include "page/detail_fields.h"

#include "page/cleaning.h"
#include "page/pub_date.h"
#include "plugin/record.h"
#include "text/extract.h"
#include "text/find.h"
#include "text/half_width_ascii.h"
#include "text/replace.h"
#include "text/split_field.h"
#include "text/strip_tags.h"
#include "text/substring.h"
#include "text/width.h"

namespace bk {
namespace {

// Line j + offset, or nothing past the last line.
std::string_view LineAt(const PageLines& lines, std::size_t j, std::size_t offset) {
  return j + offset < lines.size() ? lines[j + offset] : std::string_view();
}

// Lines j+1 to j+limit joined without separators, ending before the first
// line that contains end_marker and at the last page line.
std::string CollectLines(const PageLines& lines, std::size_t j, std::size_t limit,
                         std::string_view end_marker) {
  std::string t;
  for (std::size_t k = 1; k <= limit && j + k < lines.size(); ++k) {
    if (Contains(lines[j + k], end_marker)) break;
    t += lines[j + k];
  }
  return t;
}

// A collected block: line breaks from the markup, no tags, no half-width
// spaces.
std::string CleanBlock(std::string_view collected) {
  return SquashSpaces(StripTags(MarkBreaks(collected)));
}

void AppendDescription(std::string_view text) {
  std::string& description = Book[field::Description];
  description += "\r\n";
  description += text;
}

// Word n of the cell after half-width mapping, without `unit` and tags.
std::string CellWord(std::string_view line, long n, std::string_view unit) {
  const std::string word = SplitField(MapHalfWidthText(BasicClean(line)), ' ', n);
  return ToHalfWidthAscii(StripTags(RemoveAll(word, unit)));
}

}  // namespace

void ReadPublisher(const PageLines& lines, std::size_t j) {
  Book[field::Publisher] = StripTags(RemoveAll(BasicClean(LineAt(lines, j, 1)), " "));
}

void ReadCategory(const PageLines& lines, std::size_t j, const Options& options) {
  if (!CategoryEnabled(options)) return;
  const std::string block = CleanBlock(CollectLines(lines, j, 10, "</font>"));
  Book[field::Category] = ReplaceAll(block, "\x81^", "/");  // ／
}

void ReadPubDate(const PageLines& lines, std::size_t j) {
  ParsePubDate(ExtractAfter(BasicClean(LineAt(lines, j, 1)), "<td>", "</td>"));
}

void ReadPrice(const PageLines& lines, std::size_t j) {
  if (!Book[field::Price].empty()) return;
  std::string t = RemoveAll(RemoveAll(BasicClean(LineAt(lines, j, 1)), ","), " ");
  t = RemoveAll(t, "\x89~");  // 円
  Book[field::Price] = StripTags(t);
}

void ReadPagesAndSize(const PageLines& lines, std::size_t j) {
  const std::string_view cell = LineAt(lines, j, 1);
  Book[field::Pages] = CellWord(cell, 1, "P");
  Book[field::Size] = CellWord(cell, 2, "cm");
}

void ReadCoverImage(const PageLines& lines, std::size_t j, std::string_view image_prefix) {
  const std::string_view line = lines[j];
  const std::size_t p = FindBytes(image_prefix, line);
  if (p == 0) return;
  const std::string_view rest = line.substr(p - 1);
  const std::size_t quote = rest.find('"');
  const std::string_view t = quote == std::string_view::npos ? std::string_view() : rest.substr(0, quote);
  if (!Contains(t, "nowprinting")) Book[field::CoverImageUrl] = t;
}

void ReadDescriptionBody(const PageLines& lines, std::size_t j) {
  AppendDescription(CleanBlock(CollectLines(lines, j, 25, "/section")));
}

void ReadDescriptionMeta(const PageLines& lines, std::size_t j) {
  AppendDescription(ExtractAfter(SquashSpaces(MarkBreaks(lines[j])), "content=\"", ">"));
}

}  // namespace bk
