#pragma once

#include <string>
#include <string_view>

namespace bk {

// A dictionary as the lookups search it: all lines joined, each followed by
// CR LF (CR LF, LF and CR all end a line; a zero byte ends the content).
struct DictionaryText {
  std::string text;
  bool has_lines = false;
};

// Reads path in one go; an empty dictionary when the file does not exist.
// Throws platform::FileError when it exists but cannot be read.
DictionaryText LoadDictionaryText(std::string_view path, bool* existed = nullptr);

}  // namespace bk
