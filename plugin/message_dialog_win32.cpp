#include "plugin/message_dialog.h"

#include <algorithm>
#include <string>
#include <vector>

namespace bk {
namespace {

constexpr WORD kTextId = 0xFFFF;  // the static text, as in the system's message boxes
constexpr int kMargin = 16;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 25;

// Builds the in-memory dialog template: words, with each item DWORD-aligned.
class TemplateWriter {
 public:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Text(const wchar_t* text) {
    do Word(static_cast<WORD>(*text)); while (*text++ != L'\0');
  }
  void AlignDword() {
    if (words_.size() % 2 != 0) Word(0);
  }
  // One control: style, position and size in dialog units, id, predefined
  // class atom and text.
  void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD class_atom,
            const wchar_t* text) {
    AlignDword();
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(id);
    Word(0xFFFF);
    Word(class_atom);
    Text(text);
    Word(0);  // no creation data
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  std::vector<WORD> words_;
};

// The dialog's size follows the text: measured, then laid out and centred.
void LayOut(HWND dialog) {
  HWND text = GetDlgItem(dialog, kTextId);
  HWND button = GetDlgItem(dialog, IDOK);
  char buffer[4096];
  const int length = GetWindowTextA(text, buffer, sizeof buffer);
  HDC dc = GetDC(text);
  HGDIOBJ old_font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
  RECT bounds = {0, 0, 480, 0};
  DrawTextA(dc, buffer, length, &bounds, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old_font);
  ReleaseDC(text, dc);

  const int text_width = std::max<int>(bounds.right, kButtonWidth);
  const int client_width = text_width + 2 * kMargin;
  const int client_height = kMargin + bounds.bottom + kMargin + kButtonHeight + kMargin;
  MoveWindow(text, kMargin, kMargin, text_width, bounds.bottom, FALSE);
  MoveWindow(button, (client_width - kButtonWidth) / 2, 2 * kMargin + bounds.bottom, kButtonWidth,
             kButtonHeight, FALSE);

  RECT frame = {0, 0, client_width, client_height};
  AdjustWindowRectEx(&frame, GetWindowLongA(dialog, GWL_STYLE), FALSE, GetWindowLongA(dialog, GWL_EXSTYLE));
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  SetWindowPos(dialog, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      SetDlgItemTextA(dialog, kTextId, reinterpret_cast<const char*>(lparam));
      LayOut(dialog);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace

void ShowRunMessage(std::string_view text, HWND owner) {
  TemplateWriter writer;
  writer.Dword(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  writer.Dword(0);
  writer.Word(2);  // controls
  writer.Word(0);
  writer.Word(0);
  writer.Word(200);
  writer.Word(60);
  writer.Word(0);                     // no menu
  writer.Word(0);                     // standard dialog class
  writer.Text(L"ISBN\u691c\u7d22");  // caption: ISBN検索
  writer.Word(9);
  writer.Text(L"MS Shell Dlg");
  writer.Item(SS_LEFT | SS_NOPREFIX, 0, 0, 10, 10, kTextId, 0x0082, L"");
  writer.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 0, 10, 10, IDOK, 0x0080, L"OK");
  const std::string message(text);
  DialogBoxIndirectParamA(GetModuleHandleA(nullptr), writer.Get(), owner, DialogProc,
                          reinterpret_cast<LPARAM>(message.c_str()));
}

}  // namespace bk
