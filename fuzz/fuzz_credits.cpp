// Runs credit classification on arbitrary author blocks, with the page
// parser's separators and with a name separator: broken code page 932 (a
// block ending in a lone lead byte included) must neither stall the split
// nor read out of bounds, and every filed entry must be well formed and in
// collation order.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "contributors/classify_credits.h"
#include "contributors/contributor_list.h"
#include "fuzz/fuzz_support.h"
#include "platform/locale.h"

namespace {

using bk::fuzz::Check;

void CheckFiled(const bk::ContributorList& list) {
  const auto compare = bk::platform::Locale().compare_ignore_case;
  const std::string* previous = nullptr;
  for (const std::string& e : list.entries()) {
    // Role code, then a trimmed, non-empty name.
    Check(e.size() >= 2 && std::string_view("0123459").find(e[0]) != std::string_view::npos);
    Check(static_cast<unsigned char>(e[1]) > 0x20);
    if (previous) Check(compare(*previous, e) < 0);
    previous = &e;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const bool with_name_separator = input.ConsumeBool();
  std::string name_separator;
  if (with_name_separator) {
    name_separator = input.ConsumeRandomLengthString(3);
    if (name_separator.empty()) name_separator = "\x81" "A";  // 、
  }
  const std::string block = input.ConsumeRemainingBytesAsString();

  bk::ContributorList list;
  bk::ClassifyCredits(list, block, "\x81^" /* ／ */, "\x81@" /* 　 */, name_separator);
  CheckFiled(list);
  return 0;
}
