// Shows the main dialog from the real template with a trivial dialog procedure, through the
// layer's own entry point: for looking at the layout (scripts/screenshot) before the program
// exists. Escape or the close box ends it.
#include "platform.h"

namespace {

INT_PTR CALLBACK ShowProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, GWL_STYLE,
                        GetWindowLongPtrA(dialog, GWL_STYLE) | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
      HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
      SetClassLongPtrA(dialog, GCLP_HICON, reinterpret_cast<LONG_PTR>(LoadIconA(instance, MAKEINTRESOURCEA(107))));
      SetDlgItemTextA(dialog, 1007, "https://example.org/");
      SetWindowPos(dialog, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  DialogBoxParamA(instance, MAKEINTRESOURCEA(129), GetDesktopWindow(), ShowProc, 0);
  return 0;
}
