// The page parser on arbitrary page files. The first input byte picks the
// option file (none, title mode "1", title mode "2" with a label keyword and
// the category switch) and whether the personal-mode marker exists; the rest
// is written to the page file. Nothing may read or write out of bounds, and
// a parse without a title never applies the personal mode.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "page/parse_product_page.h"
#include "plugin/record.h"
#include "plugin/run_state.h"

namespace {

using bk::fuzz::Check;
using bk::fuzz::WriteFile;

const std::string& Dir() { return bk::fuzz::ScratchDir("bk_fuzz_page"); }

constexpr std::string_view kOptionFiles[] = {
    "",
    "VORNA3=1\r\n",
    "VORNA3=2\r\nVORNA2=\x95\xb6\x8c\xc9\r\nVORNA2=novel\r\nVORNA1=1\r\n",  // 文庫
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string& dir = Dir();
  const std::uint8_t choice = data[0];
  const std::string page_path = dir + "Temp.html";
  const std::string marker_path = page_path + ".marune_private";
  const std::string_view options = kOptionFiles[(choice & 3) % 3];
  std::filesystem::remove(dir + "pelto.dat");
  if (!options.empty()) WriteFile(dir + "pelto.dat", options);
  std::filesystem::remove(marker_path);
  if (choice & 4) WriteFile(marker_path, "");
  WriteFile(page_path, std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

  bk::WorkDir = dir;
  bk::StopRequested = false;
  bk::Book.Clear();
  bk::Book[bk::field::PageUrl] = "page";
  const bool found = bk::ParseProductPage(page_path, "https://img.example/ac/");
  Check(found || bk::Book[bk::field::PageUrl] == "page");
  Check(!found || !(choice & 4) || bk::Book[bk::field::PageUrl].empty());
  return 0;
}
