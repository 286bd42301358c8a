#include "plugin/run_state.h"

namespace bk {

std::string WorkDir;
bool StopRequested = false;

}  // namespace bk
