#include "plugin/line_rules.h"

#include <string>
#include <string_view>

#include "plugin/record.h"
#include "text/char_class.h"

namespace bk {
namespace {

// The price digits as a number written without leading zeros; "0" when they
// are not all digits.
std::string DecimalWithoutLeadingZeros(std::string_view digits) {
  if (!IsAllDigits(digits)) return "0";
  const auto first = digits.find_first_not_of('0');
  return first == std::string_view::npos ? "0" : std::string(digits.substr(first));
}

}  // namespace

void ApplyShortLineRule() {
  const std::string line = Book[field::Isbn];
  if (line.size() != 18) return;
  Book[field::Isbn] = line.substr(0, 10);
  Book[field::CCode] = line.substr(10, 4);
  const std::string price = line.substr(14, 4);
  if (price == "0000") {
    Book[field::Price].clear();
  } else if (price[0] == '0') {
    Book[field::Price] = price.substr(1);  // one leading zero only: 0098 stays 098
  } else {
    Book[field::Price] = price;
  }
}

void ApplyLongLineRule() {
  const std::string line = Book[field::Isbn];
  if (line.size() != 26) return;
  if (Book[field::CCode].empty()) Book[field::CCode] = line.substr(16, 4);
  // The barcode's price is five digits; the last byte is its check digit.
  if (Book[field::Price].empty()) Book[field::Price] = DecimalWithoutLeadingZeros(line.substr(20, 5));
  Book[field::Isbn] = line.substr(0, 13);
}

}  // namespace bk
