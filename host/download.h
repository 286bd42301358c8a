// Where the stand-in host gets pages from: the web, or a local folder.
#pragma once

#include <string>
#include <string_view>

namespace bk::host {

// Fetches address (HTTP or HTTPS) into path. On any failure (no connection,
// timeout, a status other than 200) nothing is written and false returned.
bool FetchAddress(std::string_view address, std::string_view path);

// Copies <code>.html from folder into path, code being the value after the
// address's last "isbn="; false (and no file) when the folder has none.
bool CopyLocalPage(std::string_view folder, std::string_view address, std::string_view path);

// The address with the page host replaced by base, when it starts with it.
std::string RedirectAddress(std::string_view address, std::string_view page_host, std::string_view base);

}  // namespace bk::host
