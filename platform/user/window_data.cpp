// GetWindowLongPtrA/SetWindowLongPtrA and the 32-bit forms: styles, id, instance, window
// procedure, user data, and the dialog's own data.
#include "kernel/kernel.h"
#include "user/window.h"

using layer::user::LookUpWindow;
using layer::user::Window;

namespace {

constexpr DWORD kInvalidIndex = 1413;      // ERROR_INVALID_INDEX
constexpr DWORD kInvalidWindow = 1400;     // ERROR_INVALID_WINDOW_HANDLE

Window* Checked(HWND handle) {
  Window* window = LookUpWindow(handle);
  if (!window) SetLastError(kInvalidWindow);
  return window;
}

DWORD LiveStyle(const Window& window) {
  DWORD style = window.style;
  if (window.widget && !(style & WS_CHILD)) {
    style &= ~static_cast<DWORD>(WS_MINIMIZE | WS_MAXIMIZE);
    if (window.widget->isMinimized()) style |= WS_MINIMIZE;
    if (window.widget->isMaximized()) style |= WS_MAXIMIZE;
  }
  return style;
}

// Dialog data at the non-negative offsets; any other window has no extra bytes.
LONG_PTR* DialogSlot(Window& window, int index) {
  if (!window.dialog) return nullptr;
  switch (index) {
    case DWLP_MSGRESULT: return &window.dialog->msgResult;
    case DWLP_USER: return &window.dialog->user;
    default: return nullptr;
  }
}

}  // namespace

LONG_PTR WINAPI GetWindowLongPtrA(HWND handle, int index) {
  Window* window = Checked(handle);
  if (!window) return 0;
  switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(window->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(window->instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(window->parent ? window->parent : window->owner);
    case GWLP_ID: return window->id;
    case GWL_STYLE: return static_cast<LONG_PTR>(LiveStyle(*window));
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(window->exStyle);
    case GWLP_USERDATA: return window->userData;
    default: break;
  }
  if (index == DWLP_DLGPROC && window->dialog) return reinterpret_cast<LONG_PTR>(window->dialog->proc);
  if (LONG_PTR* slot = DialogSlot(*window, index)) return *slot;
  SetLastError(kInvalidIndex);
  return 0;
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND handle, int index, LONG_PTR value) {
  Window* window = Checked(handle);
  if (!window) return 0;
  LONG_PTR previous = GetWindowLongPtrA(handle, index);
  switch (index) {
    case GWLP_WNDPROC:
      window->proc = reinterpret_cast<WNDPROC>(value);
      return previous;
    case GWLP_HINSTANCE:
      window->instance = reinterpret_cast<HINSTANCE>(value);
      return previous;
    case GWLP_ID:
      window->id = value;
      return previous;
    case GWL_STYLE:
      window->style = static_cast<DWORD>(value);
      layer::user::ApplyStyles(*window);
      return previous;
    case GWL_EXSTYLE:
      window->exStyle = static_cast<DWORD>(value);
      layer::user::ApplyStyles(*window);
      return previous;
    case GWLP_USERDATA:
      window->userData = value;
      return previous;
    default:
      break;
  }
  if (index == DWLP_DLGPROC && window->dialog) {
    window->dialog->proc = reinterpret_cast<DLGPROC>(value);
    return previous;
  }
  if (LONG_PTR* slot = DialogSlot(*window, index)) {
    *slot = value;
    return previous;
  }
  SetLastError(kInvalidIndex);
  return 0;
}

// The 32-bit forms refuse the pointer-sized slots, as on 64-bit Windows.
static bool IsPointerIndex(const Window* window, int index) {
  return index == GWLP_WNDPROC || index == GWLP_HINSTANCE || index == GWLP_HWNDPARENT ||
         (window && window->dialog && index == DWLP_DLGPROC);
}

LONG WINAPI GetWindowLongA(HWND handle, int index) {
  if (IsPointerIndex(LookUpWindow(handle), index)) {
    SetLastError(kInvalidIndex);
    return 0;
  }
  return static_cast<LONG>(GetWindowLongPtrA(handle, index));
}

LONG WINAPI SetWindowLongA(HWND handle, int index, LONG value) {
  if (IsPointerIndex(LookUpWindow(handle), index)) {
    SetLastError(kInvalidIndex);
    return 0;
  }
  // Styles are 32 bits: WS_POPUP must not be sign-extended into the record.
  LONG_PTR wide = (index == GWL_STYLE || index == GWL_EXSTYLE) ? static_cast<LONG_PTR>(static_cast<DWORD>(value)) : value;
  return static_cast<LONG>(SetWindowLongPtrA(handle, index, wide));
}
