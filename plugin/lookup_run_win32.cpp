#include "plugin/lookup_run.h"

#include <memory>
#include <string>
#include <vector>

#include "contributors/author_dictionary.h"
#include "contributors/label_dictionary.h"
#include "page/parse_product_page.h"
#include "platform/files.h"
#include "plugin/book_steps.h"
#include "plugin/executable_dir.h"
#include "plugin/host_services.h"
#include "plugin/line_rules.h"
#include "plugin/message_dialog.h"
#include "plugin/message_pump.h"
#include "plugin/record.h"
#include "plugin/record_defaults.h"
#include "plugin/result_line.h"
#include "plugin/run_state.h"
#include "plugin/site.h"
#include "plugin/wait_window.h"
#include "text/lines.h"

namespace bk {
namespace {

// 検索するISBNを取得できませんでした
constexpr char kNoCodesMessage[] =
    "\x8c\x9f\x8d\xf5\x82\xb7\x82\xe9ISBN\x82\xf0\x8e\xe6\x93\xbe\x82\xc5\x82\xab\x82\xdc\x82\xb9"
    "\x82\xf1\x82\xc5\x82\xb5\x82\xbd";
// インターネットに接続されていません
constexpr char kNotConnectedMessage[] =
    "\x83" "C\x83\x93\x83^\x81[\x83l\x83" "b\x83g\x82\xc9\x90\xda\x91\xb1\x82\xb3\x82\xea\x82\xc4\x82"
    "\xa2\x82\xdc\x82\xb9\x82\xf1";

// What a run holds until its end, released whatever way the run ends.
struct RunResources {
  HostServices host;
  std::unique_ptr<TfrmWait> wait_window;
  bool dictionaries_loaded = false;

  RunResources() = default;
  RunResources(const RunResources&) = delete;
  RunResources& operator=(const RunResources&) = delete;
  ~RunResources() {
    wait_window.reset();
    ReleaseHostServices(host);
    if (dictionaries_loaded) {
      FreeAuthorDictionary();
      FreeLabelDictionary();
    }
  }
};

struct RunFiles {
  std::string page;      // where the host writes the downloaded page
  std::string settings;  // the host's Setting.ini
};

enum class CodeOutcome { kNoLine, kLine, kNotConnected };

// The host's answer, copied at once; null reads as empty.
std::string CheckCode(const HostServices& host, const std::string& code) {
  const char* answer = host.ISBNChkFunc(code.c_str());
  return answer != nullptr ? answer : "";
}

// Looks up one code into Book; on success appends its result line.
CodeOutcome LookUpCode(RunResources& run, const RunFiles& files, std::string& code,
                       std::vector<std::string>& lines) {
  run.dictionaries_loaded = true;
  BeginBook(code);
  ApplyShortLineRule();

  code = CheckCode(run.host, Book[field::Isbn]);
  if (code.empty()) return CodeOutcome::kNoLine;
  const std::string address = std::string(site::kPageHost) + site::kPagePath + code;
  if ((run.host.InternetConnectFunc(address.c_str()) & 0xFF) == 0) {
    ShowRunMessage(kNotConnectedMessage, run.wait_window->Handle());
    return CodeOutcome::kNotConnected;
  }
  // A failed download leaves no file, so the previous book's page must not be
  // there to be read under this code.
  platform::DeleteFileIfPresent(files.page);
  run.host.HTTPDownloadFunc(files.page.c_str(), address.c_str());
  if (!platform::FileExists(files.page)) return CodeOutcome::kNoLine;
  Book[field::PageUrl] = address;
  run.host.HTTPDownloadFunc(files.page.c_str(), address.c_str());
  if (!ParseProductPage(files.page, site::kImagePrefix)) return CodeOutcome::kNoLine;

  CheckCode(run.host, Book[field::Isbn]);
  code = CheckCode(run.host, Book[field::Isbn]);
  ApplyLongLineRule();
  CompleteBook();
  FillRecordDefaults(files.settings);
  lines.push_back(ResultLine(Book));
  return CodeOutcome::kLine;
}

}  // namespace

void RunLookup(std::string_view work_dir, std::string_view result_path, const char* codes) {
  StopRequested = false;  // a stop ends one run, not every later one
  WorkDir = work_dir;
  platform::DeleteFileIfPresent(result_path);
  if (codes == nullptr || *codes == '\0') {
    ShowRunMessage(kNoCodesMessage);
    return;
  }
  std::vector<std::string> code_list;
  for (std::string_view line : SplitLines(codes)) code_list.emplace_back(line);

  RunResources run;
  if (!BindHostServices(run.host)) return;
  run.wait_window = std::make_unique<TfrmWait>();
  run.wait_window->Show();
  const RunFiles files{WorkDir + "Temp.html", ExecutableDirectory() + "Setting.ini"};
  std::vector<std::string> lines;
  const int total = static_cast<int>(code_list.size());
  for (int i = 0; i < total; ++i) {
    ProcessPendingMessages(run.wait_window->Handle());
    if (StopRequested) break;
    run.wait_window->ShowProgress(i + 1, total);
    if (LookUpCode(run, files, code_list[i], lines) == CodeOutcome::kNotConnected) break;
  }
  WriteResultFile(result_path, lines);
}

}  // namespace bk
