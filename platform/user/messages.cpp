// Sending and posting messages, window procedures and the default window procedure.
#include <QCoreApplication>
#include <QMetaObject>
#include <cstring>

#include "user/ansi_text.h"
#include "user/window.h"

using layer::user::LookUpWindow;
using layer::user::Window;

LRESULT WINAPI SendMessageA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* window = LookUpWindow(handle);
  if (!window) return 0;
  WNDPROC proc = window->proc;
  // The record may be gone when the procedure returns; nothing here touches it afterwards.
  return proc ? proc(handle, message, wParam, lParam) : DefWindowProcA(handle, message, wParam, lParam);
}

BOOL WINAPI PostMessageA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!LookUpWindow(handle) || !QCoreApplication::instance()) return FALSE;
  // Queued through Qt's event loop: delivered by the next loop that runs, the modal loop among them.
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [=] {
        if (LookUpWindow(handle)) SendMessageA(handle, message, wParam, lParam);
      },
      Qt::QueuedConnection);
  return TRUE;
}

LRESULT WINAPI CallWindowProcA(WNDPROC proc, HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(handle, message, wParam, lParam) : 0;
}

LRESULT WINAPI DefWindowProcA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* window = LookUpWindow(handle);
  if (!window) return 0;
  switch (message) {
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(lParam);
      if (window->setText) window->setText(layer::user::FromAnsi(text ? text : ""));
      return TRUE;
    }
    case WM_GETTEXT: {
      char* buffer = reinterpret_cast<char*>(lParam);
      if (wParam == 0 || !buffer) return 0;
      std::string text = window->getText ? layer::user::ToAnsi(window->getText()) : std::string();
      // A double-byte character that does not fit whole is left out, not cut in half.
      size_t length = layer::user::AnsiPrefixLength(text, wParam - 1);
      std::memcpy(buffer, text.data(), length);
      buffer[length] = '\0';
      return static_cast<LRESULT>(length);
    }
    case WM_GETTEXTLENGTH:
      return window->getText ? static_cast<LRESULT>(layer::user::ToAnsi(window->getText()).size()) : 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) SendMessageA(handle, WM_CLOSE, 0, 0);
      return 0;
    case WM_CLOSE:
      DestroyWindow(handle);
      return 0;
    default:
      return 0;
  }
}

int WINAPI GetWindowTextA(HWND handle, LPSTR text, int size) {
  if (!text || size <= 0) return 0;
  text[0] = '\0';
  return static_cast<int>(SendMessageA(handle, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(text)));
}

int WINAPI GetWindowTextLengthA(HWND handle) {
  return static_cast<int>(SendMessageA(handle, WM_GETTEXTLENGTH, 0, 0));
}

BOOL WINAPI SetWindowTextA(HWND handle, LPCSTR text) {
  if (!LookUpWindow(handle)) return FALSE;
  return SendMessageA(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}
