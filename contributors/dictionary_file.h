#pragma once

#include <string>
#include <string_view>

namespace bk {

// A dictionary as the lookups search it: all lines joined, each followed by
// CR LF (CR LF, LF and CR all end a line; a zero byte ends the content).
struct DictionaryText {
  std::string text;
  bool existed = false;  // whether the file was there

  bool has_lines() const { return !text.empty(); }
};

// The joined form of raw file bytes: cut at the first zero byte, every line
// ending turned into CR LF, a last line without one given one.
std::string JoinDictionaryLines(std::string bytes);

// Reads path in one go; an empty dictionary when the file does not exist.
// Throws platform::FileError when it exists but cannot be read.
DictionaryText LoadDictionaryText(std::string_view path);

// Replaces a dictionary held for the run by the file's (LoadDictionaryText);
// the old copy is released first, so a failed read leaves nothing stale
// behind. Whether the file was there.
bool ReloadDictionaryText(DictionaryText& held, std::string_view path);

}  // namespace bk
