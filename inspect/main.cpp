// inspect-page: prints the record that a saved product page yields, and the
// result line the lookup run would write for it.
#include <cstdio>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "inspect/page_record.h"
#include "platform/files.h"
#include "plugin/describe_record.h"
#include "plugin/record.h"
#include "plugin/result_line.h"
#include "plugin/site.h"
#include "text/utf8.h"

namespace {

constexpr char kUsage[] =
    "usage: inspect-page [--raw] [--prefix URL] [--isbn CODE] PAGE [WORKDIR]\n"
    "  PAGE     a saved product page (code page 932)\n"
    "  WORKDIR  folder with AuthDB.dat, PubDB.dat, LabelsDB.dat and pelto.dat\n"
    "           (default: the page's folder)\n"
    "  --raw    print only the result line, in code page 932, ended by CR LF\n"
    "  --prefix cover image address prefix (default: %s)\n"
    "  --isbn   the code looked up, for the publisher dictionary\n";

// The folder part of path, with its separator; empty for a bare file name.
std::string FolderOf(std::string_view path) {
  const std::size_t at = path.find_last_of("/\\");
  return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at + 1));
}

std::string WithSeparator(std::string dir) {
  if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += '/';
  return dir;
}

int Usage() {
  std::fprintf(stderr, kUsage, bk::site::kImagePrefix);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bk::PageRequest request;
  request.image_prefix = bk::site::kImagePrefix;
  bool raw = false;
  bool have_work_dir = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--raw") {
      raw = true;
    } else if ((arg == "--prefix" || arg == "--isbn") && i + 1 < argc) {
      (arg == "--prefix" ? request.image_prefix : request.isbn) = argv[++i];
    } else if (!arg.empty() && arg[0] == '-') {
      return Usage();
    } else if (request.page_path.empty()) {
      request.page_path = arg;
    } else if (!have_work_dir) {
      request.work_dir = WithSeparator(std::string(arg));
      have_work_dir = true;
    } else {
      return Usage();
    }
  }
  if (request.page_path.empty()) return Usage();
  if (!have_work_dir) request.work_dir = FolderOf(request.page_path);

  bool found = false;
  try {
    found = bk::BuildRecord(request);
  } catch (const bk::platform::FileError& e) {
    std::fprintf(stderr, "inspect-page: %s\n", e.what());
    return 3;
  }
  if (raw) {
    if (!found) return 1;
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::string line = bk::ResultLine(bk::Book) + "\r\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    return 0;
  }
  std::fputs(bk::DescribeFields(bk::Book).c_str(), stdout);
  if (!found) {
    std::fputs("no item title on this page: the run writes no line for it\n", stdout);
    return 1;
  }
  const std::string line = bk::ResultLine(bk::Book);
  std::printf("result line:\n%s\n", bk::AnsiToUtf8(line).c_str());
  return 0;
}
