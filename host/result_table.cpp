#include "host/result_table.h"

#include <windows.h>

#include <algorithm>

#include "plugin/record.h"

namespace bk::host {
namespace {

// Columns 20 and 41 are always empty; the others hold fields 0-65 in order.
int FieldOfColumn(std::size_t column) {
  if (column < 19) return static_cast<int>(column);
  if (column == 19 || column == 40) return -1;
  return static_cast<int>(column < 40 ? column - 1 : column - 2);
}

}  // namespace

std::vector<std::string> SplitResultLine(std::string_view line) {
  std::vector<std::string> values(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c != '"') {
        values.back() += c;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        values.back() += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      values.emplace_back();
    } else {
      values.back() += c;
    }
  }
  return values;
}

std::string FormatBook(std::string_view line) {
  const std::vector<std::string> values = SplitResultLine(line);
  std::string out;
  for (std::size_t column = 0; column < values.size(); ++column) {
    const int index = FieldOfColumn(column);
    if (values[column].empty()) continue;
    std::string name = index >= 0 ? FieldName(index) : "column " + std::to_string(column + 1);
    name.resize(std::max<std::size_t>(name.size(), 18), ' ');
    out += "  " + name + ToUtf8(values[column]) + "\n";
  }
  return out;
}

std::string ToUtf8(std::string_view sjis) {
  if (sjis.empty()) return "";
  const int wide_size = MultiByteToWideChar(932, 0, sjis.data(), static_cast<int>(sjis.size()), nullptr, 0);
  std::wstring wide(wide_size, L'\0');
  MultiByteToWideChar(932, 0, sjis.data(), static_cast<int>(sjis.size()), wide.data(), wide_size);
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_size, nullptr, 0, nullptr, nullptr);
  std::string utf8(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_size, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

}  // namespace bk::host
