// kuraloq.exe, the stand-in host: runs a lookup plug-in outside the
// cataloguing program and prints what it found.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/options.h"
#include "platform/files.h"
#include "plugin/describe_record.h"
#include "plugin/result_line.h"
#include "text/lines.h"
#include "text/utf8.h"

namespace {

using GetInfoFn = void(__stdcall*)(std::uint32_t, char*, char*, char*, char*, char*, std::uint32_t);
using LookupFn = void(__stdcall*)(const char*, const char*, const char*);

constexpr char kUsage[] =
    "usage: kuraloq.exe [options] PLUGIN.dll WORKDIR [CODE...]\n"
    "  --codes FILE        the codes text is the content of FILE (one code a line)\n"
    "  --pages DIR         serve pages from DIR\\<code>.html instead of the web\n"
    "  --redirect BASE     fetch page-host addresses from BASE (e.g. http://127.0.0.1:8080)\n"
    "  --offline-from N    the N-th connection check and the later ones fail\n"
    "  --delay MS          wait MS milliseconds before each download\n"
    "  --result PATH       the result file (default WORKDIR\\result.txt)\n"
    "  --trace             log every service call to stderr\n"
    "  --runs N            look the codes up N times in this process\n"
    "  --post-quit         ask to quit before the run; tell whether the request survived it\n"
    "  --nested-call PATH  call the plug-in again, from a window message during the run\n";

struct CommandLine {
  std::string plugin;
  std::string work_dir;
  std::string result_path;
  std::string codes;
  int runs = 1;
  bool post_quit = false;
};

struct NestedCall {
  LookupFn lookup = nullptr;
  std::string work_dir;
} g_nested;

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "kuraloq: %s\n%s", message.c_str(), kUsage);
  std::exit(2);
}

bool ReadFile(const std::string& path, std::string& bytes) {
  try {
    bytes = bk::platform::ReadWholeFile(path);
    return true;
  } catch (const bk::platform::FileError&) {
    return false;
  }
}

CommandLine Parse(int argc, char** argv) {
  bk::host::Options& options = bk::host::HostOptions();
  CommandLine line;
  std::vector<std::string> positional;
  std::string codes_file;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--trace") {
      options.trace = true;
    } else if (arg == "--post-quit") {
      line.post_quit = true;
    } else if (arg.rfind("--", 0) == 0 && !has_value) {
      Fail(arg + " needs a value");
    } else if (arg == "--codes") {
      codes_file = argv[++i];
    } else if (arg == "--pages") {
      options.pages_dir = argv[++i];
    } else if (arg == "--redirect") {
      options.redirect_base = argv[++i];
    } else if (arg == "--offline-from") {
      options.offline_from = std::atoi(argv[++i]);
    } else if (arg == "--delay") {
      options.download_delay_ms = std::atoi(argv[++i]);
    } else if (arg == "--result") {
      line.result_path = argv[++i];
    } else if (arg == "--runs") {
      line.runs = std::atoi(argv[++i]);
    } else if (arg == "--nested-call") {
      options.nested_result = argv[++i];
    } else if (arg.rfind("--", 0) == 0) {
      Fail("unknown option " + arg);
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() < 2) Fail("the plug-in and the working directory are needed");
  line.plugin = positional[0];
  line.work_dir = positional[1];
  if (line.work_dir.back() != '\\' && line.work_dir.back() != '/') line.work_dir += '\\';
  if (line.result_path.empty()) line.result_path = line.work_dir + "result.txt";
  if (!codes_file.empty() && !ReadFile(codes_file, line.codes)) Fail("cannot read " + codes_file);
  for (std::size_t i = 2; i < positional.size(); ++i) line.codes += positional[i] + "\r\n";
  return line;
}

void CALLBACK CallPluginAgain(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const std::string& result = bk::host::HostOptions().nested_result;
  g_nested.lookup(g_nested.work_dir.c_str(), result.c_str(), "nested");
  std::fprintf(stderr, "nested DownlaodFunc returned\n");
}

void PrintInfo(GetInfoFn get_info) {
  char name[256], description[256], credit[256], version[256], kind[256];
  get_info(0, name, description, credit, version, kind, sizeof name);
  Print("Plug-in: " + bk::AnsiToUtf8(description) + " (entry " + name + ", version " + version +
        ", kind " + kind + ")\n" + bk::AnsiToUtf8(credit) + "\n");
}

void PrintResults(const std::string& path) {
  std::string bytes;
  if (!ReadFile(path, bytes)) {
    Print("No result file.\n");
    return;
  }
  const std::vector<std::string_view> lines = bk::SplitLines(bytes);
  Print("Result file " + path + ": " + std::to_string(lines.size()) + " book(s)\n");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Print("\nBook " + std::to_string(i + 1) + "\n" + bk::DescribeFields(bk::ParseResultLine(lines[i])));
  }
}

}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  const CommandLine line = Parse(argc, argv);
  HMODULE plugin = LoadLibraryA(line.plugin.c_str());
  if (plugin == nullptr) Fail("cannot load " + line.plugin);
  const auto get_info = reinterpret_cast<GetInfoFn>(reinterpret_cast<void*>(GetProcAddress(plugin, "funcGetInfo")));
  const auto lookup = reinterpret_cast<LookupFn>(reinterpret_cast<void*>(GetProcAddress(plugin, "DownlaodFunc")));
  if (get_info == nullptr || lookup == nullptr) Fail(line.plugin + " is not a lookup plug-in");

  PrintInfo(get_info);
  if (!bk::host::HostOptions().nested_result.empty()) {
    g_nested = {lookup, line.work_dir};
    SetTimer(nullptr, 0, 10, CallPluginAgain);
  }
  // A quit request made while the plug-in runs must survive the run's own
  // message processing, or the host could not be closed during a lookup.
  if (line.post_quit) PostQuitMessage(7);
  for (int run = 0; run < line.runs; ++run) {
    std::fflush(stdout);
    lookup(line.work_dir.c_str(), line.result_path.c_str(), line.codes.c_str());
    PrintResults(line.result_path);
  }
  if (line.post_quit) {
    MSG msg;
    const bool kept = PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && msg.wParam == 7;
    Print(kept ? "The quit request is still queued.\n" : "The quit request was lost.\n");
  }
  FreeLibrary(plugin);
  return 0;
}
