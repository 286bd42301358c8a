#include "plugin/result_line.h"

#include <algorithm>

#include "text/width.h"

namespace bk {
namespace {

// CR LF becomes "$$", '"' the full-width closing quote and ',' the
// full-width comma. The bytes are matched one by one, not per character: in
// valid text none of them can be a trail byte, so that is the same thing,
// and after a stray lead byte it still keeps every separator and line break
// out of the value, so the line keeps its 68 columns.
std::string Escape(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') {
      out += "$$";
      ++i;
    } else if (c == '"') {
      out += "\x81\x68";
    } else if (c == ',') {
      out += "\x81\x43";
    } else {
      out += c;
    }
  }
  return out;
}

bool NeedsQuotes(std::string_view value) {
  for (char c : value) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 1 && b <= 32) return true;
  }
  return false;
}

void AppendValue(std::string& line, std::string_view value) {
  if (NeedsQuotes(value)) {
    line += '"';
    line.append(value);
    line += '"';
  } else {
    line.append(value);
  }
}

}  // namespace

int FieldOfColumn(int column) {
  if (column == 19 || column == 40) return -1;
  return column < 19 ? column : column < 40 ? column - 1 : column - 2;
}

std::string ResultLine(TBase& record) {
  for (int index : {field::TitleReading, field::Author1Reading, field::Author2Reading}) {
    record[index] = MapHalfWidthAnsi(record[index]);
  }
  std::string line;
  for (int column = 0; column < kColumnCount; ++column) {
    if (column > 0) line += ',';
    const int index = FieldOfColumn(column);
    if (index >= 0) AppendValue(line, Escape(record[index]));
  }
  return line;
}

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

TBase ParseResultLine(std::string_view line) {
  const std::vector<std::string> values = SplitResultLine(line);
  TBase record;
  const int columns = std::min(static_cast<int>(values.size()), kColumnCount);
  for (int column = 0; column < columns; ++column) {
    const int index = FieldOfColumn(column);
    if (index >= 0) record[index] = values[column];
  }
  return record;
}

}  // namespace bk
