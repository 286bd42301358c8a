// Module-level state of a lookup run that the page stages read.
#pragma once

#include <string>

namespace bk {

// Working directory of the current run, ending with a path separator; file
// names are appended to it directly.
extern std::string WorkDir;

// Set by the wait window's Stop button; cleared at the start of every run.
// The run tests it before every code and the page parser before every line.
extern bool StopRequested;

}  // namespace bk
