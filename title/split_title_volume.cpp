#include "title/split_title_volume.h"

#include <algorithm>
#include <vector>

#include "plugin/record.h"
#include "text/char_class.h"
#include "text/find.h"
#include "text/half_width_ascii.h"
#include "text/lead_byte.h"
#include "text/replace.h"
#include "text/substring.h"
#include "title/volume_digits.h"

namespace bk {
namespace {

constexpr std::string_view kOpenAngle = "\x81q";        // 〈
constexpr std::string_view kCloseAngle = "\x81r";       // 〉
constexpr std::string_view kOrdinal = "\x91\xe6";       // 第
constexpr std::string_view kSection = "\x95\xd2";       // 編
constexpr std::string_view kBookUnit = "\x8a\xaa";      // 巻
constexpr std::string_view kCollectionUnit = "\x8fW";   // 集

long Len(std::string_view text) { return static_cast<long>(text.size()); }

// Full-width brackets, marks and spaces become ASCII so that the later steps
// look for one form only.
std::string Normalise(std::string_view title) {
  std::string t = ReplaceAll(title, "\x81i", "(");  // （
  t = ReplaceAll(t, "\x81j", ")");                   // ）
  t = ReplaceAll(t, "\x81I", "!");                   // ！
  t = ReplaceAll(t, "\x81" "D", ".");                // ．
  t = ReplaceAll(t, "\x81@", " ");                   // 　
  return Trim(ToHalfWidthAscii(t));
}

// A group such as 第3巻 still names a volume once its unit words are gone.
std::string WithoutUnitWords(std::string_view group) {
  return RemoveAll(RemoveAll(RemoveAll(group, kOrdinal), kBookUnit), kCollectionUnit);
}

// The working state of one title: the title text, the collected remark and
// the record's volume.
struct Split {
  std::string title;
  std::string remark;
  std::string& volume;
};

// A trailing 〈…〉 holds a series or label name: it goes to the remark.
void TakeAngleRemark(Split& s) {
  const long p = static_cast<long>(FindBytes(kOpenAngle, s.title));
  if (!EndsWith(s.title, kCloseAngle) || p == 0) return;
  s.remark = Copy(s.title, p + 2, Len(s.title) - p - 3);
  s.title = TrimRight(Left(s.title, p - 1));
}

// The "(" characters of a title that the group loop only ever cuts from its
// end. Searching the whole title again for each group would make a title of
// many groups cost quadratic time; here each position is dropped once.
class OpenBrackets {
 public:
  explicit OpenBrackets(std::string_view title) {
    for (std::size_t i = 0; i < title.size(); i += CharLengthAt(title, i)) {
      if (title[i] == '(') positions_.push_back(i + 1);
    }
  }
  // 1-based position of the last "(" within the first n bytes; 0 when none.
  std::size_t LastWithin(std::size_t n) {
    while (!positions_.empty() && positions_.back() > n) positions_.pop_back();
    return positions_.empty() ? 0 : positions_.back();
  }

 private:
  std::vector<std::size_t> positions_;
};

// The title without its trailing bytes 0x00-0x20, as a view, so that cutting
// one group after another copies nothing.
std::string_view TrimRightView(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= 0x20) text.remove_suffix(1);
  return text;
}

// Trailing parenthesised groups, from the right: a volume token becomes the
// volume (while none is set), anything else goes in front of the remark.
void TakeTrailingGroups(Split& s) {
  std::string_view title = s.title;
  OpenBrackets opens(title);
  std::vector<std::string_view> remarks;  // right to left
  while (!title.empty() && title.back() == ')') {
    const std::size_t end = title.size();
    // q is the position of "(" (0 when there is none), so the group starts
    // at index q; a group holding ")" is taken one bracket level wider.
    std::size_t q = opens.LastWithin(end);
    if (Contains(title.substr(q, end - q - 1), ")")) q = opens.LastWithin(q == 0 ? 0 : q - 1);
    const std::string_view group = title.substr(q, end - q - 1);
    const std::string volume = WithoutUnitWords(group);
    title = TrimRightView(title.substr(0, q == 0 ? 0 : q - 1));
    if (IsVolumeToken(volume) && s.volume.empty()) {
      s.volume = volume;
    } else {
      remarks.push_back(group);
    }
  }
  std::string remark;
  for (auto it = remarks.rbegin(); it != remarks.rend(); ++it) remark.append(*it).append(" ");
  s.remark = remark + s.remark;
  s.title.resize(title.size());  // title is a prefix of s.title
}

// The last parenthesised group inside the title; what follows it is a remark.
bool TakeInnerGroup(Split& s) {
  if (!Contains(s.title, "(") || !Contains(s.title, ")")) return false;
  const long c = static_cast<long>(FindLastOf(")", s.title));
  const std::string before = Left(s.title, c - 1);
  const std::string after = From(s.title, c + 1);
  const long o = static_cast<long>(FindLastOf("(", before));
  std::string volume = WithoutUnitWords(From(before, o + 1));
  if (!IsVolumeToken(volume)) return false;
  s.title = TrimRight(Left(before, o - 1));
  s.volume = std::move(volume);
  s.remark = after + " " + s.remark;
  return true;
}

// The two bytes 巻 or 集 at the very end, cut from the title.
std::string CutUnitSuffix(std::string& title) {
  if (!EndsWith(title, kBookUnit) && !EndsWith(title, kCollectionUnit)) return {};
  std::string unit = title.substr(title.size() - 2);
  title.resize(title.size() - 2);
  return unit;
}

bool TakeLastWord(Split& s) {
  if (!Contains(s.title, " ")) return false;
  const long k = static_cast<long>(FindLastOf(" ", s.title));
  std::string word = From(s.title, k + 1);
  if (!IsVolumeToken(word)) return false;
  s.title = TrimRight(Left(s.title, k - 1));
  s.volume = std::move(word);
  return true;
}

// The volume after the later of the first 第 and the first 編; 第 is dropped
// from the title, 編 belongs to it.
bool TakeAfterOrdinal(Split& s) {
  const long m =
      static_cast<long>(std::max(FindBytes(kOrdinal, s.title), FindBytes(kSection, s.title)));
  if (m == 0) return false;
  std::string word = From(s.title, m + 2);
  if (!IsVolumeToken(word)) return false;
  s.title = Left(s.title, m + 1);
  s.volume = std::move(word);
  if (EndsWith(s.title, kOrdinal)) s.title = TrimRight(Left(s.title, Len(s.title) - 2));
  return true;
}

bool IsAsciiLetterOrDigit(char c) {
  return IsAsciiDigit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z');
}

// "VOL" or "NO" (any case) as a word of its own right before the digits that
// end the title, a "." between them allowed: 'Web入門 vol.3', 'No.5', 'VOL3'.
// The letters "NO" inside a word ('Piano Lesson3', 'NOTE2') are no marker, and
// the title keeps its own letters, case and punctuation.
bool TakeLatinMarker(Split& s) {
  if (s.title.empty() || !IsAsciiDigit(s.title.back())) return false;
  std::string digits = TrailingDigits(s.title);
  std::string_view before = std::string_view(s.title).substr(0, s.title.size() - digits.size());
  if (!before.empty() && before.back() == '.') before.remove_suffix(1);
  for (std::string_view marker : {"VOL", "NO"}) {
    if (before.size() < marker.size()) continue;
    const std::size_t at = before.size() - marker.size();
    if (!std::equal(marker.begin(), marker.end(), before.begin() + at,
                    [](char m, char c) { return m == (c & ~0x20); })) {
      continue;
    }
    // The marker must start a character, and the character before it must
    // not be a one-byte letter or digit.
    std::size_t i = 0;
    std::size_t previous = 0;
    while (i < at) {
      previous = i;
      i += CharLengthAt(before, i);
    }
    if (i != at || (at - previous == 1 && IsAsciiLetterOrDigit(before[previous]))) continue;
    s.title = TrimRight(before.substr(0, at));
    s.volume = std::move(digits);
    return true;
  }
  return false;
}

// Digits right before a cut 巻 or 集 are the volume; without them the unit
// goes back on the title.
void TakeDigitsBeforeUnit(Split& s, const std::string& unit) {
  if (unit.empty()) return;
  if (s.title.empty() || !IsAsciiDigit(s.title.back())) {
    s.title += unit;
    return;
  }
  s.volume = TrailingDigits(s.title);
  s.title.resize(s.title.size() - s.volume.size());
}

void FindVolume(Split& s) {
  TakeAngleRemark(s);
  TakeTrailingGroups(s);
  if (!s.volume.empty()) return;
  if (TakeInnerGroup(s)) return;
  const std::string unit = CutUnitSuffix(s.title);
  if (TakeLastWord(s) || TakeAfterOrdinal(s) || TakeLatinMarker(s)) return;
  TakeDigitsBeforeUnit(s, unit);
}

}  // namespace

std::string SplitTitleVolume(std::string_view title) {
  Split s{Normalise(title), {}, Book[field::Volume]};
  FindVolume(s);
  Book[field::Title] = std::move(s.title);
  return Trim(s.remark);
}

}  // namespace bk
