#include "plugin/record.h"

namespace bk {

TBase Book;

void TBase::Clear() {
  for (auto& f : fields) f.clear();
}

const char* FieldName(int index) {
  // Fields that nothing fills have no name of their own.
  static constexpr const char* kNames[field::kCount] = {
      "Isbn", "Title", "TitleReading", "Subtitle", "Volume", "Author1", "Author1Reading",
      "Author2", "Author2Reading", "OtherContributors", "CCode", "field 11", "Publisher",
      "Label", "Category", "Size", "PageUrl", "Extra1", "Extra2", "PurchaseState", "Price",
      "TaxMode", "field 22", "TaxMode2", "PubYear", "PubMonth", "PubDay", "field 27",
      "field 28", "field 29", "field 30", "field 31", "field 32", "field 33", "Pages",
      "Description", "CoverImageUrl", "field 37", "field 38", "field 39", "field 40",
      "field 41", "field 42", "field 43", "ReadState", "field 45", "field 46", "field 47",
      "field 48", "field 49", "field 50", "field 51", "field 52", "field 53", "field 54",
      "field 55", "field 56", "field 57", "field 58", "field 59", "field 60", "field 61",
      "field 62", "Author1Extra", "field 64", "field 65"};
  return index >= 0 && index < field::kCount ? kNames[index] : "";
}

}  // namespace bk
