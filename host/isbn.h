#pragma once

#include <string>
#include <string_view>

namespace bk::host {

// The 13-digit form of an ISBN-10 or ISBN-13, hyphens allowed, or of an
// ISBN-13 followed by the book's second barcode (26 digits); empty when the
// code is not an ISBN or its check digit is wrong.
std::string NormalizeIsbn(std::string_view code);

}  // namespace bk::host
