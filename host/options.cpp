#include "host/options.h"

namespace bk::host {

Options& HostOptions() {
  static Options options;
  return options;
}

}  // namespace bk::host
