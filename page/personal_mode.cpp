#include "page/personal_mode.h"

#include "platform/files.h"
#include "plugin/record.h"
#include "text/replace.h"

namespace bk {

void ApplyPersonalMode(std::string_view marker_path, std::string_view extra1,
                       std::string_view extra2) {
  if (!platform::FileExists(marker_path)) return;
  const std::string size = ReplaceAll(Book[field::Size], "\x95\xb6\x8c\xc9", "A6");  // 文庫
  // The size handler stores the page's cell in half-width form, so the word
  // is removed in both widths.
  Book[field::Size] = RemoveAll(RemoveAll(size, "\x83R\x83~\x83" "b\x83N"),  // コミック
                                "\xba\xd0\xaf\xb8");                        // ｺﾐｯｸ
  Book[field::Extra1] = extra1;
  Book[field::Extra2] = extra2;
  Book[field::PageUrl].clear();
}

}  // namespace bk
