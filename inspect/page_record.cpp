#include "inspect/page_record.h"

#include "contributors/author_dictionary.h"
#include "contributors/label_dictionary.h"
#include "contributors/publisher_dictionary.h"
#include "page/parse_product_page.h"
#include "plugin/record.h"
#include "plugin/run_state.h"
#include "title/volume_digits.h"

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
  Book.Clear();
  Book[field::Isbn] = request.isbn;
  WorkDir = request.work_dir;
  LoadAuthorDictionary(WorkDir);
  LookupPublisher(WorkDir);
  LoadLabelDictionary(WorkDir);
  if (!ParseProductPage(request.page_path, request.image_prefix)) return false;
  LookupLabel();
  Book[field::Volume] = VolumeDigits(Book[field::Volume]);
  return true;
}

}  // namespace bk
