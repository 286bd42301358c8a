// Runs the portable locale layer on arbitrary bytes: lead bytes before zero
// bytes or at the end, unmapped pairs and stray marks must stay in bounds,
// and the results must keep the properties the callers rely on.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/locale.h"

namespace {

using bk::fuzz::Check;

int Sign(int r) { return (r > 0) - (r < 0); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  const std::string a = provider.ConsumeRandomLengthString(256);
  const std::string b = provider.ConsumeRemainingBytesAsString();
  const bk::platform::LocaleOps& ops = bk::platform::PortableLocale();

  const std::u16string wide = ops.ansi_to_wide(a);
  Check(wide.size() <= a.size());
  // One round trip settles every byte sequence on its standard encoding.
  const std::string once = ops.wide_to_ansi(wide);
  Check(ops.wide_to_ansi(ops.ansi_to_wide(once)) == once);

  Check(ops.upper_ansi(a).size() == a.size());
  Check(ops.map_ansi(a, bk::platform::kHalfWidth).has_value());
  for (std::uint32_t flags : {bk::platform::kHalfWidth, bk::platform::kFullWidth}) {
    const auto mapped = ops.map_wide(wide, flags);
    Check(mapped.has_value() && mapped->size() <= 2 * wide.size());
  }

  Check(ops.compare_ignore_case(a, a) == 0);
  Check(Sign(ops.compare_ignore_case(a, b)) == -Sign(ops.compare_ignore_case(b, a)));
  return 0;
}
