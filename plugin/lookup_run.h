// One lookup run: every requested code looked up through the host, one
// result line per book found, the lines written to the result file.
#pragma once

#include <string_view>

namespace bk {

// work_dir ends with a path separator; codes holds one code per line (null
// or empty shows a message and ends the run). Whatever way the run ends, the
// host module, the dictionaries and the wait window are released; an error
// from a stage passes on after that, and no result file is left.
void RunLookup(std::string_view work_dir, std::string_view result_path, const char* codes);

}  // namespace bk
