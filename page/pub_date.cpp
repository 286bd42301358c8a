#include "page/pub_date.h"

#include <optional>

#include "plugin/record.h"
#include "text/char_class.h"
#include "text/find.h"
#include "text/half_width_ascii.h"
#include "text/substring.h"

namespace bk {
namespace {

constexpr std::string_view kYearMark = "\x94N";     // 年
constexpr std::string_view kMonthMark = "\x8c\x8e";  // 月
constexpr std::string_view kDayMark = "\x93\xfa";    // 日
// A day delimiter that never occurs: the day runs to the end of the cell.
constexpr std::string_view kNoDayMark = "Dummy";

struct Delimiters {
  std::string_view year, month, day;
};

std::optional<Delimiters> ChooseDelimiters(std::string_view t) {
  if (Contains(t, kYearMark)) return Delimiters{kYearMark, kMonthMark, kDayMark};
  if (Contains(t, ".")) return Delimiters{".", ".", kNoDayMark};
  if (Contains(t, "/")) return Delimiters{"/", "/", kNoDayMark};
  return std::nullopt;
}

// The value of an optional sign followed by decimal digits; nullopt for any
// other text. Long digit runs saturate instead of overflowing: only the
// comparisons with 0 and 60 of short texts depend on the value.
std::optional<long long> WholeNumber(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  long long value = 0;
  for (char c : text) {
    if (!IsAsciiDigit(c)) return std::nullopt;
    if (value < 1'000'000'000'000LL) value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

// A year of fewer than four bytes is two-digit style: 60 and above are 19xx,
// the rest 20xx. A text that is no whole number, or a negative one, is no year.
std::string WidenYear(std::string_view text) {
  const std::optional<long long> value = WholeNumber(text);
  if (!value || *value < 0) return {};
  if (text.size() >= 4) return std::string(text);
  return std::to_string(*value + (*value >= 60 ? 1900 : 2000));
}

std::string LastTwo(std::string_view text) {
  return std::string(text.substr(text.size() < 2 ? 0 : text.size() - 2));
}

bool IsTwoDigits(std::string_view text) {
  return text.size() == 2 && IsAllDigits(text);
}

struct Date {
  std::string year;
  std::string month = "00";
  std::string day = "00";
};

Date ReadDelimited(std::string t, const Delimiters& d) {
  Date date;
  const long w = static_cast<long>(d.year.size());
  const std::size_t p = FindBytes(d.year, t);
  date.year = WidenYear(Trim(Left(t, static_cast<long>(p) - 1)));
  t = From(t, static_cast<long>(p) + w);
  if (const std::size_t q = FindBytes(d.month, t); q > 0) {
    date.month = "00" + Trim(Left(t, static_cast<long>(q) - 1));
    t = From(t, static_cast<long>(q) + w);
    const std::size_t r = FindBytes(d.day, t);
    date.day = LastTwo("00" + Trim(r > 0 ? Left(t, static_cast<long>(r) - 1) : t));
  } else {
    date.month = "00" + Trim(t);
  }
  date.month = LastTwo(date.month);
  return date;
}

Date ReadDigits(std::string_view text) {
  Date date;
  const std::string t = Trim(text);
  const std::optional<long long> value = WholeNumber(t);
  if (!value || *value <= 0) return date;
  if (t.size() == 8) {
    date.year = t.substr(0, 4);
    date.month = t.substr(4, 2);
    date.day = t.substr(6, 2);
  } else if (t.size() == 6 && (t.compare(0, 2, "19") == 0 || t.compare(0, 2, "20") == 0)) {
    date.year = t.substr(0, 4);
    date.month = t.substr(4, 2);
  } else if (t.size() == 6) {
    date.year = WidenYear(t.substr(0, 2));
    date.month = t.substr(2, 2);
    date.day = t.substr(4, 2);
  }
  return date;
}

void StoreTwoDigits(int field_index, const std::string& value) {
  if (value != "00" && IsTwoDigits(value)) Book[field_index] = value;
}

}  // namespace

void ParsePubDate(std::string_view cell) {
  const std::string t = ToHalfWidthAscii(cell);
  const std::optional<Delimiters> delimiters = ChooseDelimiters(t);
  const Date date = delimiters ? ReadDelimited(t, *delimiters) : ReadDigits(t);
  Book[field::PubYear] = date.year;
  StoreTwoDigits(field::PubMonth, date.month);
  StoreTwoDigits(field::PubDay, date.day);
}

}  // namespace bk
