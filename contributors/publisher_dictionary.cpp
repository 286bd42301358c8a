#include "contributors/publisher_dictionary.h"

#include <string>

#include "contributors/dictionary_file.h"
#include "plugin/record.h"
#include "text/extract.h"
#include "text/find.h"
#include "text/substring.h"

namespace bk {
namespace {

// Where the publisher prefix starts in the code: after the leading digits of
// a 13-digit code or after the group digit "4" of a 10-digit one; 0 when the
// code is neither.
long PrefixPosition(std::string_view code) {
  if (code.empty()) return 0;
  if (code[0] == '9') return 5;
  if (code[0] == '4') return 2;
  return 0;
}

}  // namespace

bool LookupPublisher(std::string_view work_dir) {
  const DictionaryText dictionary = LoadDictionaryText(std::string(work_dir) + "PubDB.dat");
  const std::string& code = Book[field::Isbn];
  const long position = PrefixPosition(code);
  if (position == 0) return dictionary.existed;
  // The shortest prefix that the dictionary knows wins.
  for (long length = 2; length <= 6; ++length) {
    const std::string key = "|" + Copy(code, position, length) + "|";
    if (Contains(dictionary.text, key)) {
      Book[field::Publisher] = ExtractAfter(dictionary.text, key, "\r\n");
      break;
    }
  }
  return dictionary.existed;
}

}  // namespace bk
