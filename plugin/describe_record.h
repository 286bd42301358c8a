// A record shown to a person: by the page inspector and the stand-in host.
#pragma once

#include <string>

#include "plugin/record.h"

namespace bk {

// Every non-empty field as "number name value" in UTF-8, one per line; the
// lines of a multi-line value are indented below it.
std::string DescribeFields(const TBase& record);

}  // namespace bk
