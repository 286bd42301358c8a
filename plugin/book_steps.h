// The steps of one book that need no host: the same for the lookup run and
// for the page inspector.
#pragma once

#include <string_view>

namespace bk {

// Clears Book, puts the input line into Isbn and reads the dictionaries in
// WorkDir again (author, publisher by the line's prefix, label).
void BeginBook(std::string_view input_line);

// After a successful parse: the label from the label dictionary, and the
// volume reduced to its digits.
void CompleteBook();

}  // namespace bk
