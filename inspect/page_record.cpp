#include "inspect/page_record.h"

#include "contributors/author_dictionary.h"
#include "contributors/label_dictionary.h"
#include "page/parse_product_page.h"
#include "plugin/book_steps.h"
#include "plugin/run_state.h"

namespace bk {
namespace {

// Releases the dictionaries however the build ends.
struct DictionaryRelease {
  ~DictionaryRelease() {
    FreeAuthorDictionary();
    FreeLabelDictionary();
  }
};

}  // namespace

bool BuildRecord(const PageRequest& request) {
  const DictionaryRelease release;
  WorkDir = request.work_dir;
  BeginBook(request.isbn);
  if (!ParseProductPage(request.page_path, request.image_prefix)) return false;
  CompleteBook();
  return true;
}

}  // namespace bk
