#include "e2e_harness.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "plugin/result_line.h"
#include "plugin/wait_window.h"
#include "text/lines.h"

namespace bk::e2e {
namespace {

constexpr int kMessageBoxIconId = 0x0440;  // the icon of the system's message boxes
constexpr DWORD kRunTimeoutMs = 120000;

// One command-line argument; a trailing backslash is doubled so that it does
// not escape the closing quote.
std::string Quote(const std::string& arg) {
  const bool trailing_backslash = !arg.empty() && arg.back() == '\\';
  return "\"" + arg + (trailing_backslash ? "\\" : "") + "\"";
}

BOOL CALLBACK CountButton(HWND child, LPARAM count) {
  char name[32];
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, "Button") == 0 && IsWindowVisible(child)) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

bool CentredOnScreen(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  const int dx = (frame.left + frame.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2;
  const int dy = (frame.top + frame.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2;
  return dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1;
}

// Reads, records and answers the dialog that is open, if any.
void AnswerDialog(std::set<HWND>& answered, std::vector<Dialog>& dialogs) {
  HWND dialog = FindWindowA("#32770", nullptr);
  if (dialog == nullptr || !IsWindowVisible(dialog)) return;
  if (answered.insert(dialog).second) {
    char text[2048] = "";
    GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text);
    int buttons = 0;
    EnumChildWindows(dialog, CountButton, reinterpret_cast<LPARAM>(&buttons));
    dialogs.push_back({text, GetDlgItem(dialog, kMessageBoxIconId) != nullptr, buttons, CentredOnScreen(dialog)});
  }
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

// Records the wait window's counter; presses Stop once it shows stop_at.
void WatchWaitWindow(const std::string& stop_at, bool& stopped, HostRun& run) {
  HWND window = FindWindowA(kWaitWindowClass, nullptr);
  if (window == nullptr || !IsWindowVisible(window)) return;
  RECT client;
  GetClientRect(window, &client);
  run.wait_client_width = client.right;
  run.wait_client_height = client.bottom;
  run.wait_topmost = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  run.wait_centred = CentredOnScreen(window);
  std::vector<std::string>& counters = run.counters;
  // Read without a message: the run's thread answers messages only between
  // codes, and the Stop press must not wait for that.
  char counter[64] = "";
  GetWindowTextA(GetDlgItem(window, wait_window_id::lblCount), counter, sizeof counter);
  if (std::string(counter) != "-/-" && (counters.empty() || counters.back() != counter)) {
    counters.push_back(counter);
  }
  if (!stopped && !stop_at.empty() && stop_at == counter) {
    HWND button = GetDlgItem(window, wait_window_id::BtnStop);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(wait_window_id::BtnStop, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    stopped = true;
  }
}

}  // namespace

std::string WindowsPath(const std::string& unix_path) {
  std::string path = "Z:" + unix_path;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

Sandbox::Sandbox(const std::string& name, const std::string& host_exe, const std::string& exe_name) {
  char current[MAX_PATH];
  GetCurrentDirectoryA(sizeof current, current);
  const std::string root = std::string(current) + "\\e2e";
  CreateDirectoryA(root.c_str(), nullptr);
  dir = root + "\\" + name + "\\";
  // Start from nothing: a previous run's files must not count.
  const std::string remove = "cmd /c rmdir /s /q \"" + dir.substr(0, dir.size() - 1) + "\" >nul 2>&1";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string command = remove;
  if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                     &startup, &process)) {
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  CreateDirectoryA(dir.c_str(), nullptr);
  work_dir = dir + "work\\";
  pages_dir = dir + "pages";
  CreateDirectoryA(work_dir.c_str(), nullptr);
  CreateDirectoryA(pages_dir.c_str(), nullptr);
  host_path = dir + exe_name;
  EXPECT_TRUE(CopyFileA(WindowsPath(host_exe).c_str(), host_path.c_str(), FALSE)) << host_path;
}

void Sandbox::AddSamplePage(const std::string& code, const std::string& as_code) const {
  const std::string source = WindowsPath(std::string(BK_SOURCE_DIR) + "/sample-site/" + code + ".html");
  const std::string target = pages_dir + "\\" + (as_code.empty() ? code : as_code) + ".html";
  EXPECT_TRUE(CopyFileA(source.c_str(), target.c_str(), FALSE)) << source;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::vector<std::string> ResultLines(const std::string& path) {
  const std::string bytes = ReadFileBytes(path);
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(bytes)) lines.emplace_back(line);
  return lines;
}

std::string FieldOf(const std::string& line, int index) {
  EXPECT_EQ(SplitResultLine(line).size(), static_cast<std::size_t>(kColumnCount)) << line;
  return ParseResultLine(line)[index];
}

int HostRun::Calls(const std::string& prefix) const {
  int count = 0;
  for (std::string_view line : SplitLines(output)) {
    if (line.substr(0, prefix.size()) == prefix) ++count;
  }
  return count;
}

HostRun RunHost(const Sandbox& sandbox, const std::vector<std::string>& args, const std::vector<std::string>& codes,
                const RunControl& control) {
  std::string command = Quote(sandbox.host_path) + " --trace";
  for (const std::string& arg : args) command += " " + Quote(arg);
  command += " " + Quote(WindowsPath(BK_PLUGIN_DLL)) + " " + Quote(sandbox.work_dir);
  for (const std::string& code : codes) command += " " + Quote(code);

  const std::string output_path = sandbox.dir + "host-output.txt";
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE output = CreateFileA(output_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = output;
  PROCESS_INFORMATION process = {};
  HostRun run;
  const BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      sandbox.dir.c_str(), &startup, &process);
  CloseHandle(output);
  if (!started) {
    ADD_FAILURE() << "cannot start " << command;
    return run;
  }
  std::set<HWND> answered;
  bool stopped = false;
  const DWORD start = GetTickCount();
  while (WaitForSingleObject(process.hProcess, 10) == WAIT_TIMEOUT) {
    AnswerDialog(answered, run.dialogs);
    WatchWaitWindow(control.stop_at_counter, stopped, run);
    if (GetTickCount() - start > kRunTimeoutMs) {
      TerminateProcess(process.hProcess, 99);
      ADD_FAILURE() << "the host did not finish: " << command;
    }
  }
  DWORD exit_code = 0;
  GetExitCodeProcess(process.hProcess, &exit_code);
  run.exit_code = static_cast<int>(exit_code);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  run.output = ReadFileBytes(output_path);
  return run;
}

}  // namespace bk::e2e
