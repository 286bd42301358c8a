// The wait window shown during a run: a progress bar over the codes, an i/n
// counter and a Stop button that ends the run after the current code.
#pragma once

#include <windows.h>

namespace bk {

// Control ids, for keyboard handling and for tests that drive the window.
namespace wait_window_id {
inline constexpr int BtnStop = 101;
inline constexpr int lblCount = 102;
inline constexpr int ProgressBar = 103;
inline constexpr int Label3 = 104;
}  // namespace wait_window_id

inline constexpr char kWaitWindowClass[] = "TfrmWait";

class TfrmWait {
 public:
  // Registers the window class and creates the window, hidden.
  TfrmWait();
  // Destroys the window and unregisters its class.
  ~TfrmWait();
  TfrmWait(const TfrmWait&) = delete;
  TfrmWait& operator=(const TfrmWait&) = delete;

  // Shows the window centred on the screen, on top of other windows.
  void Show();
  // Code `current` (1-based) of `total` is being looked up; the bar shows the
  // share of the codes before it.
  void ShowProgress(int current, int total);
  HWND Handle() const { return window_; }

 private:
  HWND window_ = nullptr;
  HFONT font_ = nullptr;
};

}  // namespace bk
