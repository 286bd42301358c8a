#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "plugin/record.h"

namespace bk {

// The 68-column line of the record (no line terminator): fields 0-18, an
// empty column, fields 19-38, an empty column, fields 39-65. Escapes CR LF as
// "$$", '"' as the full-width closing quote and ',' as the full-width comma;
// quotes values holding a byte 1-32. Leaves the half-width forms of fields 2,
// 6 and 8 in the record.
std::string ResultLine(TBase& record);

// Creates the result file anew: each line followed by CR LF, raw code page
// 932, no byte-order mark; an empty list gives a 0-byte file. Written beside
// and renamed into place. Throws platform::FileError.
void WriteResultFile(std::string_view path, const std::vector<std::string>& lines);

}  // namespace bk
