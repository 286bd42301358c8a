#include "page/parse_product_page.h"

#include <algorithm>
#include <array>
#include <bitset>

#include "contributors/author_dictionary.h"
#include "contributors/classify_credits.h"
#include "contributors/contributor_list.h"
#include "page/cleaning.h"
#include "page/detail_fields.h"
#include "page/marker_cursor.h"
#include "page/options.h"
#include "page/page_text.h"
#include "page/personal_mode.h"
#include "page/title_block.h"
#include "platform/files.h"
#include "plugin/record.h"
#include "plugin/run_state.h"
#include "text/replace.h"
#include "text/strip_tags.h"
#include "text/substring.h"

namespace bk {
namespace {

// Markers of the page, in the order their handlers run on a line.
enum Marker {
  kItemTitle,
  kAuthors,
  kPublisher,
  kCategory,
  kPubDate,
  kPrice,
  kPagesAndSize,
  kCoverImage,
  kBodyGoods,
  kBodyComment,
  kMeta,
  kMarkerCount
};

// The last five lines are only read as following lines, never scanned.
constexpr std::size_t kUnscannedTail = 5;

void ReadAuthorBlock(const PageLines& lines, std::size_t j, ContributorList& contributors) {
  const std::string s = StripTags(BasicClean(lines[j + 2]));
  ClassifyCredits(contributors, s, "\x81^", "\x81@", "");  // ／ and the full-width space
}

// Offset just past line j in the page's bytes; the line must not be rewritten.
std::size_t LineEnd(const PageText& page, std::size_t j) {
  const std::string_view line = page.lines()[j];
  return static_cast<std::size_t>(line.data() - page.bytes().data()) + line.size();
}

// Bytes that line j surely lacks: for a short rewritten line every byte not
// in it, otherwise none. Looking through a long line would cost more than
// the searches it could spare.
constexpr std::size_t kShortLine = 256;
std::bitset<256> MissingBytes(const PageText& page, std::size_t j) {
  std::bitset<256> missing;
  const std::string_view line = page.lines()[j];
  if (!page.rewritten(j) || line.size() > kShortLine) return missing;
  missing.set();
  for (char c : line) missing.reset(static_cast<unsigned char>(c));
  return missing;
}

// Runs every handler whose marker line j carries, in the markers' order. A
// rewritten line is searched for each marker on its own without moving the
// cursor, so a cursor whose rarest byte the line lacks need not be asked.
void ScanLine(const PageText& page, std::size_t j, std::array<MarkerCursor, kMarkerCount>& cursors,
              const Options& options, std::string_view image_prefix, TitleBlockState& state,
              ContributorList& contributors) {
  const PageLines& lines = page.lines();
  const std::bitset<256> missing = MissingBytes(page, j);
  const auto on = [&](Marker k) { return !missing[cursors[k].rarest_byte()] && cursors[k].OnLine(j); };
  if (on(kItemTitle)) ReadTitleBlock(lines, j, options, state);
  if (on(kAuthors)) ReadAuthorBlock(lines, j, contributors);
  if (on(kPublisher)) ReadPublisher(lines, j);
  if (on(kCategory)) ReadCategory(lines, j, options);
  if (on(kPubDate)) ReadPubDate(lines, j);
  if (on(kPrice)) ReadPrice(lines, j);
  if (on(kPagesAndSize)) ReadPagesAndSize(lines, j);
  if (on(kCoverImage)) ReadCoverImage(lines, j, image_prefix);
  // Both cursors are asked, so each keeps its place in the page.
  const bool goods = on(kBodyGoods);
  const bool comment = on(kBodyComment);
  if (goods || comment) ReadDescriptionBody(lines, j);
  if (on(kMeta)) ReadDescriptionMeta(lines, j);
}

// Scans lines 0 to n-6 until the end or a stop request; true when a title
// line was read.
bool ScanPage(const PageText& page, std::string_view image_prefix, const Options& options,
              ContributorList& contributors) {
  std::array<MarkerCursor, kMarkerCount> cursors{
      MarkerCursor(page, "<p class=\"itemTitle\">"),
      MarkerCursor(page, "<ul class=\"AuthorsName\">"),
      MarkerCursor(page, "\x8fo\x94\xc5\x8e\xd0\x96\xbc"),         // 出版社名
      MarkerCursor(page, "\x95\xaa\x97\xde"),                      // 分類
      MarkerCursor(page, "\x8fo\x94\xc5\x94N\x8c\x8e"),            // 出版年月
      MarkerCursor(page, "\x90\xc5\x8d\x9e\x89\xbf\x8ai"),         // 税込価格
      MarkerCursor(page, "\x95\xc5\x90\x94\x81" "E\x8f" "c"),      // 頁数・縦
      MarkerCursor(page, image_prefix),
      MarkerCursor(page, "\x8f\xa4\x95i\x93\xe0\x97" "e"),         // 商品内容
      MarkerCursor(page, "\x83R\x83\x81\x83\x93\x83g"),            // コメント
      MarkerCursor(page, "og:description"),
  };
  TitleBlockState state;
  const std::size_t n = page.lines().size();
  // No marker starts before this offset: a line of the original bytes that
  // ends there carries none, and asking the cursors about it would change
  // nothing. A rewritten line is searched on its own and moves no cursor.
  std::size_t quiet_until = 0;
  for (std::size_t j = 0; j + kUnscannedTail < n; ++j) {
    if (StopRequested) break;
    const bool rewritten = page.rewritten(j);
    if (!rewritten && LineEnd(page, j) <= quiet_until) continue;
    ScanLine(page, j, cursors, options, image_prefix, state, contributors);
    if (rewritten) continue;
    quiet_until = std::string_view::npos;
    for (const MarkerCursor& cursor : cursors) quiet_until = std::min(quiet_until, cursor.NextStart());
  }
  return state.TitleFound;
}

void FinishRecord(std::string_view page_path, const ContributorList& contributors) {
  AssignContributors(contributors, true, true, true, "");
  Book[field::Description] = Trim(MapSpaces(Book[field::Description]));
  ApplyPersonalMode(std::string(page_path) + ".marune_private", "\x91S\x94N\x97\xee", "");  // 全年齢
}

}  // namespace

bool ParseProductPage(std::string_view page_path, std::string_view image_prefix) {
  const Options options = ReadOptions(WorkDir);
  ContributorList contributors;
  if (!platform::FileExists(page_path)) return false;
  std::string bytes;
  try {
    bytes = platform::ReadWholeFile(page_path);
  } catch (const platform::FileError&) {
    return false;  // a page that cannot be read is a page without a title
  }
  const PageText page(std::move(bytes));
  if (!ScanPage(page, image_prefix, options, contributors)) return false;
  FinishRecord(page_path, contributors);
  return true;
}

}  // namespace bk
