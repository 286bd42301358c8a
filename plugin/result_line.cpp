#include "plugin/result_line.h"

#include "text/width.h"

namespace bk {
namespace {

// Columns 20 and 41 of the line hold no field: they come before fields 19
// and 39.
bool EmptyColumnBefore(int index) { return index == 19 || index == 39; }

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

std::string ResultLine(TBase& record) {
  for (int index : {field::TitleReading, field::Author1Reading, field::Author2Reading}) {
    record[index] = MapHalfWidthAnsi(record[index]);
  }
  std::string line;
  for (int index = 0; index < field::kCount; ++index) {
    if (index > 0) line += ',';
    if (EmptyColumnBefore(index)) line += ',';
    AppendValue(line, Escape(record[index]));
  }
  return line;
}

}  // namespace bk
