#include "app/main_dialog.h"

#include <new>

#include "app/globals.h"
#include "app/window_base.h"
#include "browser/browser_host.h"
#include "resource.h"
#include "shortcut/make_shortcut.h"
#include "text/file_helper.h"
#include "text/vemi_string.h"

namespace {

// Reads the first dropped item into gWorkPath and reduces a file to its folder.
// Returns false when the drop gave no path.
bool ReadDroppedFolder(HDROP drop) {
  gWorkPath.Assign("");
  if (gWorkPath.buffer == NULL) return false;
  // gWorkPath starts at 260 bytes and only grows; the bound holds even if it did not.
  DragQueryFileA(drop, 0, gWorkPath.buffer, gWorkPath.capacity < MAX_PATH ? gWorkPath.capacity : MAX_PATH);
  if (gWorkPath.IsDifferent("") == 0) return false;
  if (gFileHelper.IsDirectory(gWorkPath.buffer) == 0) gWorkPath.RemoveFileSpec();
  return true;
}

void SetUp(HWND dialog) {
  gDialog = new DialogWindow(dialog);
  gDialog->ModifyStyle(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0);
  gDialog->ModifyStyleEx(WS_EX_APPWINDOW, 0);
  gDialog->SetClassIcon(IDI_MAIN);

  HWND target = GetDlgItem(dialog, IDC_TARGET_DIRECTORY);
  gOldTargetEditProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(target, GWLP_WNDPROC));
  SetWindowLongPtrA(target, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TargetEditProc));

  gDialog->Move(0, 0);

  gBrowser = new BrowserHost(dialog);
  gBrowser->Move(3, 170);
  gBrowser->Resize(500, 120);
}

void Layout(WPARAM kind, LPARAM size) {
  if (kind != SIZE_RESTORED && kind != SIZE_MAXIMIZED) return;
  int width = LOWORD(size);
  int height = HIWORD(size);
  if (gBrowser) gBrowser->Resize(width - 4, height - 175);
  if (gDialog) gDialog->ResizeWindow(gDialog->GetItem(IDC_ADDRESS), width - 172, 22);
}

INT_PTR Command(HWND dialog, int id) {
  switch (id) {
    case IDOK:
      MakeShortcut(Directory);
      return 0;
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      return 1;
    default:
      return 0;
  }
}

// No exception may leave a window procedure: a COM failure that ends a command is shown to the
// user, and the dialog goes on.
INT_PTR GuardedCommand(HWND dialog, int id) {
  try {
    return Command(dialog, id);
  } catch (const _com_error& error) {
    if (gDialog) WarnFormat(*gDialog, "COM エラーが発生しました (0x%08lX)　　　", static_cast<DWORD>(error.Error()));
  } catch (const std::bad_alloc&) {
    if (gDialog) WarnFormat(*gDialog, "メモリが不足しています　　　");
  }
  return 0;
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetUp(dialog);
      return TRUE;
    case WM_SIZE:
      Layout(wParam, lParam);
      return 0;
    case WM_COMMAND:
      return GuardedCommand(dialog, LOWORD(wParam));
    case WM_DROPFILES: {
      HDROP drop = reinterpret_cast<HDROP>(wParam);
      if (ReadDroppedFolder(drop) && gDialog) gDialog->SetItemText(IDC_SAVE_DIRECTORY, gWorkPath);
      // The receiver of a drop owns its handle on Windows.
      DragFinish(drop);
      return 0;
    }
    default:
      return 0;
  }
}

LRESULT CALLBACK TargetEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DROPFILES && ReadDroppedFolder(reinterpret_cast<HDROP>(wParam))) {
    SetWindowTextA(window, gWorkPath.buffer);
  }
  LRESULT result = CallWindowProcA(gOldTargetEditProc, window, message, wParam, lParam);
  // The field passes the drop on unchanged; once its own procedure is done, the handle goes.
  if (message == WM_DROPFILES) DragFinish(reinterpret_cast<HDROP>(wParam));
  return result;
}
