#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "plugin/record.h"

namespace bk {

inline constexpr int kColumnCount = 68;

// The record field that column (0-based) of a result line holds: fields 0-18,
// an empty column, fields 19-38, an empty column, fields 39-65. -1 for the two
// empty columns.
int FieldOfColumn(int column);

// The line of the record (no line terminator), kColumnCount columns. Escapes CR LF as
// "$$", '"' as the full-width closing quote and ',' as the full-width comma;
// quotes values holding a byte 1-32. Leaves the half-width forms of fields 2,
// 6 and 8 in the record.
std::string ResultLine(TBase& record);

// The values of a result line, split at the commas outside quotes; quoted
// values lose their quotes ("" inside them is one quote).
std::vector<std::string> SplitResultLine(std::string_view line);

// The record a result line holds, read back by FieldOfColumn. The escapes
// stay as they are; columns beyond the 68th are ignored.
TBase ParseResultLine(std::string_view line);

// Creates the result file anew: each line followed by CR LF, raw code page
// 932, no byte-order mark; an empty list gives a 0-byte file. Written beside
// and renamed into place. Throws platform::FileError.
void WriteResultFile(std::string_view path, const std::vector<std::string>& lines);

}  // namespace bk
