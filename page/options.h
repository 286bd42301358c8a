// The option file WorkDir + "pelto.dat": title mode, label keywords and the
// category switch.
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

// Reads work_dir + "pelto.dat". Throws platform::FileError when the file
// exists but cannot be read: a silently ignored title mode would give wrong
// lines for the whole batch.
Options ReadOptions(std::string_view work_dir);
// Whether a "VORNA2=" keyword occurs in the series text, ignoring case and
// width.
bool MatchesLabelKeyword(const Options& options, std::string_view series_text);
// Whether some "VORNA1=" line has the value "1".
bool CategoryEnabled(const Options& options);

}  // namespace bk
