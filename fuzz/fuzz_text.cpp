// Runs every text primitive and the result-line writer on arbitrary bytes:
// invalid code page 932 (lead bytes at the end, lone trail bytes), zero
// bytes and brackets must never read or write out of bounds, and the
// results must keep the properties the callers rely on.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "fuzz/fuzz_support.h"
#include "plugin/result_line.h"
#include "text/char_class.h"
#include "text/extract.h"
#include "text/find.h"
#include "text/half_width_ascii.h"
#include "text/lines.h"
#include "text/replace.h"
#include "text/split_field.h"
#include "text/strip_tags.h"
#include "text/substring.h"
#include "text/width.h"

namespace {

using bk::fuzz::Check;

void Searches(const std::string& needle, const std::string& text) {
  const std::size_t bytes = bk::FindBytes(needle, text);
  const std::size_t aligned = bk::FindAligned(needle, text);
  Check(bytes == 0 || text.compare(bytes - 1, needle.size(), needle) == 0);
  Check(aligned == 0 || text.compare(aligned - 1, needle.size(), needle) == 0);
  Check(aligned == 0 || (bytes > 0 && bytes <= aligned));
  Check(bytes > 0 || needle.empty() || text.find(needle) == std::string::npos);
  const std::size_t last = bk::FindLastOf(needle, text);
  Check(last == 0 || needle.find(text[last - 1]) != std::string::npos);
  Check(!bk::Contains(text, needle) || bytes > 0);
}

void Replacements(const std::string& text, const std::string& pattern, const std::string& with) {
  Check(bk::ReplaceAll(text, pattern, pattern) == text);
  Check(bk::RemoveAll(text, pattern).size() <= text.size());
  const std::string ignored = bk::ReplaceAll(text, pattern, with, bk::Case::kIgnore);
  Check(pattern.empty() || with.size() < pattern.size() || ignored.size() >= text.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string a = input.ConsumeRandomLengthString(256);
  const std::string b = input.ConsumeRandomLengthString(64);
  const std::string c = input.ConsumeRandomLengthString(64);
  const long n = input.ConsumeIntegralInRange<long>(-2, 8);
  const char delimiter = input.ConsumeIntegral<char>();
  const std::string rest = input.ConsumeRemainingBytesAsString();

  for (const std::string* text : {&a, &rest}) {
    Searches(b, *text);
    Replacements(*text, b, c);
    bk::ExtractAfter(*text, b, c);
    bk::SplitField(*text, delimiter, n);
    const std::string stripped = bk::StripTags(*text);
    Check(stripped.size() <= text->size() + text->size() / 2 + 2);
    Check(bk::ToHalfWidthAscii(*text).size() <= text->size());
    Check(bk::ToUpperLocale(*text).size() == text->size());
    bk::MapHalfWidthText(*text);
    bk::MapFullWidthText(*text);
    bk::MapHalfWidthAnsi(*text);
    bk::IsAllDigits(*text);
    bk::HasDigit(*text);
    bk::IsRomanNumeral(*text);
    bk::IsLettersOrHyphen(*text);
    bk::IsVolumeToken(*text);
    bk::IsVolumeTokenLoose(*text);
    bk::Copy(*text, n, n * 7);
    bk::Trim(*text);
    std::size_t line_bytes = 0;
    for (auto line : bk::SplitLines(*text)) {
      Check(line.find_first_of("\r\n") == std::string_view::npos);
      line_bytes += line.size();
    }
    Check(line_bytes <= text->size());
  }

  // The line always has 68 columns whatever the fields hold: no value may
  // keep a comma, a double quote or a CR LF of its own.
  bk::TBase record;
  for (int i = 0; i < bk::field::kCount; ++i) record[i] = (i % 3 == 0) ? a : (i % 3 == 1) ? b : c;
  const std::string line = bk::ResultLine(record);
  std::size_t commas = 0, quotes = 0;
  for (char ch : line) {
    commas += ch == ',';
    quotes += ch == '"';
  }
  Check(commas == 67);
  Check(quotes % 2 == 0);
  Check(line.find("\r\n") == std::string::npos);
  return 0;
}
