// Runs the stand-in host with the real plug-in under Wine, watching the
// windows the run opens: dialogs are read and answered, the wait window's
// Stop button can be pressed.
#pragma once

#include <string>
#include <vector>

namespace bk::e2e {

// A Unix path of the build as the Windows programs see it.
std::string WindowsPath(const std::string& unix_path);

// A fresh folder for one test: the host executable copied in under exe_name,
// a working directory and a folder of pages to serve.
struct Sandbox {
  explicit Sandbox(const std::string& name, const std::string& host_exe = BK_HOST_EXE,
                   const std::string& exe_name = "kuraloq.exe");
  std::string dir;        // ends with a backslash
  std::string host_path;  // the executable to start
  std::string work_dir;   // ends with a backslash
  std::string pages_dir;
  std::string result_path() const { return work_dir + "result.txt"; }
  // Serves the sample site's page of `code` under the code `as_code`.
  void AddSamplePage(const std::string& code, const std::string& as_code = "") const;
};

bool FileExists(const std::string& path);
std::string ReadFileBytes(const std::string& path);
std::vector<std::string> ResultLines(const std::string& path);
// The value of record field `index` in a result line.
std::string FieldOf(const std::string& line, int index);

struct Dialog {
  std::string text;  // code page 932
  bool has_icon;
  int buttons;
  bool centred;  // on the screen
};

struct HostRun {
  int exit_code = -1;
  std::string output;  // the host's stdout and stderr (its trace)
  std::vector<Dialog> dialogs;
  std::vector<std::string> counters;  // the wait window's counter texts seen
  int wait_client_width = 0;          // the wait window as it was shown
  int wait_client_height = 0;
  bool wait_topmost = false;
  bool wait_centred = false;
  // Number of trace lines of the host that start with prefix.
  int Calls(const std::string& prefix) const;
};

struct RunControl {
  std::string stop_at_counter;  // press Stop once the counter shows this
};

// Starts the sandbox's host with args (the plug-in and the working directory
// are added after them, then codes) and waits for it.
HostRun RunHost(const Sandbox& sandbox, const std::vector<std::string>& args,
                const std::vector<std::string>& codes, const RunControl& control = {});

}  // namespace bk::e2e
