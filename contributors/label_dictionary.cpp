#include "contributors/label_dictionary.h"

#include <string>

#include "contributors/dictionary_file.h"
#include "contributors/dictionary_name.h"
#include "plugin/record.h"
#include "text/extract.h"
#include "text/find.h"

namespace bk {
namespace {

DictionaryText LabelDictionary;

}  // namespace

bool LoadLabelDictionary(std::string_view work_dir) {
  return ReloadDictionaryText(LabelDictionary, std::string(work_dir) + "LabelsDB.dat");
}

void FreeLabelDictionary() { LabelDictionary = DictionaryText(); }

void LookupLabel() {
  if (!LabelDictionary.has_lines()) return;
  // An empty label keys as "|publisher||": a line with an empty label column
  // supplies the label for pages that show none.
  const std::string key =
      "|" + Book[field::Publisher] + "|" + NormalizeDictionaryName(Book[field::Label]) + "|";
  if (Contains(LabelDictionary.text, key)) {
    Book[field::Label] = ExtractAfter(LabelDictionary.text, key, "\r\n");
  }
}

}  // namespace bk
