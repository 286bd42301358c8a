#include "plugin/book_steps.h"

#include "contributors/author_dictionary.h"
#include "contributors/label_dictionary.h"
#include "contributors/publisher_dictionary.h"
#include "plugin/record.h"
#include "plugin/run_state.h"
#include "title/volume_digits.h"

namespace bk {

void BeginBook(std::string_view input_line) {
  Book.Clear();
  Book[field::Isbn] = input_line;
  LoadAuthorDictionary(WorkDir);
  LookupPublisher(WorkDir);  // by the whole input line's publisher prefix
  LoadLabelDictionary(WorkDir);
}

void CompleteBook() {
  LookupLabel();
  Book[field::Volume] = VolumeDigits(Book[field::Volume]);
}

}  // namespace bk
