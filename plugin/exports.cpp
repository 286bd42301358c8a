// The plug-in's two entry points. No C++ exception ever leaves them: the host
// is not written in C++ and would crash on one.
#include <cstdint>
#include <exception>
#include <string>

#include "plugin/lookup_run.h"
#include "plugin/message_dialog.h"
#include "plugin/plugin_info.h"

namespace {

// Set while a run is in progress. The host's windows stay live during a run,
// so a handler may call DownlaodFunc again; that call is refused.
bool g_run_in_progress = false;

const char* OrEmpty(const char* text) { return text != nullptr ? text : ""; }

}  // namespace

extern "C" void __stdcall funcGetInfo(std::uint32_t /*unused*/, char* entry_name, char* description,
                                      char* credit, char* version, char* kind, std::uint32_t size) {
  try {
    const bk::PluginInfo info = bk::GetPluginInfo();
    bk::CopyInfoText(entry_name, size, info.entry_name);
    bk::CopyInfoText(description, size, info.description);
    bk::CopyInfoText(credit, size, info.credit);
    bk::CopyInfoText(version, size, info.version);
    bk::CopyInfoText(kind, size, info.kind);
  } catch (...) {
    // Out of memory for five short texts: the buffers keep what they got.
  }
}

extern "C" void __stdcall DownlaodFunc(const char* work_dir, const char* result_path, const char* codes) {
  if (g_run_in_progress) return;
  g_run_in_progress = true;
  // The run has released everything by the time an error arrives here; the
  // user sees its text instead of the host crashing.
  try {
    try {
      bk::RunLookup(OrEmpty(work_dir), OrEmpty(result_path), codes);
    } catch (const std::exception& error) {
      bk::ShowRunMessage(error.what());
    } catch (...) {
      bk::ShowRunMessage("The lookup run ended on an unexpected error.");
    }
  } catch (...) {
    // Not even the message could be shown.
  }
  g_run_in_progress = false;
}
