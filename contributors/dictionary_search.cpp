#include "contributors/dictionary_search.h"

#include "text/find.h"

namespace bk {

std::vector<std::size_t> FindEachFirst(std::string_view text, const std::vector<std::string>& keys) {
  std::vector<std::size_t> found;
  found.reserve(keys.size());
  for (const std::string& key : keys) found.push_back(FindBytes(key, text));
  return found;
}

}  // namespace bk
