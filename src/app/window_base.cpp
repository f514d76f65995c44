#include "app/window_base.h"

#include <cstdarg>

#include "text/vemi_string.h"

namespace {
const char kWarningCaption[] = "確認";
}

WindowBase::WindowBase() : brush(static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))), window(NULL) {}

WindowBase::~WindowBase() {
  if (brush) {
    DeleteObject(brush);
    brush = NULL;
  }
  window = NULL;
}

LONG WindowBase::ModifyStyle(DWORD add, DWORD remove) {
  LONG style = GetWindowLongA(window, GWL_STYLE);
  SetWindowLongA(window, GWL_STYLE, static_cast<LONG>((static_cast<DWORD>(style) | add) & ~remove));
  return style;
}

LONG WindowBase::ModifyStyleEx(DWORD add, DWORD remove) {
  LONG style = GetWindowLongA(window, GWL_EXSTYLE);
  SetWindowLongA(window, GWL_EXSTYLE, static_cast<LONG>((static_cast<DWORD>(style) | add) & ~remove));
  return style;
}

void WindowBase::SetClassIcon(WORD iconId) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(iconId));
  SetClassLongPtrA(window, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
}

int WindowBase::Move(int x, int y) {
  return SetWindowPos(window, NULL, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE) ? 1 : 0;
}

int WindowBase::Resize(int width, int height) { return ResizeWindow(window, width, height); }

int WindowBase::ResizeWindow(HWND target, int width, int height) {
  return SetWindowPos(target, NULL, 0, 0, width, height, SWP_NOZORDER | SWP_NOMOVE) ? 1 : 0;
}

void WindowBase::ShowWarning(const VemiString& text) {
  MessageBoxA(window, text.buffer, kWarningCaption, MB_ICONWARNING);
}

void WarnFormat(WindowBase& owner, const char* format, ...) {
  // wvsprintfA never writes more than 1024 bytes.
  char message[1024] = {};
  va_list arguments;
  va_start(arguments, format);
  wvsprintfA(message, format, arguments);
  va_end(arguments);
  MessageBoxA(owner.window, message, kWarningCaption, MB_ICONWARNING);
}

OwnerWindow::OwnerWindow() : ownedWindow(NULL) { window = NULL; }

OwnerWindow::~OwnerWindow() {
  if (ownedWindow) {
    DestroyWindow(ownedWindow);
    ownedWindow = NULL;
  }
}

DialogWindow::DialogWindow(HWND dialogHandle) : dialog(dialogHandle) { window = dialogHandle; }

DialogWindow::~DialogWindow() = default;

HWND DialogWindow::GetItem(int id) { return GetDlgItem(window, id); }

int DialogWindow::GetItemText(int id, VemiString& text) {
  // Item texts beyond this size come back cut instead of growing the buffer further.
  const DWORD kGrowthCap = 500000;
  for (;;) {
    int length = static_cast<int>(GetDlgItemTextA(dialog, id, text.buffer, static_cast<int>(text.capacity)));
    if (length == 0) return -1;
    if (length < static_cast<int>(text.capacity) - 2) return length;
    if (text.capacity > kGrowthCap) return length;
    // A refused block loses the text; it then reads as empty.
    if (!text.Reserve(text.capacity + 260)) return -1;
  }
}

int DialogWindow::SetItemText(int id, const VemiString& text) { return SetItemText(id, text.buffer); }

int DialogWindow::SetItemText(int id, const char* text) { return SetDlgItemTextA(dialog, id, text) ? 1 : 0; }
