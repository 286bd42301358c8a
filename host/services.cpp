// The services the host exports to its plug-ins (stdcall, undecorated names
// through the .def file). Only three are used by the lookup plug-in; the
// others answer nothing.
#include <windows.h>

#include <cstdio>
#include <string>

#include "host/download.h"
#include "host/isbn.h"
#include "host/options.h"
#include "plugin/site.h"

namespace {

void Trace(const char* format, const std::string& a, const std::string& b = "") {
  if (!bk::host::HostOptions().trace) return;
  std::fprintf(stderr, format, a.c_str(), b.c_str());
  std::fflush(stderr);
}

}  // namespace

extern "C" {

const char* __stdcall ISBNChkFunc(const char* code) {
  // The answer stays valid until the next call, as the plug-in copies it at once.
  static std::string answer;
  answer = bk::host::NormalizeIsbn(code != nullptr ? code : "");
  Trace("ISBNChkFunc %s -> %s\n", code != nullptr ? code : "", answer);
  return answer.c_str();
}

BOOL __stdcall InternetConnectFunc(const char* address) {
  static int calls = 0;
  const int offline_from = bk::host::HostOptions().offline_from;
  const bool connected = offline_from == 0 || ++calls < offline_from;
  Trace("InternetConnectFunc %s -> %s\n", address != nullptr ? address : "", connected ? "true" : "false");
  return connected;
}

BOOL __stdcall HTTPDownloadFunc(const char* path, const char* address) {
  const bk::host::Options& options = bk::host::HostOptions();
  if (options.download_delay_ms > 0) Sleep(options.download_delay_ms);
  const std::string target = path != nullptr ? path : "";
  const std::string source = address != nullptr ? address : "";
  const bool ok = options.pages_dir.empty()
                      ? bk::host::FetchAddress(bk::host::RedirectAddress(source, bk::site::kPageHost,
                                                                         options.redirect_base),
                                               target)
                      : bk::host::CopyLocalPage(options.pages_dir, source, target);
  Trace("HTTPDownloadFunc %s -> %s\n", source, ok ? "ok" : "failed");
  return ok;
}

// Exported under the names of the services the lookup plug-in binds but never
// calls.
int __stdcall UnusedService() { return 0; }

}  // extern "C"
