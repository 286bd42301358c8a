#pragma once

#include <string_view>

namespace bk {

// Fills the purchase, tax and read status fields of Book that are still
// empty from section "Entry" of the host's settings file (profile-file
// semantics; a missing file, section or key gives the built-in default).
void FillRecordDefaults(std::string_view settings_path);

}  // namespace bk
