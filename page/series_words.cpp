// The words of a series text: word 1 is normally the label, word 2 decides
// whether the following words extend the label, make a new title or number
// the series.
#include "page/title_block.h"

#include "plugin/record.h"
#include "text/char_class.h"
#include "text/find.h"
#include "text/half_width_ascii.h"
#include "text/split_field.h"
#include "text/width.h"
#include "title/volume_digits.h"

namespace bk {
namespace {

constexpr std::string_view kHayakawaBunko = "\x83n\x83\x84\x83J\x83\x8f\x95\xb6\x8c\xc9";  // ハヤカワ文庫

void AppendWord(int field_index, std::string_view w) {
  std::string& value = Book[field_index];
  value += ' ';
  value += w;
}

// The series word becomes the title; the page's title moves to the front of
// the subtitle.
void TakeAsTitle(std::string_view w) {
  Book[field::Subtitle] = Book[field::Title] + " " + Book[field::Subtitle];
  Book[field::Title] = w;
}

void FillEmptyVolume(std::string_view w) {
  if (Book[field::Volume].empty()) Book[field::Volume] = w;
}

bool HasDigitInAnyWidth(std::string_view w) { return HasDigit(ToHalfWidthAscii(w)); }

// Latin letters and hyphens in either width, and not a number.
bool IsLatinWord(std::string_view w) {
  return IsLettersOrHyphen(MapHalfWidthText(w)) && !IsAllDigits(w);
}

bool IsLabelWord(std::string_view w) {
  for (std::string_view marker : {std::string_view("\x95\xb6\x8c\xc9"),                // 文庫
                                  std::string_view("\x83m\x83x\x83\x8b"),              // ノベル
                                  std::string_view("\x83R\x83o\x83\x8b\x83g"),         // コバルト
                                  std::string_view("\x83R\x83~\x83" "b\x83N")}) {     // コミック
    if (Contains(w, marker)) return true;
  }
  const std::string upper = ToUpperFullWidth(w);
  return Contains(upper, "\x82m\x82n\x82u\x82" "d\x82k") ||            // ＮＯＶＥＬ
         Contains(upper, "\x82" "b\x82n\x82l\x82h\x82" "b\x82r");   // ＣＯＭＩＣＳ
}

void ReadWord2(std::string_view w, TitleBlockState& state) {
  if (state.LabelFromLabelLine) {
    FillEmptyVolume(w);
    AppendWord(field::Subtitle, w);
    return;
  }
  if (HasDigitInAnyWidth(w)) {
    state.SeriesFlag = 1;
    state.Kind2 = Kind::SUUZI;
  }
  if (!IsLettersOrHyphen(MapHalfWidthText(w)) && !IsAllDigits(w)) {
    if (IsLabelWord(w)) {
      AppendWord(field::Label, w);
      state.Kind2 = Kind::LBL;
    } else if (state.SeriesFlag != 1) {
      TakeAsTitle(w);
      state.Kind2 = Kind::TITLE;
    }
  }
  if (IsLatinWord(w)) {
    AppendWord(field::Label, w);
    state.Kind2 = Kind::LBL;
  }
}

void ReadWord3(std::string_view w, std::string_view word1, TitleBlockState& state) {
  if (state.LabelFromLabelLine) return;
  if (word1 == kHayakawaBunko) {
    state.SeriesFlag = 3;
  } else if (w == kHayakawaBunko) {
    // The imprint repeated: nothing to take.
  } else if (state.Kind2 == Kind::TITLE) {
    if (IsVolumeTokenLoose(w) && Book[field::Volume].empty()) {
      Book[field::Volume] = w;
    } else {
      Book[field::Title] = w;
    }
    state.Kind3 = Kind::TITLE;
  } else if (state.Kind2 == Kind::SUUZI) {
    TakeAsTitle(w);
    state.Kind3 = Kind::TITLE;
  } else if (state.Kind2 == Kind::LBL) {
    if (HasDigitInAnyWidth(w)) {
      state.Kind3 = Kind::SUUZI;
    } else if (IsLettersOrHyphen(w) && !IsAllDigits(w)) {
      AppendWord(field::Label, w);
      state.Kind3 = Kind::LBL;
    } else {
      TakeAsTitle(w);
    }
  }
}

void ReadWord4(std::string_view w, std::string_view word5, TitleBlockState& state) {
  if (state.SeriesFlag == 3) {
    TakeAsTitle(w);
    if (IsAllDigits(word5)) FillEmptyVolume(word5);
  } else if (state.Kind3 == Kind::LBL) {
    AppendWord(field::Label, w);
    state.Kind4 = Kind::LBL;
  } else if (state.Kind3 == Kind::SUUZI) {
    TakeAsTitle(w);
    state.Kind4 = Kind::TITLE;
  } else if (state.Kind3 == Kind::TITLE) {
    if (IsAllDigits(w)) {
      FillEmptyVolume(w);
    } else {
      AppendWord(field::Title, w);
      state.Kind4 = Kind::TITLE;
    }
  }
}

}  // namespace

void ReadSeriesWords(std::string_view t, TitleBlockState& state) {
  const std::string word1 = SplitField(t, ' ', 1);
  for (long i = 1; i <= 8; ++i) {
    const std::string w = SplitField(t, ' ', i);
    if (w.empty()) continue;
    if (i == 1) {
      if (state.LabelFromLabelLine) {
        AppendWord(field::Subtitle, w);
      } else {
        Book[field::Label] = w;
      }
    } else if (i == 2) {
      ReadWord2(w, state);
    } else if (i == 3) {
      ReadWord3(w, word1, state);
    } else if (i == 4) {
      ReadWord4(w, SplitField(t, ' ', 5), state);
    } else if (state.Kind4 == Kind::LBL) {
      AppendWord(field::Label, w);
    } else if (state.Kind4 == Kind::TITLE) {
      AppendWord(field::Title, w);
    }
  }
}

}  // namespace bk
