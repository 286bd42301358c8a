// The option file WorkDir + "pelto.dat" and the personal mode.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bk {

struct Options {
  bool present = false;             // the option file exists
  std::vector<std::string> lines;   // its lines, in file order
  std::string title_mode = "0";     // value of the last "VORNA3=" line
};

// Reads WorkDir + "pelto.dat". Throws platform::FileError when the file
// exists but cannot be read.
Options ReadOptions(std::string_view work_dir);
bool MatchesLabelKeyword(const Options& options, std::string_view series_text);
bool CategoryEnabled(const Options& options);

// When a file exists at marker_path: Size "文庫" -> "A6", "コミック" removed,
// Extra1 := extra1, Extra2 := extra2, PageUrl emptied.
void ApplyPersonalMode(std::string_view marker_path, std::string_view extra1,
                       std::string_view extra2);

}  // namespace bk
