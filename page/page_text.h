// The page file's bytes split into lines, after the entity passes.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace bk {

using PageLines = std::vector<std::string_view>;

// The lines point into the file's bytes; only a line that the entity passes
// change gets a copy of its own. Neither copyable nor movable, so the views
// stay valid for the object's lifetime.
class PageText {
 public:
  explicit PageText(std::string bytes);
  PageText(const PageText&) = delete;
  PageText& operator=(const PageText&) = delete;

  const PageLines& lines() const { return lines_; }
  std::string_view bytes() const { return bytes_; }
  // Whether line j was rewritten, so that it no longer lies in bytes().
  bool rewritten(std::size_t j) const { return rewritten_[j]; }

 private:
  std::string bytes_;
  std::deque<std::string> copies_;
  PageLines lines_;
  std::vector<bool> rewritten_;
};

}  // namespace bk
