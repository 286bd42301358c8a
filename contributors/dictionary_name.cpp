#include "contributors/dictionary_name.h"

#include "text/replace.h"
#include "text/substring.h"
#include "text/width.h"

namespace bk {

std::string NormalizeDictionaryName(std::string_view name) {
  std::string key(name);
  for (std::string_view mark : {"\x81" "E" /* ・ */, "\x81\x99" /* ☆ */, "\x81\x9a" /* ★ */,
                                "\x81\xf4" /* ♪ */}) {
    key = RemoveAll(key, mark);
  }
  // Katakana ニ and kanji 二 look alike and are written either way.
  key = ReplaceAll(key, "\x83j" /* ニ */, "\x93\xf1" /* 二 */);
  key = MapHalfWidthAnsi(key);
  key = RemoveAll(key, " ");
  key = ReplaceAll(key, "\xb0" /* ｰ */, "-");
  return Trim(key);
}

}  // namespace bk
