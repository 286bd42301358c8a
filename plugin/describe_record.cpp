#include "plugin/describe_record.h"

#include <cstdio>

#include "text/utf8.h"

namespace bk {

std::string DescribeFields(const TBase& record) {
  std::string out;
  for (int i = 0; i < field::kCount; ++i) {
    if (record[i].empty()) continue;
    char head[48];
    std::snprintf(head, sizeof head, "%2d %-17s ", i, FieldName(i));
    out += head;
    const std::string value = AnsiToUtf8(record[i]);
    for (char c : value) {
      if (c == '\r') continue;
      out += c;
      if (c == '\n') out += std::string(21, ' ');
    }
    out += '\n';
  }
  return out;
}

}  // namespace bk
