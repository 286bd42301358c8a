#include "page/title_block.h"

#include "page/cleaning.h"
#include "plugin/record.h"
#include "text/char_class.h"
#include "text/extract.h"
#include "text/find.h"
#include "text/half_width_ascii.h"
#include "text/replace.h"
#include "text/split_field.h"
#include "text/strip_tags.h"
#include "title/split_title_volume.h"

namespace bk {
namespace {

constexpr std::string_view kSmallFont = "<font size=\"1\">";
constexpr std::string_view kMediumFont = "<font size=\"2\">";

// Whether a word of the title line has been moved to the subtitle.
enum class TitleState { title, sub_title };

void ReadTitleLine(std::string_view line, const Options& options, TitleBlockState& state) {
  state.LabelFromLabelLine = false;
  state.SeriesFlag = 0;
  const std::string s = StripTags(MapSpaces(BasicClean(line)));
  Book[field::Subtitle] = SplitTitleVolume(s);
  if (options.title_mode == "1") {
    Book[field::Title] = ToHalfWidthAscii(s);
    Book[field::Subtitle].clear();
  }
  if (options.title_mode == "2") Book[field::Extra1] = ToHalfWidthAscii(s);
  if (options.title_mode != "1") {
    // Words with a digit are cut out of the title; the highest-numbered word
    // without one moves to the front of the subtitle.
    TitleState title_state = TitleState::title;
    for (long i = 4; i >= 2; --i) {
      const std::string w = SplitField(s, ' ', i);
      if (w.empty()) continue;
      const std::string h = ToHalfWidthAscii(w);
      if (HasDigit(h)) {
        Book[field::Title] = RemoveAll(Book[field::Title], h);
      } else if (title_state == TitleState::title) {
        Book[field::Subtitle] = h + Book[field::Subtitle];
        Book[field::Title] = RemoveAll(Book[field::Title], h);
        title_state = TitleState::sub_title;
      }
    }
  }
  state.TitleFound = true;
}

void ReadLabelLine(std::string_view line, const Options& options, TitleBlockState& state) {
  if (!Contains(line, kSmallFont) || !Contains(line, "</font>")) return;
  std::string& label = Book[field::Label];
  if (!label.empty()) return;
  const std::string s = MapSpaces(ToHalfWidthAscii(ExtractAfter(BasicClean(line), kSmallFont, "</f")));
  if (options.title_mode == "1") {
    label = s;
    return;
  }
  label = SplitField(s, ' ', 1);
  state.LabelFromLabelLine = true;
  // Words with a digit are volume numbers, not label; a missing word still
  // adds its space.
  for (long i = 2; i <= 4; ++i) {
    const std::string w = SplitField(s, ' ', i);
    if (!HasDigit(ToHalfWidthAscii(w))) label += " " + w;
  }
}

void ReadSeriesLine(std::string_view line, const Options& options, TitleBlockState& state) {
  if (!Contains(line, "<font size=") || !Contains(line, "</font>")) return;
  std::string t = BasicClean(line);
  if (Contains(t, kSmallFont)) t = ExtractAfter(t, kSmallFont, "</");
  if (Contains(t, kMediumFont)) t = ExtractAfter(t, kMediumFont, "</");
  t = MapSpaces(ToHalfWidthAscii(t));
  std::string& label = Book[field::Label];
  bool SeriesDone = false;
  if (MatchesLabelKeyword(options, t)) {
    label += t;
    SeriesDone = true;
  }
  if (options.title_mode == "1") {
    label = label.empty() ? t : label + "-" + t;
    SeriesDone = true;
  }
  if (options.title_mode == "2") Book[field::Extra2] = label.empty() ? t : label + "-" + t;
  if (!SeriesDone) ReadSeriesWords(t, state);
}

}  // namespace

void ReadTitleBlock(const PageLines& lines, std::size_t j, const Options& options,
                    TitleBlockState& state) {
  ReadTitleLine(lines[j], options, state);
  ReadLabelLine(lines[j + 4], options, state);
  ReadSeriesLine(lines[j + 2], options, state);
}

}  // namespace bk
