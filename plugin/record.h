// The book record: one module-level instance that every stage of a lookup
// fills for the code being looked up.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace bk {

namespace field {
enum : int {
  Isbn = 0,
  Title = 1,
  TitleReading = 2,
  Subtitle = 3,
  Volume = 4,
  Author1 = 5,
  Author1Reading = 6,
  Author2 = 7,
  Author2Reading = 8,
  OtherContributors = 9,
  CCode = 10,
  Publisher = 12,
  Label = 13,
  Category = 14,
  Size = 15,
  PageUrl = 16,
  Extra1 = 17,
  Extra2 = 18,
  PurchaseState = 19,
  Price = 20,
  TaxMode = 21,
  TaxMode2 = 23,
  PubYear = 24,
  PubMonth = 25,
  PubDay = 26,
  Pages = 34,
  Description = 35,
  CoverImageUrl = 36,
  ReadState = 44,
  Author1Extra = 63,
};
inline constexpr int kCount = 66;
}  // namespace field

struct TBase {
  std::uint32_t Unused = 0;  // part of the host's layout; nothing reads it
  std::array<std::string, field::kCount> fields;

  std::string& operator[](int index) { return fields[index]; }
  const std::string& operator[](int index) const { return fields[index]; }
  // Empties the 66 text fields and leaves the leading word alone.
  void Clear();
};

// The record of the code being looked up.
extern TBase Book;

// Name of field index ("Isbn", "Title", ... or "field 11" for unnamed ones).
const char* FieldName(int index);

}  // namespace bk
