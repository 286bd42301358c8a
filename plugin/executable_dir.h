#pragma once

#include <string>

namespace bk {

// Directory of the running process's executable (the host's own directory),
// with a trailing backslash. Read whatever the path's length.
std::string ExecutableDirectory();

}  // namespace bk
