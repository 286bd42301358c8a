// The publication date on arbitrary cell text: never out of bounds, and the
// three fields keep their forms: a year that is empty or a signed number,
// a month and a day that are left alone or two digits other than "00".
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "page/pub_date.h"
#include "plugin/record.h"

namespace {

using bk::fuzz::Check;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSignedNumber(std::string_view text) {
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
  if (text.empty()) return false;
  for (char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

void CheckTwoDigitsOrUntouched(int index) {
  const std::string& value = bk::Book[index];
  Check(value == "untouched" ||
        (value.size() == 2 && IsDigit(value[0]) && IsDigit(value[1]) && value != "00"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  bk::Book.Clear();
  bk::Book[bk::field::PubMonth] = "untouched";
  bk::Book[bk::field::PubDay] = "untouched";
  bk::ParsePubDate(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string& year = bk::Book[bk::field::PubYear];
  Check(year.empty() || IsSignedNumber(year));
  CheckTwoDigitsOrUntouched(bk::field::PubMonth);
  CheckTwoDigitsOrUntouched(bk::field::PubDay);
  return 0;
}
