// Handlers of the detail markers; each reads the page lines from line j and
// writes Book.
#pragma once

#include <cstddef>
#include <string_view>

#include "page/options.h"
#include "page/page_text.h"

namespace bk {

void ReadPublisher(const PageLines& lines, std::size_t j);
void ReadCategory(const PageLines& lines, std::size_t j, const Options& options);
void ReadPubDate(const PageLines& lines, std::size_t j);
void ReadPrice(const PageLines& lines, std::size_t j);
void ReadPagesAndSize(const PageLines& lines, std::size_t j);
void ReadCoverImage(const PageLines& lines, std::size_t j, std::string_view image_prefix);
void ReadDescriptionBody(const PageLines& lines, std::size_t j);
void ReadDescriptionMeta(const PageLines& lines, std::size_t j);

}  // namespace bk
