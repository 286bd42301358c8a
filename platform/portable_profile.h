// Profile-file ("ini") reading of the portable locale layer, as
// GetPrivateProfileStringA does it with a 2048-byte buffer.
#pragma once

#include <string>
#include <string_view>

namespace bk::platform {

std::string PortableReadProfileString(std::string_view path, std::string_view section, std::string_view key,
                                      std::string_view default_value);

}  // namespace bk::platform
