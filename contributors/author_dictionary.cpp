#include "contributors/author_dictionary.h"

#include <string>
#include <vector>

#include "contributors/dictionary_file.h"
#include "contributors/dictionary_name.h"
#include "contributors/dictionary_search.h"
#include "plugin/record.h"
#include "text/extract.h"
#include "text/find.h"
#include "text/split_field.h"
#include "text/substring.h"

namespace bk {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kOpenBracket = "\x81m";   // ［
constexpr std::string_view kCloseBracket = "\x81n";  // ］

DictionaryText AuthorDictionary;

// One credit entry as it will be placed.
struct Credit {
  std::string name;
  std::string bracket_reading;
  std::string dictionary_reading;
  std::string extra;
};

// The name without its role code; a bracketed reading is taken out, and
// whatever follows the bracket (a role suffix too) is dropped.
Credit ReadCredit(std::string_view entry) {
  Credit credit;
  credit.name = From(entry, 2);
  if (const std::size_t open = FindBytes(kOpenBracket, credit.name); open > 0) {
    credit.bracket_reading = ExtractAfter(credit.name, kOpenBracket, kCloseBracket);
    credit.name.resize(open - 1);
  }
  return credit;
}

// The key of a name; empty for a name whose key form is empty, which is not
// looked up: "||" would match the first empty column anywhere in the file.
std::string DictionaryKey(std::string_view name) {
  const std::string normalized = NormalizeDictionaryName(name);
  return normalized.empty() ? std::string() : "|" + normalized + "|";
}

// Name, reading and extra text from the columns after the first place where
// each credit's key stands in the dictionary.
void LookUp(std::vector<Credit>& credits) {
  std::vector<std::string> keys;
  keys.reserve(credits.size());
  for (const Credit& credit : credits) keys.push_back(DictionaryKey(credit.name));
  const std::vector<std::size_t> found = FindEachFirst(AuthorDictionary.text, keys);
  const std::string_view text = AuthorDictionary.text;
  for (std::size_t i = 0; i < credits.size(); ++i) {
    if (found[i] == 0) continue;
    const std::string rest = ExtractAfter(text.substr(found[i] - 1), keys[i], "|\r\n");
    credits[i].name = SplitField(rest, '|', 1);
    credits[i].dictionary_reading = SplitField(rest, '|', 2);
    credits[i].extra = SplitField(rest, '|', 3);
  }
}

void Place(const Credit& credit, bool fill_first, bool fill_second, bool collect_others,
           std::string_view prefix) {
  const std::string placed = Book[field::Author1] + std::string(kCrLf) + Book[field::Author2] +
                             std::string(kCrLf) + Book[field::OtherContributors];
  if (Contains(placed, credit.name)) return;
  const std::string& reading =
      credit.dictionary_reading.empty() ? credit.bracket_reading : credit.dictionary_reading;
  if (fill_first && Book[field::Author1].empty()) {
    Book[field::Author1] = credit.name;
    Book[field::Author1Reading] = reading;
    Book[field::Author1Extra] = credit.extra;
  } else if (fill_second && Book[field::Author2].empty()) {
    Book[field::Author2] = credit.name;
    Book[field::Author2Reading] = reading;
  } else if (collect_others) {
    Book[field::OtherContributors] += std::string(kCrLf) + std::string(prefix) + credit.name;
  }
}

}  // namespace

bool LoadAuthorDictionary(std::string_view work_dir) {
  return ReloadDictionaryText(AuthorDictionary, std::string(work_dir) + "AuthDB.dat");
}

void FreeAuthorDictionary() { AuthorDictionary = DictionaryText(); }

void AssignContributors(const ContributorList& list, bool fill_first, bool fill_second,
                        bool collect_others, std::string_view prefix) {
  std::vector<Credit> credits;
  credits.reserve(list.entries().size());
  for (const std::string& entry : list.entries()) credits.push_back(ReadCredit(entry));
  if (AuthorDictionary.has_lines()) LookUp(credits);
  for (const Credit& credit : credits) {
    Place(credit, fill_first, fill_second, collect_others, prefix);
  }
  Book[field::OtherContributors] = Trim(Book[field::OtherContributors]);
}

}  // namespace bk
