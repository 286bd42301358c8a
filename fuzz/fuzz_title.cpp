// Runs title separation on arbitrary bytes: broken code page 932, brackets in
// any balance and zero bytes must never read or write out of bounds, and the
// results keep what the run relies on.
#include <string>

#include "fuzz/fuzz_support.h"
#include "plugin/record.h"
#include "text/char_class.h"
#include "title/split_title_volume.h"
#include "title/volume_digits.h"

namespace {

using bk::fuzz::Check;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte decides whether a volume is already set.
  const bool volume_set = data[0] & 1;
  const std::string title(reinterpret_cast<const char*>(data) + 1, size - 1);

  bk::Book.Clear();
  if (volume_set) bk::Book[bk::field::Volume] = "7";
  const std::string remark = bk::SplitTitleVolume(title);

  Check(remark.empty() || (!IsBlank(remark.front()) && !IsBlank(remark.back())));
  const std::string& volume = bk::Book[bk::field::Volume];
  if (volume_set) Check(volume == "7");

  const std::string digits = bk::VolumeDigits(volume);
  Check(bk::VolumeDigits(digits) == digits);
  Check(!bk::HasDigit(volume) || bk::IsAllDigits(digits));

  const std::string trailing = bk::TrailingDigits(title);
  Check(trailing.size() <= title.size() &&
        title.compare(title.size() - trailing.size(), trailing.size(), trailing) == 0);
  return 0;
}
