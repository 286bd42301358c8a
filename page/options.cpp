#include "page/options.h"

#include "page/cleaning.h"
#include "platform/files.h"
#include "text/find.h"
#include "text/lines.h"
#include "text/replace.h"
#include "text/width.h"

namespace bk {
namespace {

constexpr std::string_view kTitleModeKey = "VORNA3=";
constexpr std::string_view kKeywordKey = "VORNA2=";
constexpr std::string_view kCategoryKey = "VORNA1=";

// Upper-cased by the locale, then half-width, as wide text.
std::u16string FoldCaseAndWidth(std::string_view text) {
  return MapHalfWidth(ToWide(ToUpperLocale(text)));
}

}  // namespace

Options ReadOptions(std::string_view work_dir) {
  Options options;
  const std::string path = std::string(work_dir) + "pelto.dat";
  if (!platform::FileExists(path)) return options;
  const std::string bytes = platform::ReadWholeFile(path);
  options.present = true;
  for (std::string_view line : SplitLines(bytes)) {
    options.lines.emplace_back(line);
    if (Contains(line, kTitleModeKey)) options.title_mode = RemoveAll(line, kTitleModeKey);
  }
  return options;
}

bool MatchesLabelKeyword(const Options& options, std::string_view series_text) {
  if (!options.present) return false;
  const std::u16string u = FoldCaseAndWidth(series_text);
  for (const std::string& line : options.lines) {
    if (!Contains(line, kKeywordKey)) continue;
    const std::string folded = ToAnsi(FoldCaseAndWidth(line));
    const std::string keyword = RemoveAll(MapSpaces(folded), kKeywordKey);
    if (!keyword.empty() && u.find(ToWide(keyword)) != std::u16string::npos) return true;
  }
  return false;
}

bool CategoryEnabled(const Options& options) {
  for (const std::string& line : options.lines) {
    if (Contains(line, kCategoryKey) && RemoveAll(line, kCategoryKey) == "1") return true;
  }
  return false;
}

}  // namespace bk
