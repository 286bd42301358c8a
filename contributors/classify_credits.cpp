#include "contributors/classify_credits.h"

#include <string>

#include "contributors/credit_markers.h"
#include "text/find.h"
#include "text/half_width_ascii.h"
#include "text/lead_byte.h"
#include "text/replace.h"
#include "text/substring.h"

namespace bk {
namespace {

// Delimits the entries while a block is taken apart; a "￥" of the block
// itself becomes "\" first, so it never delimits.
constexpr std::string_view kEntryMark = "\x81\x8f";  // ￥
constexpr std::string_view kMiddleDot = "\x81" "E";  // ・

struct Role {
  char code;
  std::string_view suffix;
};

// The block as entries delimited by "￥", the last one closed by it too, with
// full-width brackets and letters in their ASCII forms. The block arrives
// with its tags already stripped, so any "<" or ">" left in it is text: it
// is not stripped a second time, which would eat names (and, for a "<"
// without a later ">", every entry after it).
std::string NormaliseBlock(std::string_view block, std::string_view role_separator,
                           std::string_view entry_separator) {
  std::string text = ReplaceAll(block, kEntryMark, "\\");
  if (Contains(text, role_separator)) {
    text = ReplaceAll(text, entry_separator, kEntryMark);
    text += kEntryMark;
    text = ReplaceAll(text, role_separator, " ");
  } else {
    text += kEntryMark;  // no roles to split by: one entry
  }
  text = ReplaceAll(text, "\x81i", "(");  // （
  text = ReplaceAll(text, "\x81j", ")");  // ）
  text = ReplaceAll(text, "\x81I", "!");  // ！
  for (std::string_view blank : {"\x81k",        // 〔
                                 "\x81l",        // 〕
                                 "\x81" "F",     // ：
                                 "\x81^",        // ／
                                 "\x81@"}) {     // 　
    text = ReplaceAll(text, blank, " ");
  }
  return ToHalfWidthAscii(text);
}

// The first marker the entry contains decides the role; its occurrences are
// removed from (or replaced in) the entry.
Role RecogniseRole(std::string& entry) {
  for (const CreditMarker& row : kCreditMarkers) {
    if (Contains(entry, row.marker)) {
      entry = ReplaceAll(entry, row.marker, row.replacement);
      return {row.role_code, row.suffix};
    }
  }
  return {'0', {}};
}

bool EndsWithCharacter(std::string_view text, std::string_view character) {
  std::size_t last = 0;
  for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) last = i;
  return !text.empty() && text.substr(last) == character;
}

// The name without entry marks, empty parentheses left by a removed marker
// and one "・" at either end.
std::string CleanName(std::string_view entry) {
  std::string name = Trim(RemoveAll(RemoveAll(entry, kEntryMark), "()"));
  if (name.compare(0, kMiddleDot.size(), kMiddleDot) == 0) {
    name = TrimLeft(std::string_view(name).substr(kMiddleDot.size()));
  }
  if (EndsWithCharacter(name, kMiddleDot)) {
    name = TrimRight(std::string_view(name).substr(0, name.size() - kMiddleDot.size()));
  }
  return name;
}

// "他" and "ほか" (and others) credit nobody by name.
bool IsNamedPerson(std::string_view name) {
  return !name.empty() && name != "\x91\xbc" /* 他 */ && name != "\x82\xd9\x82\xa9" /* ほか */;
}

void File(ContributorList& list, std::string_view name, const Role& role) {
  if (!IsNamedPerson(name)) return;
  std::string entry(1, role.code);
  entry.append(name).append(role.suffix);
  list.Add(std::move(entry));
}

void FileNames(ContributorList& list, std::string_view name, std::string_view name_separator,
               const Role& role) {
  if (name_separator.empty()) {
    File(list, name, role);
    return;
  }
  const std::string names = std::string(name).append(name_separator);
  std::string_view rest = names;
  for (std::size_t p; (p = FindBytes(name_separator, rest)) > 0;) {
    File(list, Trim(rest.substr(0, p - 1)), role);
    rest.remove_prefix(p - 1 + name_separator.size());
  }
}

}  // namespace

void ClassifyCredits(ContributorList& list, std::string_view block,
                     std::string_view role_separator, std::string_view entry_separator,
                     std::string_view name_separator) {
  const std::string text = NormaliseBlock(block, role_separator, entry_separator);
  // The end of each entry is searched the same character-aware way as it is
  // cut, so a "￥" that is only visible across a character boundary (a page
  // in another encoding) neither splits nor stalls the loop.
  std::string_view rest = text;
  for (std::size_t p; (p = FindAligned(kEntryMark, rest)) > 0;) {
    std::string entry = std::string(kEntryMark);
    entry.append(Trim(rest.substr(0, p - 1))).append(kEntryMark);
    rest.remove_prefix(p - 1 + kEntryMark.size());
    const Role role = RecogniseRole(entry);
    FileNames(list, CleanName(entry), name_separator, role);
  }
}

}  // namespace bk
