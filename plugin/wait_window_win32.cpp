#include "plugin/wait_window.h"

#include <commctrl.h>

#include <string>

#include "plugin/run_state.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace bk {
namespace {

constexpr int kClientWidth = 219;
constexpr int kClientHeight = 98;
constexpr COLORREF kNavy = RGB(0, 0, 128);

HINSTANCE ThisModule() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

LRESULT CALLBACK WaitWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == wait_window_id::BtnStop && HIWORD(wparam) == BN_CLICKED) {
        StopRequested = true;  // the run stops before its next code
        ShowWindow(window, SW_HIDE);
        return 0;
      }
      break;
    case WM_CLOSE:  // closing only hides; the run owns the window
      ShowWindow(window, SW_HIDE);
      return 0;
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      const bool is_label = GetDlgCtrlID(reinterpret_cast<HWND>(lparam)) == wait_window_id::Label3;
      SetTextColor(dc, is_label ? kNavy : RGB(0, 0, 0));
      SetBkColor(dc, RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    default:
      break;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

// Paints what changed now: between codes the run's thread does not get to
// its messages, and a download can take a while. Some window systems put the
// painting on the screen only when the thread next looks at its queue; the
// look for a paint message (there is none left) takes nothing from it.
void PaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  MSG msg;
  PeekMessageA(&msg, window, WM_PAINT, WM_PAINT, PM_NOREMOVE);
}

HWND AddControl(HWND parent, const char* window_class, const char* text, DWORD style, int x, int y,
                int width, int height, int id, HFONT font) {
  HWND control = CreateWindowExA(0, window_class, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                                 height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 ThisModule(), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

}  // namespace

TfrmWait::TfrmWait() {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);

  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = WaitWindowProc;
  window_class.hInstance = ThisModule();
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  window_class.lpszClassName = kWaitWindowClass;
  RegisterClassA(&window_class);

  // A single fixed border without border icons.
  const DWORD style = WS_POPUP | WS_CAPTION;
  const DWORD ex_style = WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
  RECT frame = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, ex_style);
  window_ = CreateWindowExA(ex_style, kWaitWindowClass, "\x8c\x9f\x8d\xf5\x92\x86",  // 検索中
                            style, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                            nullptr, nullptr, ThisModule(), nullptr);
  // ＭＳ Ｐゴシック, 12 pixels
  font_ = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                      "\x82l\x82r \x82o\x83S\x83V\x83" "b\x83N");
  // しばらくお待ちください
  AddControl(window_, "STATIC",
             "\x82\xb5\x82\xce\x82\xe7\x82\xad\x82\xa8\x91\xd2\x82\xbf\x82\xad\x82\xbe\x82\xb3\x82\xa2",
             SS_LEFT | SS_NOPREFIX, 20, 7, 180, 14, wait_window_id::Label3, font_);
  HWND bar = AddControl(window_, PROGRESS_CLASSA, "", 0, 16, 24, 185, 25, wait_window_id::ProgressBar, font_);
  SendMessageA(bar, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
  // Right-aligned, its right edge where the counter's text ends.
  AddControl(window_, "STATIC", "-/-", SS_RIGHT | SS_NOPREFIX, 103, 52, 98, 12, wait_window_id::lblCount,
             font_);
  AddControl(window_, "BUTTON", "\x92\x86\x8e~(&X)", BS_PUSHBUTTON | WS_TABSTOP, 56, 64, 105, 25,  // 中止(&X)
             wait_window_id::BtnStop, font_);
}

TfrmWait::~TfrmWait() {
  if (window_ != nullptr) DestroyWindow(window_);
  if (font_ != nullptr) DeleteObject(font_);
  UnregisterClassA(kWaitWindowClass, ThisModule());
}

void TfrmWait::Show() {
  RECT frame;
  GetWindowRect(window_, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(window_, HWND_TOPMOST, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  PaintNow(window_);
}

void TfrmWait::ShowProgress(int current, int total) {
  const int percent = total > 0 ? (current - 1) * 100 / total : 0;
  SendDlgItemMessageA(window_, wait_window_id::ProgressBar, PBM_SETPOS, percent, 0);
  const std::string counter = std::to_string(current) + "/" + std::to_string(total);
  SetDlgItemTextA(window_, wait_window_id::lblCount, counter.c_str());
  PaintNow(window_);
}

}  // namespace bk
