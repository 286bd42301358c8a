#pragma once

#include <windows.h>

#include <string_view>

namespace bk {

// Shows text in a modal message dialog (no icon, one OK button, centred on
// the screen) and returns when it is closed. Window messages are processed
// while it is open. The owner, when given, stays disabled meanwhile.
void ShowRunMessage(std::string_view text, HWND owner = nullptr);

}  // namespace bk
