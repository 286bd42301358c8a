// The input line forms that carry a classification code and a price after
// the ISBN.
#pragma once

namespace bk {

// An 18-byte line in Book[Isbn] (ISBN-10, classification code, price): before
// the lookup, keeps the ISBN-10 in Isbn and fills CCode and Price.
void ApplyShortLineRule();

// A 26-byte line in Book[Isbn] (ISBN-13 and the book's second barcode:
// "192", classification code, five-digit price, check digit): after the
// parse, fills an empty CCode and an empty Price and keeps the ISBN-13.
void ApplyLongLineRule();

}  // namespace bk
