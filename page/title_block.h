// The title block: the item title line j, the label line j+4 and the series
// line j+2.
#pragma once

#include <cstddef>
#include <string_view>

#include "page/options.h"
#include "page/page_text.h"

namespace bk {

// How word 2, 3 or 4 of a series text was taken.
enum class Kind { None, TITLE, SUUZI, LBL };

// What one page's title blocks share. Kind2 to Kind4 carry over from one
// title line to the next; the rest starts anew at each title line.
struct TitleBlockState {
  bool TitleFound = false;
  bool LabelFromLabelLine = false;
  int SeriesFlag = 0;  // 1: word 2 has a digit; 3: word 1 is the imprint "ハヤカワ文庫"
  Kind Kind2 = Kind::None;
  Kind Kind3 = Kind::None;
  Kind Kind4 = Kind::None;
};

// Runs the title block for the title line j; lines j+2 and j+4 must exist.
void ReadTitleBlock(const PageLines& lines, std::size_t j, const Options& options,
                    TitleBlockState& state);

// The series words of the series text t (title mode other than "1").
void ReadSeriesWords(std::string_view t, TitleBlockState& state);

}  // namespace bk
