#pragma once

#include <windows.h>

namespace bk {

// Lets the calling thread's pending window messages be processed once, so the
// host's windows stay responsive during a run. Keyboard input for dialog (when
// given) goes through its dialog navigation. A WM_QUIT taken from the queue is
// posted again and ends the pass, so that the host still quits.
void ProcessPendingMessages(HWND dialog = nullptr);

}  // namespace bk
