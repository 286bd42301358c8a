// Shows a plug-in's result lines as tables of named fields.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bk::host {

// The 68 values of a result line; quoted values lose their quotes.
std::vector<std::string> SplitResultLine(std::string_view line);

// The non-empty fields of the line, one "Name  value" row each, as UTF-8.
std::string FormatBook(std::string_view line);

// Code page 932 text as UTF-8, for the terminal.
std::string ToUtf8(std::string_view sjis);

}  // namespace bk::host
