// One saved product page through the steps the lookup run takes per code.
#pragma once

#include <string>

namespace bk {

struct PageRequest {
  std::string page_path;
  std::string work_dir;      // ends with a path separator
  std::string image_prefix;
  std::string isbn;          // the code looked up; keys the publisher dictionary
};

// Clears Book and fills it as the run would: dictionaries from work_dir,
// the page parse, the label lookup and the volume digits. True when the page
// held an item title (the run writes a line only then). Throws
// platform::FileError for an unreadable dictionary or option file.
bool BuildRecord(const PageRequest& request);

}  // namespace bk
