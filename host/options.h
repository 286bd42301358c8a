// How the stand-in host serves its plug-in, set from the command line.
#pragma once

#include <string>

namespace bk::host {

struct Options {
  std::string pages_dir;      // serve <code>.html from here instead of fetching
  std::string redirect_base;  // fetch page-host addresses from this base instead
  int offline_from = 0;       // the connection check fails from this call on (0: never)
  int download_delay_ms = 0;  // each download waits this long first
  bool trace = false;         // log every service call to stderr
  std::string nested_result;  // call the plug-in again from a window message
};

Options& HostOptions();

}  // namespace bk::host
