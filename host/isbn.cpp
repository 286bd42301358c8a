#include "host/isbn.h"

#include "text/char_class.h"

namespace bk::host {
namespace {

char Ean13CheckDigit(std::string_view first12) {
  int sum = 0;
  for (std::size_t i = 0; i < 12; ++i) sum += (first12[i] - '0') * (i % 2 == 0 ? 1 : 3);
  return static_cast<char>('0' + (10 - sum % 10) % 10);
}

std::string FromIsbn10(std::string_view code) {
  if (!IsAllDigits(code.substr(0, 9))) return "";
  int sum = 0;
  for (std::size_t i = 0; i < 9; ++i) sum += (code[i] - '0') * static_cast<int>(10 - i);
  const char last = code[9];
  if (last == 'X' || last == 'x') {
    sum += 10;
  } else if (IsAsciiDigit(last)) {
    sum += last - '0';
  } else {
    return "";
  }
  if (sum % 11 != 0) return "";
  std::string isbn13 = "978" + std::string(code.substr(0, 9));
  return isbn13 + Ean13CheckDigit(isbn13);
}

std::string FromIsbn13(std::string_view code) {
  if (!IsAllDigits(code) || (code.substr(0, 3) != "978" && code.substr(0, 3) != "979")) return "";
  if (Ean13CheckDigit(code) != code[12]) return "";
  return std::string(code);
}

}  // namespace

std::string NormalizeIsbn(std::string_view code) {
  std::string digits;
  for (char c : code) {
    if (c != '-') digits += c;
  }
  if (digits.size() == 10) return FromIsbn10(digits);
  if (digits.size() == 13) return FromIsbn13(digits);
  // A scanned book with its second barcode ("192", classification, price).
  if (digits.size() == 26 && digits.compare(13, 3, "192") == 0 && IsAllDigits(digits)) {
    return FromIsbn13(std::string_view(digits).substr(0, 13));
  }
  return "";
}

}  // namespace bk::host
